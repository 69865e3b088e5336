#include "ui/windows/shell.h"

#include <QDesktopServices>

namespace shell {

void Open(const QUrl& address)
{
    QDesktopServices::openUrl(address);
}

}  // namespace shell
