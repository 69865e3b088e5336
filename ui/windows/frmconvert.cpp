#include "ui/windows/frmconvert.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/conversion.h"
#include "ui/main/keypress.h"
#include "ui/main/look.h"
#include "ui/main/numericfilter.h"

namespace {
constexpr char kDirections[] =
    "Enter data into only ONE of the white boxes to compute the equivalent of the other box.\r\n";
}  // namespace

frmConvert::frmConvert(QWidget* owner) : ModalWindow(owner, tr("Converter"), QSize(5025, 2265), Frame::Resizable)
{
    setObjectName(QStringLiteral("frmConvert"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/question.png")));

    Label1 = new QLabel(tr("Confidence Interval:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);

    txtConf = new QLineEdit(this);
    txtConf->setObjectName(QStringLiteral("txtConf"));
    txtConf->setAccessibleName(tr("Confidence Interval"));

    txtSD = new QLineEdit(this);
    txtSD->setObjectName(QStringLiteral("txtSD"));
    txtSD->setAccessibleName(tr("Standard Deviations"));
    look::TakeAnyLength(txtConf);
    look::TakeAnyLength(txtSD);

    Label3 = new QLabel(tr("Standard Deviations:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);

    cmdDoIt = look::MakeButton(this, "cmdDoIt", tr("&Do It"), true);
    cmdClose = look::MakeButton(this, "cmdClose", tr("&Close"));
    txtDirections = look::MakePrintedText(this, "txtDirections", kDirections, tr("Directions"));

    txtAnswer = new QLineEdit(this);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    look::StyleAsFlatBox(txtAnswer);
    txtAnswer->setAlignment(Qt::AlignCenter);
    txtAnswer->setAccessibleName(tr("Answer"));

    look::Place(Label1,         360,  240, 1455, 255);
    look::Place(txtConf,       1920,  225,  975, 285);
    look::Place(txtSD,         1920,  840,  975, 285);
    look::Place(Label3,         120,  840, 1695, 255);
    look::Place(cmdDoIt,       1080, 1320,  975, 375);
    look::Place(cmdClose,      3600, 1320,  975, 375);
    look::Place(txtDirections, 3120,  360, 1815, 855);
    look::Place(txtAnswer,      240, 1800, 4575, 285);

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
        txtConf->text().toStdString(), txtSD->text().toStdString(), look::DecimalSeparator());
    if (!r.answer().empty())
        txtAnswer->setText(QString::fromStdString(r.answer()));
    if (!r.message().empty())
        look::ShowMessage(this, QString::fromStdString(r.message()));
}

void frmConvert::cmdClose_Click()
{
    close();
}

void frmConvert::txtConf_KeyPress(std::int16_t& keyAscii)
{
    keyAscii = FilterNumericKey(keyAscii, txtConf->text().toStdString());
}

void frmConvert::txtSD_KeyPress(std::int16_t& keyAscii)
{
    keyAscii = FilterNumericKey(keyAscii, txtSD->text().toStdString());
}
