#include "ui/common/messagebox.h"

#include <QMessageBox>

namespace ui {

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace ui
