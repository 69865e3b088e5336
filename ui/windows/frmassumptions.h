#ifndef MERVANE_UI_WINDOWS_FRMASSUMPTIONS_H
#define MERVANE_UI_WINDOWS_FRMASSUMPTIONS_H

#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

// States the statistical assumptions behind the main window's figures.
class frmAssumptions : public ModalWindow {
    Q_OBJECT

public:
    explicit frmAssumptions(QWidget* owner);

    // Four lines, each ending in CR LF.
    static const char* const kAssumptions;

private:
    void cmdExit_Click();

    QPlainTextEdit* txtAssumptions = nullptr;
    QPushButton* cmdExit = nullptr;
};

#endif
