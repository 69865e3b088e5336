#ifndef MERVANE_UI_COMMON_FONTS_H
#define MERVANE_UI_COMMON_FONTS_H

#include <QFont>
#include <QString>

QT_BEGIN_NAMESPACE
class QApplication;
QT_END_NAMESPACE

namespace ui {

inline const QString kDesignFont = QStringLiteral("MS Sans Serif");
inline const QString kDesignSplashFont = QStringLiteral("Monotype Corsiva");

// Registers the substitutes of the design's fonts, settles which installed
// families stand in for them, and makes the default font the program's.
void SetUpFonts(QApplication& app);

// "MS Sans Serif" 8.25 pt, or its substitute.
QFont DefaultFont(bool bold = false);
// "Monotype Corsiva" bold italic at the given size, or its substitute.
QFont SplashFont(double pointSize);

}  // namespace ui

#endif
