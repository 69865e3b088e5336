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

// A question with Yes and No, No the default, as the message box asks it: whether the answer was Yes.
bool Ask(QWidget* parent, const QString& question);

}  // namespace ui

#endif
