#ifndef MERVANE_UI_MAIN_LOOK_H
#define MERVANE_UI_MAIN_LOOK_H

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

#include <string>

QT_BEGIN_NAMESPACE
class QApplication;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
QT_END_NAMESPACE

// What every window shares: the design units, fonts, colours and messages.
namespace look {

// Windows are designed in twips; 15 twips are one device-independent pixel,
// which Qt scales for high-density screens.
constexpr int Px(int twips) { return (twips + 7) / 15; }
constexpr QRect Twips(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
// Puts a control at its design place. The windows have no layouts: controls
// keep their places when a window is resized.
void Place(QWidget* control, int left, int top, int width, int height);

inline const QString kApplicationTitle = QStringLiteral("Mervane");
inline const QString kDesignFont = QStringLiteral("MS Sans Serif");
inline const QString kDesignSplashFont = QStringLiteral("Monotype Corsiva");

// Application name, organisation, version and fonts, for the program and its tests.
void SetUpApplication(QApplication& app);

// "MS Sans Serif" 8.25 pt, or its registered substitute.
QFont DefaultFont(bool bold = false);
// "Monotype Corsiva" bold italic at the given size, or its registered substitute.
QFont SplashFont(double pointSize);

// The program's icon, a calculator, at 16, 32 and 48 pixels.
QIcon CalculatorIcon();

inline const QColor kCompulsoryRed{255, 0, 0};
inline const QColor kOptionalBlue{0, 0, 255};
inline const QColor kWhite{255, 255, 255};

// A box styled as printed text on the window: button-face background, no
// border, skipped by Tab, still editable.
void StyleAsCaption(QLineEdit* box);
void StyleAsCaption(QPlainTextEdit* box);
// A grey box with a thin flat line instead of the sunken frame.
void StyleAsFlatBox(QWidget* box);
// A multi-line box of fixed text that reads like print on the window, in a
// thin flat frame: grey, skipped by Tab, editable unless made read-only.
QPlainTextEdit* MakePrintedText(QWidget* parent, const char* name, const char* crlfText,
                                const QString& accessibleName);
// A push button named as in the design. A focused button answers Enter, but
// no button is a window's default.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, bool bold = false);
// Lets a box take text of any length: a paste is never cut short, which
// could change the number it holds.
void TakeAnyLength(QLineEdit* box);
// Sets a box's background and text colours.
void Colour(QWidget* box, const QColor& base, const QColor& text);

// Multi-line texts are kept with the CR LF line ends they were written with;
// the text widgets take plain line feeds.
QString WithLineFeeds(const char* crlfText);

// The locale's decimal separator, as the computations take it.
std::string DecimalSeparator();

// An input message: a modal box with the text, only an OK button, no icon and
// the application title as caption.
void ShowMessage(QWidget* parent, const QString& text);

// Centres a top-level window on the screen it will appear on.
void CentreOnScreen(QWidget* window);

}  // namespace look

#endif
