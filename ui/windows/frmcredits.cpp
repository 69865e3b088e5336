#include "ui/windows/frmcredits.h"

#include <QPushButton>
#include <QUrl>

#include "core/design/frmcredits.h"
#include "core/text/texts.h"
#include "ui/windows/shell.h"

frmCredits::frmCredits(QWidget* owner) : ModalWindow(owner, core::design::frmCredits)
{
    cmdQuenloWebsite = form().Get<QPushButton>("cmdQuenloWebsite");
    cmdExit          = form().Get<QPushButton>("cmdExit");
    connect(cmdQuenloWebsite, &QPushButton::clicked, this, &frmCredits::cmdQuenloWebsite_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmCredits::cmdExit_Click);
}

void frmCredits::cmdQuenloWebsite_Click()
{
    ui::OpenAddress(QUrl(QString::fromLatin1(core::texts::kMakerAddress)));
}

void frmCredits::cmdExit_Click()
{
    close();
}
