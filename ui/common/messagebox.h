#ifndef MERVANE_UI_COMMON_MESSAGEBOX_H
#define MERVANE_UI_COMMON_MESSAGEBOX_H

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace ui {

// Every window's and every message box's caption.
inline const QString kApplicationTitle = QStringLiteral("Mervane");

// An input message: a modal box with the text, only an OK button, no icon and
// the application title as caption.
void ShowMessage(QWidget* parent, const QString& text);

}  // namespace ui

#endif
