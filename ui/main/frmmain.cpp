#include "ui/main/frmmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "core/design/frmmain.h"
#include "ui/common/controls.h"
#include "ui/common/form.h"
#include "ui/common/keypress.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/common/picturebox.h"
#include "ui/common/units.h"
#include "ui/windows/frmassumptions.h"
#include "ui/windows/frmconvert.h"
#include "ui/windows/frmcredits.h"
#include "ui/windows/frminterpret.h"

frmMain::frmMain(QWidget* parent) : QWidget(parent)
{
    const core::design::Window& design = core::design::frmMain;
    ui::ApplyDesign(this, design);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    resize(ui::Px(design.width), ui::Px(design.height));

    const ui::Form form(this, design);
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        inputs_[i] = form.Get<QLineEdit>(core::kInputBoxes[i].name);
    for (std::size_t i = 0; i < results_.size(); ++i)
        results_[i] = form.Get<QLineEdit>(core::kResultBoxes[i].name);
    txtScore                    = form.Get<QLineEdit>("txtScore");
    txtMean                     = form.Get<QLineEdit>("txtMean");
    txtSD                       = form.Get<QLineEdit>("txtSD");
    txtUserStipulatedSD         = form.Get<QLineEdit>("txtUserStipulatedSD");
    txtUserStipulatedPercentile = form.Get<QLineEdit>("txtUserStipulatedPercentile");
    txtMeasure                  = form.Get<QLineEdit>("txtMeasure");
    cmdGo                       = form.Get<QPushButton>("cmdGo");
    cmdClear                    = form.Get<QPushButton>("cmdClear");
    cmdExit                     = form.Get<QPushButton>("cmdExit");
    cmdAssumptions              = form.Get<QPushButton>("cmdAssumptions");
    cmdCredits                  = form.Get<QPushButton>("cmdCredits");
    cmdInterpret                = form.Get<QPushButton>("cmdInterpret");
    picConf                     = form.Get<ui::PictureBox>("picConf");

    connect(cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(cmdAssumptions, &QPushButton::clicked, this, &frmMain::cmdAssumptions_Click);
    connect(cmdCredits, &QPushButton::clicked, this, &frmMain::cmdCredits_Click);
    connect(cmdInterpret, &QPushButton::clicked, this, &frmMain::cmdInterpret_Click);
    connect(picConf, &ui::PictureBox::clicked, this, &frmMain::picConf_Click);
    // F1, the help key, is the keyboard's way to the converter: the picture takes no focus.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &frmMain::picConf_Click);
    connect(new QShortcut(Qt::Key_F2, this), &QShortcut::activated, this, &frmMain::cmdInterpret_Click);

    keyPress = new ui::KeyPressHook(this);
    keyPress->Attach(txtScore, [this](std::int16_t& k) { txtScore_KeyPress(k); });
    keyPress->Attach(txtMean, [this](std::int16_t& k) { txtMean_KeyPress(k); });
    keyPress->Attach(txtSD, [this](std::int16_t& k) { txtSD_KeyPress(k); });
    keyPress->Attach(txtUserStipulatedSD, [this](std::int16_t& k) { txtUserStipulatedSD_KeyPress(k); });
    keyPress->Attach(txtUserStipulatedPercentile,
                     [this](std::int16_t& k) { txtUserStipulatedPercentile_KeyPress(k); });

    ui::CentreOnScreen(this);
    form.FirstTabStop()->setFocus();
    Form_Load();
}

void frmMain::Form_Load()
{
    for (QLineEdit* box : inputs_)
        box->clear();
    txtMeasure->clear();
    for (QLineEdit* box : results_)
        box->clear();
}

void frmMain::cmdGo_Click()
{
    core::ScoreInputs in;
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        in.*core::kInputBoxes[i].text = inputs_[i]->text().toStdString();
    const core::ScoreResults r = core::AnalyzeScores(in, ui::DecimalSeparator());
    for (std::size_t i = 0; i < results_.size(); ++i)
        ui::ShowText(results_[i], QString::fromStdString(r.*core::kResultBoxes[i].text));
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

void frmMain::cmdInterpret_Click()
{
    core::InterpretInputs opening;
    opening.txtMeasure = txtMeasure->text().toStdString();
    opening.txtMean = txtMean->text().toStdString();
    opening.txtSD = txtSD->text().toStdString();
    opening.txtScore = txtScore->text().toStdString();
    frmInterpret window(this, opening);
    window.exec();
}

void frmMain::picConf_Click()
{
    frmConvert window(this);
    window.exec();
}

void frmMain::txtScore_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtScore, keyAscii);
}

void frmMain::txtMean_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtMean, keyAscii);
}

void frmMain::txtSD_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtSD, keyAscii);
}

void frmMain::txtUserStipulatedSD_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtUserStipulatedSD, keyAscii);
}

void frmMain::txtUserStipulatedPercentile_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtUserStipulatedPercentile, keyAscii);
}
