#ifndef MERVANE_UI_COMMON_MESSAGEBOX_H
#define MERVANE_UI_COMMON_MESSAGEBOX_H

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace ui {

// The application title: the main window's caption and every message box's.
inline const QString kApplicationTitle = QStringLiteral("Mervane");

// An input message: a modal box with the text, only an OK button, no icon and
// the application title as caption.
void ShowMessage(QWidget* parent, const QString& text);

}  // namespace ui

#endif
