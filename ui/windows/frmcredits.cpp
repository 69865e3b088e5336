#include "ui/windows/frmcredits.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/messagebox.h"
#include "ui/common/texts.h"
#include "ui/common/units.h"
#include "ui/windows/shell.h"
#include "ui/common/wrappingbutton.h"

const QUrl frmCredits::kMakerAddress{QString::fromLatin1(texts::kMakerAddress)};

const char* const frmCredits::kCitation = texts::kCitation;

const char* const frmCredits::kLicence = texts::kLicence;

frmCredits::frmCredits(QWidget* owner)
    : ModalWindow(owner, tr("Programme Credits"), QSize(9000, 7500), Frame::FixedSingle)
{
    setObjectName(QStringLiteral("frmCredits"));
    setWindowIcon(ui::CalculatorIcon());
    const QFont bold = ui::DefaultFont(true);

    const Qt::Alignment left = Qt::AlignLeft;
    Label4 = ui::MakeLabel(this, QStringLiteral("Label4"), ui::kApplicationTitle, left, bold);

    Text2 = ui::MakePrintedText(this, "Text2", kCitation, tr("Citation"));
    Text2->setReadOnly(true);

    cmdQuenloWebsite = new WrappingButton(tr("Visit Quenlo Website For More Software"), this);
    cmdQuenloWebsite->setObjectName(QStringLiteral("cmdQuenloWebsite"));
    cmdQuenloWebsite->setFont(bold);

    Label2 = ui::MakeLabel(this, QStringLiteral("Label2"), tr("Dedicated to Maren Lorvi, who asked first."), left, bold);

    cmdExit = ui::MakeButton(this, "cmdExit", tr("&Close"), true);

    lblLicense = ui::MakeLabel(this, QStringLiteral("lblLicense"), tr("License:"), left, bold);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    // Without scroll bars the caret is the way to the rest of the text.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui::StyleAsFixedText(Text1);
    Text1->setPlainText(ui::WithLineFeeds(kLicence));
    Text1->setAccessibleName(tr("License"));

    ui::Place(Label4,            105,  135, 4740,  225);
    ui::Place(Text2,             105,  480, 6210,  525);
    ui::Place(cmdQuenloWebsite, 6405,  600, 2115,  540);
    ui::Place(Label2,            105, 1290, 3795,  225);
    ui::Place(cmdExit,          6960, 1560,  975,  375);
    ui::Place(lblLicense,        105, 1920, 1215,  255);
    ui::Place(Text1,             105, 2370, 8730, 4845);

    setTabOrder(cmdQuenloWebsite, Text1);
    setTabOrder(Text1, cmdExit);
    connect(cmdQuenloWebsite, &QPushButton::clicked, this, &frmCredits::cmdQuenloWebsite_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmCredits::cmdExit_Click);
    cmdQuenloWebsite->setFocus();
}

void frmCredits::cmdQuenloWebsite_Click()
{
    shell::Open(kMakerAddress);
}

void frmCredits::cmdExit_Click()
{
    close();
}
