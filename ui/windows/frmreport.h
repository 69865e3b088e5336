#ifndef UI_WINDOWS_FRMREPORT_H
#define UI_WINDOWS_FRMREPORT_H

#include <QString>
#include <QTimer>

#include <memory>

#include "core/calculations/report.h"
#include "core/reading/casefile.h"
#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTextDocument;
QT_END_NAMESPACE

// The whole assessment as one document, computed as it opens from what every
// other window kept, under a header the user fills in: to print, to save as
// PDF or OpenDocument text, or to paste with its tables as tables.
class frmReport : public ui::ModalWindow {
    Q_OBJECT

public:
    explicit frmReport(QWidget* owner);

    void done(int result) override;

    // The report as it stands, typeset for paper or a file, its picture drawn
    // at print resolution.
    std::unique_ptr<QTextDocument> Typeset() const;

    // Writes it to `path`, as PDF or, for a name ending in .odt, OpenDocument
    // text; the error, or an empty text.
    QString Save(const QString& path) const;

private:
    core::Document Current() const;
    void Refresh();
    void cmdPrint_Click();
    void cmdSaveReport_Click();
    void cmdCopy_Click();
    void cmdClose_Click();
    void cmdNewCase_Click();
    void cmdOpenCase_Click();
    void cmdSaveCase_Click();
    // Every window's inputs replaced by `windows`: the report computed again, the header filled in.
    void Replace(core::CaseWindows windows);
    void Named(const QString& path);

    core::AssessmentReport report_;
    QTimer retypeset_;
    // the header, the document and the buttons
    QLineEdit* txtPerson = nullptr;
    QLineEdit* txtDate = nullptr;
    QLineEdit* txtExaminer = nullptr;
    QTextBrowser* docReport = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSaveReport = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdNewCase = nullptr;
    QPushButton* cmdOpenCase = nullptr;
    QPushButton* cmdSaveCase = nullptr;
};

#endif
