#ifndef MERVANE_UI_WINDOWS_FRMCONVERT_H
#define MERVANE_UI_WINDOWS_FRMCONVERT_H

#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

// Converts between a two-sided confidence level and the number of SDs either
// side of the mean that encloses it.
class frmConvert : public ui::ModalWindow {
    Q_OBJECT

public:
    explicit frmConvert(QWidget* owner);

private:
    void Form_Load();
    void cmdDoIt_Click();
    void cmdClose_Click();

    QLineEdit* txtConf = nullptr;
    QLineEdit* txtSD = nullptr;
    QPushButton* cmdDoIt = nullptr;
    QPushButton* cmdClose = nullptr;
    QLineEdit* txtAnswer = nullptr;
};

#endif
