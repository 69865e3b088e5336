#ifndef MERVANE_UI_WINDOWS_FRMCONVERT_H
#define MERVANE_UI_WINDOWS_FRMCONVERT_H

#include <cstdint>

#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

class KeyPressHook;

// Converts between a two-sided confidence level and the number of SDs either
// side of the mean that encloses it.
class frmConvert : public ModalWindow {
    Q_OBJECT

public:
    explicit frmConvert(QWidget* owner);

private:
    void Form_Load();
    void cmdDoIt_Click();
    void cmdClose_Click();
    void txtConf_KeyPress(std::int16_t& keyAscii);
    void txtSD_KeyPress(std::int16_t& keyAscii);

    QLabel* Label1 = nullptr;
    QLineEdit* txtConf = nullptr;
    QLineEdit* txtSD = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdDoIt = nullptr;
    QPushButton* cmdClose = nullptr;
    QPlainTextEdit* txtDirections = nullptr;
    QLineEdit* txtAnswer = nullptr;

    KeyPressHook* keyPress = nullptr;
};

#endif
