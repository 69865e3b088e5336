#include "ui/common/messagebox.h"

#include <QMessageBox>

namespace ui {

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool Ask(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace ui
