#include "ui/windows/frmreport.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTimer>
#include <QUrl>

#include <string>

#include "core/design/frmreport.h"
#include "core/text/texts.h"
#include "ui/common/calculationwindow.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/common/session.h"

namespace {

namespace design = core::design;

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The URL each picture's image is registered under.
QString PictureName(int index) { return QStringLiteral("picture%1.png").arg(index); }

// A drawing of the core as an image, `scale` times its size: Qt's rich text
// shows no SVG, so the screen gets it at its own resolution and paper at print's.
QImage Rendered(const core::Block& picture, double scale)
{
    QSvgRenderer renderer(QByteArray::fromStdString(picture.svg));
    QImage image(QSize(qRound(picture.width * scale), qRound(picture.height * scale)), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The document as Qt's rich text takes it, each picture an image registered
// in `into` at `scale`, shown at the drawing's own size.
void Fill(QTextDocument& into, const core::Document& document, double scale)
{
    int index = 0;
    for (const core::Block& b : document)
        if (b.kind == core::Block::Kind::Picture)
            into.addResource(QTextDocument::ImageResource, QUrl(PictureName(index++)), Rendered(b, scale));
    into.setDefaultStyleSheet(QStringLiteral("th { background: #e8e8e8; } h2 { margin-top: 14px; }"));
    QString html = Text(core::DocumentHtml(document, [](const core::Block& picture, int i) {
        return "<p><img src=\"" + PictureName(i).toStdString() + "\" width=\"" +
               std::to_string(static_cast<int>(picture.width)) + "\" height=\"" +
               std::to_string(static_cast<int>(picture.height)) + "\" alt=\"\"></p>\n";
    }));
    // Qt's rich text rules a table only where the table asks for it.
    html.replace(QStringLiteral("<table>"), QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"));
    into.setHtml(html);
}

}  // namespace

frmReport::frmReport(QWidget* owner)
    : ModalWindow(owner, design::frmReport),
      report_(ui::KeptInputs::Of(this).byWindow, ui::DecimalSeparator())
{
    const ui::Form& f = form();
    txtPerson     = f.Get<QLineEdit>("txtPerson");
    txtDate       = f.Get<QLineEdit>("txtDate");
    txtExaminer   = f.Get<QLineEdit>("txtExaminer");
    docReport     = f.Get<QTextBrowser>("docReport");
    cmdPrint      = f.Get<QPushButton>("cmdPrint");
    cmdSaveReport = f.Get<QPushButton>("cmdSaveReport");
    cmdCopy       = f.Get<QPushButton>("cmdCopy");
    cmdClose      = f.Get<QPushButton>("cmdClose");
    cmdNewCase    = f.Get<QPushButton>("cmdNewCase");
    cmdOpenCase   = f.Get<QPushButton>("cmdOpenCase");
    cmdSaveCase   = f.Get<QPushButton>("cmdSaveCase");

    f.Fill(ui::KeptInputs::Of(this).byWindow[std::string(design::frmReport.name)]);
    // The view follows the header once typing pauses: typesetting it again at each key would lag behind the keys.
    retypeset_.setSingleShot(true);
    retypeset_.setInterval(250);
    connect(&retypeset_, &QTimer::timeout, this, &frmReport::Refresh);
    for (QLineEdit* box : {txtPerson, txtDate, txtExaminer})
        connect(box, &QLineEdit::textChanged, &retypeset_, qOverload<>(&QTimer::start));
    connect(cmdPrint, &QPushButton::clicked, this, &frmReport::cmdPrint_Click);
    connect(cmdSaveReport, &QPushButton::clicked, this, &frmReport::cmdSaveReport_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmReport::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmReport::cmdClose_Click);
    connect(cmdNewCase, &QPushButton::clicked, this, &frmReport::cmdNewCase_Click);
    connect(cmdOpenCase, &QPushButton::clicked, this, &frmReport::cmdOpenCase_Click);
    connect(cmdSaveCase, &QPushButton::clicked, this, &frmReport::cmdSaveCase_Click);
    Refresh();
}

void frmReport::done(int result)
{
    ui::KeptInputs::Of(this).byWindow[std::string(design::frmReport.name)] = core::Kept(design::frmReport, form().Read());
    ui::SaveSession(this);
    ModalWindow::done(result);
}

// The sections stand, computed once as the window opened; the header is as typed.
core::Document frmReport::Current() const
{
    return report_.WithHeader(form().Read());
}

// Shows the report from its top, where the header that changed stands.
void frmReport::Refresh()
{
    Fill(*docReport->document(), Current(), devicePixelRatioF());
    docReport->verticalScrollBar()->setValue(0);
}

std::unique_ptr<QTextDocument> frmReport::Typeset() const
{
    auto typeset = std::make_unique<QTextDocument>();
    // Paper is read at arm's length: 10 points, not the window's 8.
    QFont paper = font();
    paper.setPointSizeF(10);
    typeset->setDefaultFont(paper);
    Fill(*typeset, Current(), 4);
    return typeset;
}

// Written whole in memory first: the OpenDocument writer closes its device,
// which a QSaveFile refuses, and the file is replaced only once all is written.
QString frmReport::Save(const QString& path) const
{
    const std::unique_ptr<QTextDocument> typeset = Typeset();
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    if (path.endsWith(QStringLiteral(".odt"), Qt::CaseInsensitive)) {
        QTextDocumentWriter writer(&written, "odf");
        if (!writer.write(typeset.get()))
            return QStringLiteral("the OpenDocument text could not be written");
    } else {
        QPdfWriter writer(&written);
        writer.setTitle(windowTitle());
        writer.setCreator(ui::kApplicationTitle);
        writer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                                 : QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        typeset->print(&writer);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(written.data()) != written.data().size() || !file.commit())
        return file.errorString();
    return {};
}

void frmReport::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        Typeset()->print(&printer);
}

// The file's type is the one its name ends in, or else the one chosen in the dialog.
void frmReport::cmdSaveReport_Click()
{
    const QString pdf = QStringLiteral("PDF documents (*.pdf)");
    const QString odt = QStringLiteral("OpenDocument text (*.odt)");
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({pdf, odt});
    const std::string_view file = design::Find(design::frmReport, "docReport")->text;
    dialog.selectFile(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().front();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("pdf") && suffix != QStringLiteral("odt"))
        path += dialog.selectedNameFilter() == odt ? QStringLiteral(".odt") : QStringLiteral(".pdf");
    const QString error = Save(path);
    if (!error.isEmpty())
        ui::ShowMessage(this, QStringLiteral("The report could not be saved: ") + error);
}

// Both forms at once: a word processor takes the tables as tables, a plain text field the same words.
void frmReport::cmdCopy_Click()
{
    auto* data = new QMimeData;
    const core::Document document = Current();
    data->setHtml(Text(core::DocumentPage(document)));
    data->setText(Text(core::DocumentText(document)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void frmReport::cmdClose_Click()
{
    close();
}

void frmReport::Replace(core::CaseWindows windows)
{
    auto& kept = ui::KeptInputs::Of(this).byWindow;
    kept = std::move(windows);
    const core::Texts header = kept[std::string(design::frmReport.name)];
    report_ = core::AssessmentReport(kept, ui::DecimalSeparator());
    for (QLineEdit* box : {txtPerson, txtDate, txtExaminer})
        box->setText(Text(header.count(box->objectName().toStdString()) ? header.at(box->objectName().toStdString())
                                                                       : std::string()));
    retypeset_.stop();
    Refresh();
    ui::SaveSession(this);
}

// The title names the case file once it is saved or opened.
void frmReport::Named(const QString& path)
{
    setWindowTitle(Text(std::string(design::frmReport.caption)) + QStringLiteral(" - ") + QFileInfo(path).fileName());
}

void frmReport::cmdNewCase_Click()
{
    if (!ui::Ask(this, QString::fromUtf8(core::texts::kNewCaseQuestion)))
        return;
    Replace({});
    setWindowTitle(Text(std::string(design::frmReport.caption)));
}

// A file that is no case changes nothing, and says why.
void frmReport::cmdOpenCase_Click()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      QStringLiteral("Mervane cases (*.mervane);;All files (*)"));
    if (path.isEmpty())
        return;
    auto read = ui::ReadCaseFile(path);
    if (auto* message = std::get_if<std::string>(&read)) {
        ui::ShowMessage(this, Text(*message));
        return;
    }
    Replace(std::move(std::get<core::CaseWindows>(read)));
    Named(path);
}

void frmReport::cmdSaveCase_Click()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Mervane cases (*.mervane)"));
    dialog.setDefaultSuffix(QStringLiteral("mervane"));
    dialog.selectFile(QStringLiteral("case.mervane"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    auto& kept = ui::KeptInputs::Of(this).byWindow;
    kept[std::string(design::frmReport.name)] = core::Kept(design::frmReport, form().Read());
    const QString path = dialog.selectedFiles().front();
    if (const QString error = ui::WriteCaseFile(path, kept); !error.isEmpty()) {
        ui::ShowMessage(this, QStringLiteral("The case could not be saved: ") + error);
        return;
    }
    Named(path);
    ui::SaveSession(this);
}
