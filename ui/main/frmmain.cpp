#include "ui/main/frmmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "core/design/windows.h"
#include "ui/common/calculationwindow.h"
#include "ui/common/controls.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/common/picturebox.h"
#include "ui/common/session.h"
#include "ui/common/units.h"
#include "ui/windows/frmassumptions.h"
#include "ui/windows/frmconvert.h"
#include "ui/windows/frmcredits.h"
#include "ui/windows/frmreport.h"

namespace {

// The window's own frame, set up before its controls are built.
QWidget* Framed(QWidget* window)
{
    const core::design::Window& design = core::design::frmMain;
    ui::ApplyDesign(window, design);
    window->setAutoFillBackground(true);
    window->setBackgroundRole(QPalette::Button);
    window->resize(ui::Px(design.width), ui::Px(design.height));
    return window;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent), form_(Framed(this), core::design::frmMain)
{
    const ui::Form& form = form_;
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        inputs_[i] = form.Get<QLineEdit>(core::kInputBoxes[i].name);
    for (std::size_t i = 0; i < results_.size(); ++i)
        results_[i] = form.Get<QLineEdit>(core::kResultBoxes[i].name);
    txtMeasure                  = form.Get<QLineEdit>("txtMeasure");
    cmdGo                       = form.Get<QPushButton>("cmdGo");
    cmdClear                    = form.Get<QPushButton>("cmdClear");
    cmdExit                     = form.Get<QPushButton>("cmdExit");
    cmdAssumptions              = form.Get<QPushButton>("cmdAssumptions");
    cmdCredits                  = form.Get<QPushButton>("cmdCredits");
    cmdReport                   = form.Get<QPushButton>("cmdReport");
    picConf                     = form.Get<ui::PictureBox>("picConf");

    connect(cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(cmdAssumptions, &QPushButton::clicked, this, &frmMain::cmdAssumptions_Click);
    connect(cmdCredits, &QPushButton::clicked, this, &frmMain::cmdCredits_Click);
    connect(cmdReport, &QPushButton::clicked, this, &frmMain::cmdReport_Click);
    for (const core::design::Opening& opening : core::design::kOpenings)
        if (opening.window == &core::design::frmReport)
            connect(new QShortcut(QKeySequence(QString::fromUtf8(opening.key.data(), opening.key.size())), this),
                    &QShortcut::activated, this, &frmMain::cmdReport_Click);
    connect(picConf, &ui::PictureBox::clicked, this, &frmMain::picConf_Click);
    // F1, the help key, is the keyboard's way to the converter: the picture takes no focus.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &frmMain::picConf_Click);
    ui::ConnectOpenings(this, form, {"picConf", "cmdAssumptions", "cmdCredits"});

    ui::CentreOnScreen(this);
    form.FirstTabStop()->setFocus();
    Form_Load();
    // The windows open as they were left; a session that could not be read is said once the window shows.
    if (const QString problem = ui::RestoreSession(this); !problem.isEmpty())
        QTimer::singleShot(0, this, [this, problem] { ui::ShowMessage(this, problem); });
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

void frmMain::cmdReport_Click()
{
    frmReport window(this);
    window.exec();
}

void frmMain::picConf_Click()
{
    frmConvert window(this);
    window.exec();
}
