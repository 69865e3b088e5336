#include "ui/windows/frminterpret.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgWidget>

#include "core/curve.h"
#include "core/design/frminterpret.h"
#include "ui/common/controls.h"
#include "ui/common/keypress.h"
#include "ui/common/locale.h"
#include "ui/common/messagebox.h"
#include "ui/windows/frmbatch.h"

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmInterpret::frmInterpret(QWidget* owner, const core::InterpretInputs& opening)
    : ModalWindow(owner, core::design::frmInterpret)
{
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        inputs_[i] = form().Get<QLineEdit>(core::kInterpretInputs[i].name);
    for (std::size_t i = 0; i < results_.size(); ++i)
        results_[i] = form().Get<QLineEdit>(core::kInterpretResults[i].name);
    txtMeasure     = form().Get<QLineEdit>("txtMeasure");
    txtMean        = form().Get<QLineEdit>("txtMean");
    txtSD          = form().Get<QLineEdit>("txtSD");
    txtScore       = form().Get<QLineEdit>("txtScore");
    txtReliability = form().Get<QLineEdit>("txtReliability");
    txtLevel       = form().Get<QLineEdit>("txtLevel");
    txtRetest      = form().Get<QLineEdit>("txtRetest");
    txtPractice    = form().Get<QLineEdit>("txtPractice");
    txtReport = form().Get<QPlainTextEdit>("txtReport");
    picCurve  = form().Get<QSvgWidget>("picCurve");
    cmdGo     = form().Get<QPushButton>("cmdGo");
    cmdCopy   = form().Get<QPushButton>("cmdCopy");
    cmdClose  = form().Get<QPushButton>("cmdClose");
    cmdBatch  = form().Get<QPushButton>("cmdBatch");

    connect(cmdGo, &QPushButton::clicked, this, &frmInterpret::cmdGo_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmInterpret::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmInterpret::cmdClose_Click);
    connect(cmdBatch, &QPushButton::clicked, this, &frmInterpret::cmdBatch_Click);
    keyPress = new ui::KeyPressHook(this);
    keyPress->Attach(txtMean, [this](std::int16_t& k) { txtMean_KeyPress(k); });
    keyPress->Attach(txtSD, [this](std::int16_t& k) { txtSD_KeyPress(k); });
    keyPress->Attach(txtScore, [this](std::int16_t& k) { txtScore_KeyPress(k); });
    keyPress->Attach(txtReliability, [this](std::int16_t& k) { txtReliability_KeyPress(k); });
    keyPress->Attach(txtLevel, [this](std::int16_t& k) { txtLevel_KeyPress(k); });
    keyPress->Attach(txtRetest, [this](std::int16_t& k) { txtRetest_KeyPress(k); });
    keyPress->Attach(txtPractice, [this](std::int16_t& k) { txtPractice_KeyPress(k); });

    Form_Load(opening);
}

void frmInterpret::Form_Load(const core::InterpretInputs& opening)
{
    core::InterpretInputs start;
    start.txtMeasure = opening.txtMeasure;
    start.txtMean = opening.txtMean;
    start.txtSD = opening.txtSD;
    start.txtScore = opening.txtScore;
    start.txtLevel = "95";
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        inputs_[i]->setText(Text(start.*core::kInterpretInputs[i].text));
    for (QLineEdit* box : results_)
        box->clear();
    txtReport->clear();
    ShowCurve(core::CurveSvg({}), QString());
}

void frmInterpret::cmdGo_Click()
{
    core::InterpretInputs in;
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        in.*core::kInterpretInputs[i].text = inputs_[i]->text().toStdString();
    const core::InterpretResults r = core::InterpretScore(in, ui::DecimalSeparator());
    for (std::size_t i = 0; i < results_.size(); ++i)
        ui::ShowText(results_[i], Text(r.*core::kInterpretResults[i].text));
    txtReport->setPlainText(Text(r.txtReport));
    ShowCurve(r.picCurve, Text(r.txtReport));
    if (r.message)
        ui::ShowMessage(this, Text(*r.message));
}

void frmInterpret::ShowCurve(const std::string& svg, const QString& description)
{
    picCurve->load(QByteArray::fromStdString(svg));
    picCurve->setAccessibleDescription(description);
}

void frmInterpret::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(txtReport->toPlainText());
}

void frmInterpret::cmdClose_Click()
{
    close();
}

void frmInterpret::cmdBatch_Click()
{
    const auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    frmBatch window(this, {text(txtMeasure), text(txtMean), text(txtSD), text(txtReliability), text(txtLevel), ""});
    window.exec();
}

void frmInterpret::txtMean_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtMean, keyAscii);
}

void frmInterpret::txtSD_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtSD, keyAscii);
}

void frmInterpret::txtScore_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtScore, keyAscii);
}

void frmInterpret::txtReliability_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtReliability, keyAscii);
}

void frmInterpret::txtLevel_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtLevel, keyAscii);
}

void frmInterpret::txtRetest_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtRetest, keyAscii);
}

void frmInterpret::txtPractice_KeyPress(std::int16_t& keyAscii)
{
    ui::FilterNumericKeyOf(txtPractice, keyAscii);
}
