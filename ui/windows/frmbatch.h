#ifndef MERVANE_UI_WINDOWS_FRMBATCH_H
#define MERVANE_UI_WINDOWS_FRMBATCH_H

#include <cstdint>

#include "core/batch.h"
#include "ui/common/modalwindow.h"

QT_BEGIN_NAMESPACE
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
QT_END_NAMESPACE

namespace ui {
class KeyPressHook;
class TableModel;
}

// Many scores at once: a pasted column in, a table of their interpretations
// out, which copies into a spreadsheet.
class frmBatch : public ui::ModalWindow {
    Q_OBJECT

public:
    // Opens with the measure name, mean, SD, reliability and level of `opening`.
    frmBatch(QWidget* owner, const core::BatchInputs& opening);

private:
    void cmdGo_Click();
    void cmdCopy_Click();
    void cmdClose_Click();
    void txtMean_KeyPress(std::int16_t& keyAscii);
    void txtSD_KeyPress(std::int16_t& keyAscii);
    void txtReliability_KeyPress(std::int16_t& keyAscii);
    void txtLevel_KeyPress(std::int16_t& keyAscii);

    QLineEdit* txtMeasure = nullptr;
    QLineEdit* txtMean = nullptr;
    QLineEdit* txtSD = nullptr;
    QLineEdit* txtReliability = nullptr;
    QLineEdit* txtLevel = nullptr;
    QPlainTextEdit* txtScores = nullptr;
    QTableView* grdScores = nullptr;
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;

    ui::TableModel* table_ = nullptr;
    core::BatchTable shown_;  // what the table shows, for Copy
    ui::KeyPressHook* keyPress = nullptr;
};

#endif
