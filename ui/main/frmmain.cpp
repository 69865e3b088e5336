#include "ui/main/frmmain.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "core/scoreanalysis.h"
#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/keypress.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/common/texts.h"
#include "ui/common/units.h"
#include "ui/main/line.h"
#include "ui/main/picturebox.h"
#include "ui/main/statusbar.h"
#include "ui/windows/frmassumptions.h"
#include "ui/windows/frmconvert.h"
#include "ui/windows/frmcredits.h"

namespace {


}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ui::kApplicationTitle);
    setWindowIcon(ui::CalculatorIcon());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    resize(ui::Px(9900), ui::Px(8445));

    CreateControls();
    PlaceControls();
    StyleControls();
    SetTabOrder();
    Connect();
    ui::CentreOnScreen(this);
    txtScore->setFocus();
    Form_Load();
}

QString frmMain::Lbl1SdName(int index)
{
    return QStringLiteral("lbl1SD_%1").arg(index);
}

void frmMain::CreateControls()
{
    using ui::MakeBox;
    txtScore                    = MakeBox(this, "txtScore", tr("Raw Score"));
    txtMean                     = MakeBox(this, "txtMean", tr("Measure Mean"));
    txtSD                       = MakeBox(this, "txtSD", tr("Measure SD"));
    txtUserStipulatedSD         = MakeBox(this, "txtUserStipulatedSD", tr("User Stipulated SD"));
    txtUserStipulatedPercentile = MakeBox(this, "txtUserStipulatedPercentile", tr("User Stipulated Percentile"));
    txtMeasure                  = MakeBox(this, "txtMeasure", tr("Measure Name"));

    txtZScore               = MakeBox(this, "txtZScore", tr("Z Score of Raw Score"));
    txtPercentile           = MakeBox(this, "txtPercentile", tr("Percentile of Raw Score"));
    txtConf                 = MakeBox(this, "txtConf", tr("Confidence Level That Raw Score Is Different To The Mean"));
    txtSD1                  = MakeBox(this, "txtSD1", tr("1 SD (68.26%)"));
    txtSD196                = MakeBox(this, "txtSD196", tr("1.96 SD (95%)"));
    txtSD258                = MakeBox(this, "txtSD258", tr("2.58 SD (99%)"));
    txt25Percent            = MakeBox(this, "txt25Percent", tr("25th Percentile of Measure"));
    txt75Percent            = MakeBox(this, "txt75Percent", tr("75th Percentile of Measure"));
    txt95Percent            = MakeBox(this, "txt95Percent", tr("95th Percentile of Measure"));
    txt99Percent            = MakeBox(this, "txt99Percent", tr("99th Percentile of Measure"));
    txtSDUser               = MakeBox(this, "txtSDUser", tr("User stipulated SD of"));
    txtUserSDAnswer         = MakeBox(this, "txtUserSDAnswer", tr("User stipulated SD equates to a score of"));
    txtPercentileUser       = MakeBox(this, "txtPercentileUser", tr("User stipulated %ile of"));
    txtUserPercentileAnswer = MakeBox(this, "txtUserPercentileAnswer", tr("User stipulated %ile equates to a score of"));

    using ui::MakeCaption;
    using ui::MakeLabel;
    const QFont plain = ui::DefaultFont(), bold = ui::DefaultFont(true);
    const Qt::Alignment left = Qt::AlignLeft, right = Qt::AlignRight;
    txtInstructions  = new QPlainTextEdit(this);
    txtInstructions->setObjectName(QStringLiteral("txtInstructions"));
    txtScoreName     = MakeCaption(this, "txtScoreName", tr("Raw Score"), left);
    txtMeasureName   = MakeCaption(this, "txtMeasureName", tr("Measure Name"), left);
    txtSoreName      = MakeCaption(this, "txtSoreName", tr("Measure Mean"), left);
    txtMeasureSDName = MakeCaption(this, "txtMeasureSDName", tr("Measure SD"), left);
    txtZScoreName    = MakeCaption(this, "txtZScoreName", tr("Z Score of Raw Score:"), right);
    txtPercName      = MakeCaption(this, "txtPercName", tr("Percentile of Raw Score:"), right);
    Text1            = MakeCaption(this, "Text1", tr("User stipulated SD of"), right);
    Text3            = MakeCaption(this, "Text3", tr("User stipulated %ile of"), right);

    lbl1SD[0] = MakeLabel(this, Lbl1SdName(0), tr("1 SD (68.26%):"), right, plain);
    lbl1SD[1] = MakeLabel(this, Lbl1SdName(1), tr("2.58 SD (99%):"), right, plain);
    lbl1SD[2] = MakeLabel(this, Lbl1SdName(2), tr("95th Percentile of Measure:"), right, plain);
    lbl1SD[3] = MakeLabel(this, Lbl1SdName(3), tr("75th Percentile of Measure:"), right, plain);
    lbl1SD[4] = MakeLabel(this, Lbl1SdName(4), tr("99th Percentile of Measure:"), right, plain);
    lbl1SD[5] = MakeLabel(this, Lbl1SdName(5), tr("25th Percentile of Measure:"), right, plain);
    lbl1SD[6] = MakeLabel(this, Lbl1SdName(6), tr("User Stipulated SD"), left, plain);
    lbl1SD[7] = MakeLabel(this, Lbl1SdName(7), tr("User Stipulated Percentile"), left, plain);
    Label1    = MakeLabel(this, QStringLiteral("Label1"), tr("1.96 SD (95%):"), right, plain);
    Label2    = MakeLabel(this, QStringLiteral("Label2"), tr("Confidence Level That Raw Score Is Different To The Mean:"), right, plain);
    Label3    = MakeLabel(this, QStringLiteral("Label3"), tr("Percentiles of Measure"), left, bold);
    Label4    = MakeLabel(this, QStringLiteral("Label4"), tr("equates to a score of:"), left, plain);
    Label5    = MakeLabel(this, QStringLiteral("Label5"), tr("equates to a score of:"), left, plain);
    lblConf   = MakeLabel(this, QStringLiteral("lblConf"), tr("Confidence Level Cut-Offs of Measure"), left, bold);
    Label2->setWordWrap(true);

    using ui::MakeButton;
    cmdGo          = MakeButton(this, "cmdGo", tr("&Go!"), true);
    cmdClear       = MakeButton(this, "cmdClear", tr("&Clear"));
    cmdExit        = MakeButton(this, "cmdExit", tr("E&xit"));
    cmdAssumptions = MakeButton(this, "cmdAssumptions", tr("&Assumptions"));
    cmdCredits     = MakeButton(this, "cmdCredits", tr("Cre&dits"));

    picConf = new PictureBox(this);
    picConf->setObjectName(QStringLiteral("picConf"));
    picConf->setPixmap(QIcon(QStringLiteral(":/icons/help.png")).pixmap(16));
    picConf->setToolTip(tr("Convert between a confidence level and a number of SDs"));
    picConf->setAccessibleName(tr("Converter"));

    lnVertical   = new Line(this, {5040, 240}, {5040, 8160}, 1);
    lnHorizontal = new Line(this, {5040, 4560}, {0, 4560}, 3);
    lnVertical->setObjectName(QStringLiteral("lnVertical"));
    lnHorizontal->setObjectName(QStringLiteral("lnHorizontal"));

    statusBar = new StatusBar(this, tr("Lorvi's Generator"));
    statusBar->setObjectName(QStringLiteral("StatusBar"));

    keyPress = new KeyPressHook(this);
}

void frmMain::PlaceControls()
{
    using ui::Place;
    Place(txtScore,                    360, 2280, 3975, 285);
    Place(txtMean,                    5280, 1920, 3735, 285);
    Place(txtSD,                      5280, 3120, 3735, 285);
    Place(txtUserStipulatedSD,         360, 3120, 1815, 285);
    Place(txtUserStipulatedPercentile,2520, 3120, 1815, 285);
    Place(txtMeasure,                 5280,  720, 3735, 285);

    Place(txtZScore,                  2520, 4920, 2295, 285);
    Place(txtPercentile,              2520, 5520, 2295, 285);
    Place(txtConf,                    2520, 6120, 2295, 285);
    Place(txtSD1,                     7320, 4200, 2295, 285);
    Place(txtSD196,                   7320, 4680, 2295, 285);
    Place(txtSD258,                   7320, 5160, 2295, 285);
    Place(txt25Percent,               7320, 6240, 2295, 285);
    Place(txt75Percent,               7320, 6720, 2295, 285);
    Place(txt95Percent,               7320, 7200, 2295, 285);
    Place(txt99Percent,               7320, 7680, 2295, 285);
    Place(txtSDUser,                  1800, 6765,  615, 195);
    Place(txtUserSDAnswer,            3960, 6720,  855, 285);
    Place(txtPercentileUser,          1800, 7365,  615, 195);
    Place(txtUserPercentileAnswer,    3960, 7320,  855, 285);

    Place(txtInstructions,             360,  120, 4455, 1575);
    Place(txtScoreName,                360, 1920, 3855, 285);
    Place(txtMeasureName,             5280,  360, 3855, 285);
    Place(txtSoreName,                5280, 1560, 3855, 285);
    Place(txtMeasureSDName,           5280, 2760, 3855, 285);
    Place(txtZScoreName,               720, 4965, 1695, 195);
    Place(txtPercName,                 600, 5565, 1815, 195);
    Place(Text1,                       240, 6765, 1575, 195);
    Place(Text3,                       240, 7365, 1575, 195);

    Place(lbl1SD[0],                  5520, 4215, 1695, 255);
    Place(lbl1SD[1],                  5880, 5160, 1335, 255);
    Place(lbl1SD[2],                  5160, 7215, 2055, 255);
    Place(lbl1SD[3],                  5160, 6735, 2055, 255);
    Place(lbl1SD[4],                  5160, 7695, 2055, 255);
    Place(lbl1SD[5],                  5160, 6255, 2055, 255);
    Place(lbl1SD[6],                   360, 2760, 1455, 255);
    Place(lbl1SD[7],                  2520, 2760, 2055, 255);
    Place(Label1,                     5520, 4695, 1695, 255);
    Place(Label2,                        0, 6015, 2415, 480);
    Place(Label3,                     5280, 5760, 3495, 255);
    Place(Label4,                     2400, 6765, 1575, 195);
    Place(Label5,                     2400, 7365, 1575, 195);
    Place(lblConf,                    5280, 3720, 3495, 255);

    Place(cmdGo,                       360, 3600,  975, 375);
    Place(cmdClear,                   1920, 3600,  975, 375);
    Place(cmdExit,                    3600, 3600,  975, 375);
    Place(cmdAssumptions,             1080, 4200, 1095, 255);
    Place(cmdCredits,                 3000, 4200,  735, 255);

    Place(picConf,                    1800, 2767,  240, 240);
}

void frmMain::StyleControls()
{
    ui::Colour(txtMean, ui::kCompulsoryRed, palette().color(QPalette::WindowText));
    ui::Colour(txtSD, ui::kCompulsoryRed, palette().color(QPalette::WindowText));
    for (QLineEdit* box : {txtScore, txtUserStipulatedSD, txtUserStipulatedPercentile})
        ui::Colour(box, ui::kOptionalBlue, ui::kWhite);
    for (QLineEdit* box : {txtScore, txtMean, txtSD, txtUserStipulatedSD, txtUserStipulatedPercentile, txtMeasure})
        ui::TakeAnyLength(box);
    for (QLineEdit* echo : {txtSDUser, txtPercentileUser}) {
        ui::StyleAsFlatBox(echo);
        echo->setAlignment(Qt::AlignCenter);
    }

    ui::StyleAsCaption(txtInstructions);
    txtInstructions->setPlainText(ui::WithLineFeeds(texts::kInstructions));
    txtInstructions->setAccessibleName(tr("Instructions"));
}

void frmMain::SetTabOrder()
{
    const QWidget* order[] = {
        txtScore,        cmdGo,          txtMean,          txtSD,           txtMeasure,       cmdClear,
        cmdExit,         txtZScore,      txtPercentile,    txtSD1,          txtSD196,         txtSD258,
        txtConf,         txt95Percent,   txt75Percent,     txt99Percent,    txt25Percent,     cmdCredits,
        cmdAssumptions,  txtUserStipulatedSD, txtUserStipulatedPercentile, txtUserSDAnswer, txtUserPercentileAnswer,
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

void frmMain::Connect()
{
    connect(cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(cmdAssumptions, &QPushButton::clicked, this, &frmMain::cmdAssumptions_Click);
    connect(cmdCredits, &QPushButton::clicked, this, &frmMain::cmdCredits_Click);
    connect(picConf, &PictureBox::clicked, this, &frmMain::picConf_Click);
    // F1, the help key, is the keyboard's way to the converter: the picture takes no focus.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &frmMain::picConf_Click);

    keyPress->Attach(txtScore, [this](std::int16_t& k) { txtScore_KeyPress(k); });
    keyPress->Attach(txtMean, [this](std::int16_t& k) { txtMean_KeyPress(k); });
    keyPress->Attach(txtSD, [this](std::int16_t& k) { txtSD_KeyPress(k); });
    keyPress->Attach(txtUserStipulatedSD, [this](std::int16_t& k) { txtUserStipulatedSD_KeyPress(k); });
    keyPress->Attach(txtUserStipulatedPercentile,
                     [this](std::int16_t& k) { txtUserStipulatedPercentile_KeyPress(k); });
}

QLineEdit* frmMain::OwnBox(std::string_view name) const
{
    // Direct children only: a secondary window owned by this one has boxes of the same names.
    return findChild<QLineEdit*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                                 Qt::FindDirectChildrenOnly);
}

void frmMain::Form_Load()
{
    for (const core::InputBox& in : core::kInputBoxes)
        OwnBox(in.name)->clear();
    txtMeasure->clear();
    for (const core::ResultBox& out : core::kResultBoxes)
        OwnBox(out.name)->clear();
}

void frmMain::cmdGo_Click()
{
    core::ScoreInputs in;
    for (const core::InputBox& box : core::kInputBoxes)
        in.*box.text = OwnBox(box.name)->text().toStdString();
    const core::ScoreResults r = core::AnalyzeScores(in, ui::DecimalSeparator());
    for (const core::ResultBox& box : core::kResultBoxes)
        ui::ShowText(OwnBox(box.name), QString::fromStdString(r.*box.text));
    if (r.message)
        ui::ShowMessage(this, QString::fromStdString(*r.message));
}

void frmMain::cmdClear_Click()
{
    Form_Load();
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::cmdAssumptions_Click()
{
    frmAssumptions window(this);
    window.exec();
}

void frmMain::cmdCredits_Click()
{
    frmCredits window(this);
    window.exec();
}

void frmMain::picConf_Click()
{
    frmConvert window(this);
    window.exec();
}

void frmMain::txtScore_KeyPress(std::int16_t& keyAscii)
{
    FilterNumericKeyOf(txtScore, keyAscii);
}

void frmMain::txtMean_KeyPress(std::int16_t& keyAscii)
{
    FilterNumericKeyOf(txtMean, keyAscii);
}

void frmMain::txtSD_KeyPress(std::int16_t& keyAscii)
{
    FilterNumericKeyOf(txtSD, keyAscii);
}

void frmMain::txtUserStipulatedSD_KeyPress(std::int16_t& keyAscii)
{
    FilterNumericKeyOf(txtUserStipulatedSD, keyAscii);
}

void frmMain::txtUserStipulatedPercentile_KeyPress(std::int16_t& keyAscii)
{
    FilterNumericKeyOf(txtUserStipulatedPercentile, keyAscii);
}
