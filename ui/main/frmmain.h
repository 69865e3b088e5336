#ifndef MERVANE_UI_MAIN_FRMMAIN_H
#define MERVANE_UI_MAIN_FRMMAIN_H

#include <QWidget>

#include <array>
#include <cstdint>
#include <string_view>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

class KeyPressHook;
class Line;
class PictureBox;
class StatusBar;

// The calculator's working window: a measure's mean and SD, optionally a raw
// score, a number of SDs and a percentile in; fourteen results out.
class frmMain : public QWidget {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // Empties the five number boxes, the measure name and the fourteen results.
    void Form_Load();

private:
    // The indexed caption group, named lbl1SD_0 to lbl1SD_7.
    static QString Lbl1SdName(int index);

    // The box of that name among this window's own controls.
    QLineEdit* OwnBox(std::string_view name) const;

    void CreateControls();
    void PlaceControls();
    void StyleControls();
    void SetTabOrder();
    void Connect();

    void cmdGo_Click();
    void cmdClear_Click();
    void cmdExit_Click();
    void cmdAssumptions_Click();
    void cmdCredits_Click();
    void picConf_Click();
    void txtScore_KeyPress(std::int16_t& keyAscii);
    void txtMean_KeyPress(std::int16_t& keyAscii);
    void txtSD_KeyPress(std::int16_t& keyAscii);
    void txtUserStipulatedSD_KeyPress(std::int16_t& keyAscii);
    void txtUserStipulatedPercentile_KeyPress(std::int16_t& keyAscii);

    // inputs
    QLineEdit* txtScore = nullptr;
    QLineEdit* txtMean = nullptr;
    QLineEdit* txtSD = nullptr;
    QLineEdit* txtUserStipulatedSD = nullptr;
    QLineEdit* txtUserStipulatedPercentile = nullptr;
    QLineEdit* txtMeasure = nullptr;
    // results
    QLineEdit* txtZScore = nullptr;
    QLineEdit* txtPercentile = nullptr;
    QLineEdit* txtConf = nullptr;
    QLineEdit* txtSD1 = nullptr;
    QLineEdit* txtSD196 = nullptr;
    QLineEdit* txtSD258 = nullptr;
    QLineEdit* txt25Percent = nullptr;
    QLineEdit* txt75Percent = nullptr;
    QLineEdit* txt95Percent = nullptr;
    QLineEdit* txt99Percent = nullptr;
    QLineEdit* txtSDUser = nullptr;
    QLineEdit* txtUserSDAnswer = nullptr;
    QLineEdit* txtPercentileUser = nullptr;
    QLineEdit* txtUserPercentileAnswer = nullptr;
    // caption boxes
    QPlainTextEdit* txtInstructions = nullptr;
    QLineEdit* txtScoreName = nullptr;
    QLineEdit* txtMeasureName = nullptr;
    QLineEdit* txtSoreName = nullptr;
    QLineEdit* txtMeasureSDName = nullptr;
    QLineEdit* txtZScoreName = nullptr;
    QLineEdit* txtPercName = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text3 = nullptr;
    // labels
    std::array<QLabel*, 8> lbl1SD{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblConf = nullptr;
    // buttons
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdAssumptions = nullptr;
    QPushButton* cmdCredits = nullptr;
    // picture, lines, status bar
    PictureBox* picConf = nullptr;
    Line* lnVertical = nullptr;
    Line* lnHorizontal = nullptr;
    StatusBar* statusBar = nullptr;

    KeyPressHook* keyPress = nullptr;
};

#endif
