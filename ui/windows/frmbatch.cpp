#include "ui/windows/frmbatch.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "core/design/frmbatch.h"
#include "ui/common/keypress.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/common/tablemodel.h"
#include "ui/common/units.h"

frmBatch::frmBatch(QWidget* owner, const core::BatchInputs& opening) : ModalWindow(owner, core::design::frmBatch)
{
    txtMeasure     = form().Get<QLineEdit>("txtMeasure");
    txtMean        = form().Get<QLineEdit>("txtMean");
    txtSD          = form().Get<QLineEdit>("txtSD");
    txtReliability = form().Get<QLineEdit>("txtReliability");
    txtLevel       = form().Get<QLineEdit>("txtLevel");
    txtScores      = form().Get<QPlainTextEdit>("txtScores");
    grdScores      = form().Get<QTableView>("grdScores");
    cmdGo          = form().Get<QPushButton>("cmdGo");
    cmdCopy        = form().Get<QPushButton>("cmdCopy");
    cmdClose       = form().Get<QPushButton>("cmdClose");
    table_ = static_cast<ui::TableModel*>(grdScores->model());

    connect(cmdGo, &QPushButton::clicked, this, &frmBatch::cmdGo_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmBatch::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmBatch::cmdClose_Click);
    keyPress = new ui::KeyPressHook(this);
    keyPress->Attach(txtMean, [this](std::int16_t& k) { txtMean_KeyPress(k); });
    keyPress->Attach(txtSD, [this](std::int16_t& k) { txtSD_KeyPress(k); });
    keyPress->Attach(txtReliability, [this](std::int16_t& k) { txtReliability_KeyPress(k); });
    keyPress->Attach(txtLevel, [this](std::int16_t& k) { txtLevel_KeyPress(k); });

    txtMeasure->setText(QString::fromStdString(opening.txtMeasure));
    txtMean->setText(QString::fromStdString(opening.txtMean));
    txtSD->setText(QString::fromStdString(opening.txtSD));
    txtReliability->setText(QString::fromStdString(opening.txtReliability));
    txtLevel->setText(QString::fromStdString(opening.txtLevel));
}

void frmBatch::cmdGo_Click()
{
    const core::BatchInputs in{txtMeasure->text().toStdString(),     txtMean->text().toStdString(),
                               txtSD->text().toStdString(),          txtReliability->text().toStdString(),
                               txtLevel->text().toStdString(),       txtScores->toPlainText().toStdString()};
    shown_ = core::InterpretBatch(in, ui::DecimalSeparator());
    table_->SetTable(shown_.columns, shown_.rows);
    // Fixed widths: measuring ten thousand rows would cost more than computing them.
    for (std::size_t i = 0; i < shown_.columns.size(); ++i)
        grdScores->setColumnWidth(static_cast<int>(i), ui::Px(shown_.columns[i] == "Label" ? 1650 : 1050));
    if (shown_.message)
        ui::ShowMessage(this, QString::fromStdString(*shown_.message));
}

void frmBatch::cmdCopy_Click()
{
    if (!shown_.columns.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(shown_.Tsv()));
}

void frmBatch::cmdClose_Click()
{
    close();
}

void frmBatch::txtMean_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtMean, keyAscii);
}

void frmBatch::txtSD_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtSD, keyAscii);
}

void frmBatch::txtReliability_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtReliability, keyAscii);
}

void frmBatch::txtLevel_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtLevel, keyAscii);
}
