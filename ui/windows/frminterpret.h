#ifndef MERVANE_UI_WINDOWS_FRMINTERPRET_H
#define MERVANE_UI_WINDOWS_FRMINTERPRET_H

#include <array>
#include <cstdint>

#include "core/interpretation.h"
#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSvgWidget;
QT_END_NAMESPACE

namespace ui {
class KeyPressHook;
}

// Interprets a raw score for a report: the common scales and the descriptive
// label, the confidence intervals that the test's reliability gives, and
// reliable change at a retest, with a picture of the normal curve.
class frmInterpret : public ui::ModalWindow {
    Q_OBJECT

public:
    // Opens with the measure name, mean, SD and raw score of `opening`.
    frmInterpret(QWidget* owner, const core::InterpretInputs& opening);

private:
    void Form_Load(const core::InterpretInputs& opening);
    void cmdGo_Click();
    void cmdCopy_Click();
    void cmdClose_Click();
    void cmdBatch_Click();
    void txtMean_KeyPress(std::int16_t& keyAscii);
    void txtSD_KeyPress(std::int16_t& keyAscii);
    void txtScore_KeyPress(std::int16_t& keyAscii);
    void txtReliability_KeyPress(std::int16_t& keyAscii);
    void txtLevel_KeyPress(std::int16_t& keyAscii);
    void txtRetest_KeyPress(std::int16_t& keyAscii);
    void txtPractice_KeyPress(std::int16_t& keyAscii);
    void ShowCurve(const std::string& svg, const QString& description);

    // inputs, in the order of the interpretation's list of them, and by name
    std::array<QLineEdit*, core::kInterpretInputs.size()> inputs_{};
    QLineEdit* txtMeasure = nullptr;
    QLineEdit* txtMean = nullptr;
    QLineEdit* txtSD = nullptr;
    QLineEdit* txtScore = nullptr;
    QLineEdit* txtReliability = nullptr;
    QLineEdit* txtLevel = nullptr;
    QLineEdit* txtRetest = nullptr;
    QLineEdit* txtPractice = nullptr;
    // the result boxes of one line, in the order of its list, and the report
    std::array<QLineEdit*, core::kInterpretResults.size() - 1> results_{};
    QPlainTextEdit* txtReport = nullptr;
    QSvgWidget* picCurve = nullptr;
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdBatch = nullptr;

    ui::KeyPressHook* keyPress = nullptr;
};

#endif
