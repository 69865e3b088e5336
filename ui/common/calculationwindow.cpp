#include "ui/common/calculationwindow.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>

#include <algorithm>

#include "core/design/windows.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/common/session.h"

namespace ui {
namespace {

namespace design = core::design;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

KeptInputs::KeptInputs(QObject* root) : QObject(root)
{
    setObjectName(QStringLiteral("keptInputs"));
}

KeptInputs& KeptInputs::Of(QWidget* window)
{
    QWidget* root = window;
    while (root->parentWidget())
        root = root->parentWidget();
    if (auto* kept = root->findChild<KeptInputs*>(QStringLiteral("keptInputs"), Qt::FindDirectChildrenOnly))
        return *kept;
    return *new KeptInputs(root);
}

CalculationWindow::CalculationWindow(QWidget* owner, const design::Window& design, const Form* opener)
    : ModalWindow(owner, design), calculation_(*core::CalculationOf(design.name))
{
    const core::Reopening reopening =
        core::Reopened(design, KeptInputs::Of(this).byWindow[std::string(design.name)], opener ? opener->Read() : core::Texts());
    form().Fill(reopening.texts);
    for (const std::string& name : reopening.selected)
        if (auto* box = qobject_cast<QPlainTextEdit*>(form().Find(name)))
            box->selectAll();

    const auto wire = [this](std::string_view name, void (CalculationWindow::*handler)()) {
        if (auto* button = qobject_cast<QPushButton*>(form().Find(name)))
            connect(button, &QPushButton::clicked, this, handler);
    };
    wire(calculation_.command, &CalculationWindow::cmdGo_Click);
    wire("cmdCopy", &CalculationWindow::cmdCopy_Click);
    wire("cmdSave", &CalculationWindow::cmdSave_Click);
    wire("cmdClose", &CalculationWindow::cmdClose_Click);
    ConnectOpenings(this, form());

    core::Shown opening;
    opening.texts = drawings_ = calculation_.opening();
    form().Show(opening);

    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &CalculationWindow::Slice);
    if (form().Design().keeps)
        BuildWorkingStrip();
}

// The strip over the window's foot, built hidden. Its row is laid out by a
// layout, unlike the designed controls, as it stands outside the design.
void CalculationWindow::BuildWorkingStrip()
{
    working_ = new QWidget(this);
    working_->setObjectName(QStringLiteral("working"));
    working_->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(working_);
    row->setContentsMargins(8, 6, 8, 6);
    row->addWidget(new QLabel(Text(design::kWorking), working_));
    progress_ = new QProgressBar(working_);
    progress_->setObjectName(QStringLiteral("prgWorking"));
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setAccessibleName(QStringLiteral("Share done"));
    row->addWidget(progress_, 1);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), working_);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CalculationWindow::Drop);
    row->addWidget(cancel);
    const int height = working_->sizeHint().height();
    working_->setGeometry(0, this->height() - height, width(), height);
    working_->hide();
}

void CalculationWindow::done(int result)
{
    Drop();
    Keep();
    ModalWindow::done(result);
}

// What the window holds is kept, and written to the session, at each Go and Close.
void CalculationWindow::Keep()
{
    if (!form().Design().keeps)
        return;
    KeptInputs::Of(this).byWindow[std::string(form().Design().name)] = core::Kept(form().Design(), form().Read());
    SaveSession(this);
}

// A run replaces the one under way; a quick one is done before Go returns.
void CalculationWindow::cmdGo_Click()
{
    Keep();
    run_ = core::Start(calculation_, form().Read(), DecimalSeparator());
    began_.start();
    slices_.start();
    Slice();
}

void CalculationWindow::Drop()
{
    slices_.stop();
    run_.reset();
    if (working_ && working_->isVisible()) {
        working_->hide();
        unsetCursor();
    }
}

// One slice of the run under way; the last shows what it gives.
void CalculationWindow::Slice()
{
    if (!run_)
        return;
    if (!run_->Step()) {
        if (working_ && working_->isHidden() && began_.elapsed() > design::kWorkingAfterMs) {
            working_->show();
            working_->raise();
            setCursor(Qt::BusyCursor);
        }
        if (working_)
            progress_->setValue(static_cast<int>(run_->Share() * 1000));
        return;
    }
    const std::unique_ptr<core::Run> run = std::move(run_);
    Drop();
    core::Shown shown = run->Result();
    if (shown.table)
        table_ = std::move(shown.table->tsv);
    for (const design::Control& c : form().Design().controls)
        if (c.kind == design::Drawing)
            if (const auto found = shown.texts.find(c.name); found != shown.texts.end())
                drawings_[found->first] = found->second;
    const std::optional<std::string> message = std::move(shown.message);
    form().Show(std::move(shown));
    if (message)
        ShowMessage(this, QString::fromStdString(*message));
}

// A refused command leaves no rows to copy, and the clipboard as it was.
void CalculationWindow::cmdCopy_Click()
{
    const design::Control* copy = Find(form().Design(), "cmdCopy");
    const design::Control* source = Find(form().Design(), copy->buddy);
    QString text;
    if (source->kind == design::Grid)
        text = QString::fromStdString(table_);
    else if (const auto* plain = qobject_cast<QPlainTextEdit*>(form().Find(source->name)))
        text = plain->toPlainText();
    else if (const auto* box = qobject_cast<QLineEdit*>(form().Find(source->name)))
        text = box->text();
    if (source->kind != design::Grid || !text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

// Saves the drawing as it stands, under the name its design proposes.
void CalculationWindow::cmdSave_Click()
{
    const design::Control* drawing = Find(form().Design(), Find(form().Design(), "cmdSave")->buddy);
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("SVG pictures (*.svg)"));
    dialog.setDefaultSuffix(QStringLiteral("svg"));
    dialog.selectFile(Text(drawing->text));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QSaveFile file(dialog.selectedFiles().front());
    const std::string& svg = drawings_[std::string(drawing->name)];
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.data(), static_cast<qint64>(svg.size())) < 0 ||
        !file.commit())
        ShowMessage(this, QStringLiteral("The picture could not be saved: ") + file.errorString());
}

void CalculationWindow::cmdClose_Click()
{
    close();
}

void ConnectOpenings(QWidget* window, const Form& form, std::initializer_list<std::string_view> ownHandlers)
{
    for (const design::Opening& opening : design::kOpenings) {
        if (opening.from != &form.Design() || !core::CalculationOf(opening.window->name) ||
            std::find(ownHandlers.begin(), ownHandlers.end(), opening.control) != ownHandlers.end())
            continue;
        const design::Window* target = opening.window;
        const auto open = [window, &form, target] {
            CalculationWindow opened(window, *target, &form);
            opened.exec();
        };
        if (auto* button = qobject_cast<QAbstractButton*>(form.Find(opening.control)))
            QObject::connect(button, &QAbstractButton::clicked, window, open);
        if (!opening.key.empty())
            QObject::connect(new QShortcut(QKeySequence(Text(opening.key)), window), &QShortcut::activated, window,
                             open);
    }
}

}  // namespace ui
