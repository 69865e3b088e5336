#ifndef MERVANE_UI_WINDOWS_FRMASSUMPTIONS_H
#define MERVANE_UI_WINDOWS_FRMASSUMPTIONS_H

#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

// States the statistical assumptions behind the main window's figures.
class frmAssumptions : public ui::ModalWindow {
    Q_OBJECT

public:
    explicit frmAssumptions(QWidget* owner);

private:
    void cmdExit_Click();

    QPushButton* cmdExit = nullptr;
};

#endif
