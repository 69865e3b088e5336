#ifndef MERVANE_UI_WINDOWS_FRMCREDITS_H
#define MERVANE_UI_WINDOWS_FRMCREDITS_H

#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

// The program's name, how to cite it, a dedication and the licence, with a
// way to the maker's web site.
class frmCredits : public ui::ModalWindow {
    Q_OBJECT

public:
    explicit frmCredits(QWidget* owner);

private:
    void cmdQuenloWebsite_Click();
    void cmdExit_Click();

    QPushButton* cmdQuenloWebsite = nullptr;
    QPushButton* cmdExit = nullptr;
};

#endif
