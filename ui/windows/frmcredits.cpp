#include "ui/windows/frmcredits.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/messagebox.h"
#include "ui/common/units.h"
#include "ui/windows/shell.h"
#include "ui/common/wrappingbutton.h"

// A reserved domain: the address can never lead to someone else's site.
const QUrl frmCredits::kMakerAddress{QStringLiteral("https://quenlo.example/")};

const char* const frmCredits::kCitation =
    "Lorvi, T. M. (2026). Quenlo Software: Mervane (Version 1.00). https://quenlo.example/\r\n";

const char* const frmCredits::kLicence =
    "I. Summary\r\n"
    "This software is provided as is and free of charge, for clinicians, researchers and students alike.\r\n"
    "You may pass it on to others as you received it, as long as it stays whole and every credit in it is kept.\r\n"
    "\r\n"
    "II. Limitations\r\n"
    "II. a. Good Faith\r\n"
    "This program was written in good faith, to help people place test scores within the norms of a measure.\r\n"
    "Whoever doubts that may have its code inspected by an organisation they trust and that the author accepts,\r\n"
    "provided that no more than one copy is made for it and that the copy is destroyed within thirty days.\r\n"
    "\r\n"
    "II. b. Warranty\r\n"
    "Every reasonable effort has been made to make this program stable and its figures exact, but no warranty\r\n"
    "of any kind is given. The author assures you that nothing harmful, no spyware, adware or other malware,\r\n"
    "is in the program or attached to it.\r\n"
    "\r\n"
    "II.c. Liability\r\n"
    "No damage from using this program has ever been reported to the author. Even so, the author accepts\r\n"
    "no liability for any damage, loss or claim that may arise from its use, whether to data, to equipment\r\n"
    "or from the conclusions drawn from its results, which remain the responsibility of the person using them.\r\n"
    "\r\n"
    "II.d. Use of application in whole\r\n"
    "Only the application as a whole may be used; no part of it may be taken out of it and used on its own.\r\n"
    "\r\n"
    "Copyright (c) 2026 T. M. Lorvi. All rights reserved.\r\n";

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
