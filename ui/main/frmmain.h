#ifndef MERVANE_UI_MAIN_FRMMAIN_H
#define MERVANE_UI_MAIN_FRMMAIN_H

#include <QWidget>

#include <array>

#include "core/calculations/scoreanalysis.h"
#include "ui/common/form.h"

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace ui {
class PictureBox;
}  // namespace ui

// The calculator's working window: a measure's mean and SD, optionally a raw
// score, a number of SDs and a percentile in; fourteen results out. Its
// controls come from its design table, and so do the buttons and keys that
// open the calculation windows.
class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // Empties the five number boxes, the measure name and the fourteen results.
    void Form_Load();

private:
    void cmdGo_Click();
    void cmdClear_Click();
    void cmdExit_Click();
    void cmdAssumptions_Click();
    void cmdCredits_Click();
    void cmdReport_Click();
    void picConf_Click();

    ui::Form form_;
    // inputs, in the order of the analysis's list of them, and the measure name
    std::array<QLineEdit*, core::kInputBoxes.size()> inputs_{};
    QLineEdit* txtMeasure = nullptr;
    // results, in the order of the analysis's list of them
    std::array<QLineEdit*, core::kResultBoxes.size()> results_{};
    // buttons and the picture
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdAssumptions = nullptr;
    QPushButton* cmdCredits = nullptr;
    QPushButton* cmdReport = nullptr;
    ui::PictureBox* picConf = nullptr;
};

#endif
