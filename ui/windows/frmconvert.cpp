#include "ui/windows/frmconvert.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/conversion.h"
#include "ui/common/keypress.h"
#include "ui/common/controls.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/common/texts.h"
#include "ui/common/units.h"

namespace {
}  // namespace

frmConvert::frmConvert(QWidget* owner) : ModalWindow(owner, tr("Converter"), QSize(5025, 2265), Frame::Resizable)
{
    setObjectName(QStringLiteral("frmConvert"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/question.png")));

    Label1 = ui::MakeLabel(this, QStringLiteral("Label1"), tr("Confidence Interval:"), Qt::AlignRight, font());
    txtConf = ui::MakeBox(this, "txtConf", tr("Confidence Interval"));
    txtSD = ui::MakeBox(this, "txtSD", tr("Standard Deviations"));
    ui::TakeAnyLength(txtConf);
    ui::TakeAnyLength(txtSD);
    Label3 = ui::MakeLabel(this, QStringLiteral("Label3"), tr("Standard Deviations:"), Qt::AlignRight, font());

    cmdDoIt = ui::MakeButton(this, "cmdDoIt", tr("&Do It"), true);
    cmdClose = ui::MakeButton(this, "cmdClose", tr("&Close"));
    txtDirections = ui::MakePrintedText(this, "txtDirections", texts::kDirections, tr("Directions"));

    txtAnswer = ui::MakeBox(this, "txtAnswer", tr("Answer"));
    ui::StyleAsFlatBox(txtAnswer);
    txtAnswer->setAlignment(Qt::AlignCenter);

    ui::Place(Label1,         360,  240, 1455, 255);
    ui::Place(txtConf,       1920,  225,  975, 285);
    ui::Place(txtSD,         1920,  840,  975, 285);
    ui::Place(Label3,         120,  840, 1695, 255);
    ui::Place(cmdDoIt,       1080, 1320,  975, 375);
    ui::Place(cmdClose,      3600, 1320,  975, 375);
    ui::Place(txtDirections, 3120,  360, 1815, 855);
    ui::Place(txtAnswer,      240, 1800, 4575, 285);

    setTabOrder(txtConf, txtSD);
    setTabOrder(txtSD, cmdDoIt);
    setTabOrder(cmdDoIt, cmdClose);

    connect(cmdDoIt, &QPushButton::clicked, this, &frmConvert::cmdDoIt_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmConvert::cmdClose_Click);
    keyPress = new KeyPressHook(this);
    keyPress->Attach(txtConf, [this](std::int16_t& k) { txtConf_KeyPress(k); });
    keyPress->Attach(txtSD, [this](std::int16_t& k) { txtSD_KeyPress(k); });

    Form_Load();
    txtConf->setFocus();
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

void frmConvert::txtConf_KeyPress(std::int16_t& keyAscii)
{
    FilterNumericKeyOf(txtConf, keyAscii);
}

void frmConvert::txtSD_KeyPress(std::int16_t& keyAscii)
{
    FilterNumericKeyOf(txtSD, keyAscii);
}
