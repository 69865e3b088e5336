#include "ui/windows/frmconvert.h"

#include <QLineEdit>
#include <QPushButton>

#include "core/calculations/conversion.h"
#include "core/design/frmconvert.h"
#include "ui/common/controls.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"

frmConvert::frmConvert(QWidget* owner) : ModalWindow(owner, core::design::frmConvert)
{
    txtConf   = form().Get<QLineEdit>("txtConf");
    txtSD     = form().Get<QLineEdit>("txtSD");
    cmdDoIt   = form().Get<QPushButton>("cmdDoIt");
    cmdClose  = form().Get<QPushButton>("cmdClose");
    txtAnswer = form().Get<QLineEdit>("txtAnswer");

    connect(cmdDoIt, &QPushButton::clicked, this, &frmConvert::cmdDoIt_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmConvert::cmdClose_Click);

    Form_Load();
}

void frmConvert::Form_Load()
{
    txtConf->clear();
    txtSD->clear();
    txtAnswer->clear();
}

void frmConvert::cmdDoIt_Click()
{
    const core::ConversionResult r = core::ConvertDeviationConfidence(
        txtConf->text().toStdString(), txtSD->text().toStdString(), ui::DecimalSeparator());
    // A refusal keeps the previous answer.
    if (!r.txtAnswer.empty())
        ui::ShowText(txtAnswer, QString::fromStdString(r.txtAnswer));
    if (r.message)
        ui::ShowMessage(this, QString::fromStdString(*r.message));
}

void frmConvert::cmdClose_Click()
{
    close();
}
