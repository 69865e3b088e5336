#ifndef MERVANE_UI_WINDOWS_FRMCREDITS_H
#define MERVANE_UI_WINDOWS_FRMCREDITS_H

#include <QUrl>

#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

// The program's name, how to cite it, a dedication and the licence, with a
// way to the maker's web site.
class frmCredits : public ModalWindow {
    Q_OBJECT

public:
    explicit frmCredits(QWidget* owner);

    static const QUrl kMakerAddress;
    // One line ending in CR LF.
    static const char* const kCitation;
    // 24 lines, each ending in CR LF.
    static const char* const kLicence;

private:
    void cmdQuenloWebsite_Click();
    void cmdExit_Click();

    QLabel* Label4 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QPushButton* cmdQuenloWebsite = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblLicense = nullptr;
    QPlainTextEdit* Text1 = nullptr;
};

#endif
