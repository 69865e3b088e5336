#include "ui/windows/frmassumptions.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/common/controls.h"
#include "ui/common/texts.h"
#include "ui/common/units.h"

const char* const frmAssumptions::kAssumptions = texts::kAssumptions;

frmAssumptions::frmAssumptions(QWidget* owner)
    : ModalWindow(owner, tr("Assumptions"), QSize(6420, 1590), Frame::FixedSingle)
{
    setObjectName(QStringLiteral("frmAssumptions"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/question.png")));

    txtAssumptions = ui::MakePrintedText(this, "txtAssumptions", kAssumptions, tr("Assumptions"));
    cmdExit = ui::MakeButton(this, "cmdExit", tr("&Close"), true);

    ui::Place(txtAssumptions, 120, 120, 6135, 975);
    ui::Place(cmdExit,       5160, 1200, 975, 375);

    connect(cmdExit, &QPushButton::clicked, this, &frmAssumptions::cmdExit_Click);
    cmdExit->setFocus();
}

void frmAssumptions::cmdExit_Click()
{
    close();
}
