#ifndef MERVANE_UI_COMMON_CONTROLS_H
#define MERVANE_UI_COMMON_CONTROLS_H

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
QT_END_NAMESPACE

// The controls every window builds, each named as in the design.
namespace ui {

inline const QColor kCompulsoryRed{255, 0, 0};
inline const QColor kOptionalBlue{0, 0, 255};
inline const QColor kWhite{255, 255, 255};

// The program's icon, a calculator, at 16, 32 and 48 pixels.
QIcon CalculatorIcon();

// A text box that a screen reader announces by `accessibleName`.
QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& accessibleName);
// A box of printed text on the window (see StyleAsCaption), announced by its text.
QLineEdit* MakeCaption(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment);
// A label whose text stands at the top of its place.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, Qt::Alignment alignment,
                  const QFont& font);
// A multi-line box of fixed text that reads like print on the window, in a
// thin flat frame: grey, skipped by Tab, editable unless made read-only.
QPlainTextEdit* MakePrintedText(QWidget* parent, const char* name, const char* crlfText,
                                const QString& accessibleName);
// A push button, whose caption wraps onto several lines if `wraps`. No button
// is a window's default; Return or Enter on a focused button clicks it.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, bool bold, bool wraps);

// A box styled as printed text on the window: button-face background, no
// border, skipped by Tab, still editable.
void StyleAsCaption(QLineEdit* box);
void StyleAsCaption(QPlainTextEdit* box);
// A grey box with a thin flat line instead of the sunken frame.
void StyleAsFlatBox(QWidget* box);
// A multi-line box without scroll bars, which Tab leaves instead of typing a tab.
void StyleAsFixedText(QPlainTextEdit* box);

// Lets a box take text of any length: a paste is never cut short, which
// could change the number it holds.
void TakeAnyLength(QLineEdit* box);
// Sets a box's background and text colours.
void Colour(QWidget* box, const QColor& base, const QColor& text);
// Fills a box the program writes, showing the start of the text as a printed
// form would; a long text is cut at the right, not at the left.
void ShowText(QLineEdit* box, const QString& text);

// Multi-line texts are kept with the CR LF line ends they were written with;
// the text widgets take plain line feeds.
QString WithLineFeeds(const char* crlfText);

}  // namespace ui

#endif
