#include "ui/windows/frmassumptions.h"

#include <QPushButton>

#include "core/design/frmassumptions.h"

frmAssumptions::frmAssumptions(QWidget* owner) : ModalWindow(owner, core::design::frmAssumptions)
{
    cmdExit = form().Get<QPushButton>("cmdExit");
    connect(cmdExit, &QPushButton::clicked, this, &frmAssumptions::cmdExit_Click);
}

void frmAssumptions::cmdExit_Click()
{
    close();
}
