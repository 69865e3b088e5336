#include "ui/windows/shell.h"

#include <QDesktopServices>

namespace ui {

void OpenAddress(const QUrl& address)
{
    QDesktopServices::openUrl(address);
}

}  // namespace ui
