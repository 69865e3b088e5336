#include "ui/common/calculationwindow.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>

#include <algorithm>

#include "core/design/windows.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"

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
}

void CalculationWindow::done(int result)
{
    if (form().Design().keeps)
        KeptInputs::Of(this).byWindow[std::string(form().Design().name)] = core::Kept(form().Design(), form().Read());
    ModalWindow::done(result);
}

void CalculationWindow::cmdGo_Click()
{
    // A long command runs to its end with the busy pointer: a fraction of a second here.
    const std::unique_ptr<core::Run> run = core::Start(calculation_, form().Read(), DecimalSeparator());
    if (!run->Step()) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        while (!run->Step()) {
        }
        QGuiApplication::restoreOverrideCursor();
    }
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
