#ifndef MERVANE_UI_WINDOWS_SHELL_H
#define MERVANE_UI_WINDOWS_SHELL_H

#include <QUrl>

namespace ui {

// Hands an address to the desktop's "open" operation, which shows it in the
// user's browser. Whether that succeeds is the desktop's business: the
// program reports nothing of its own.
void OpenAddress(const QUrl& address);

}  // namespace ui

#endif
