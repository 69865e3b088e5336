#include "ui/main/look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <limits>

namespace look {
namespace {

// Wine's fonts (Debian's fonts-wine) include a scalable MS Sans Serif with
// the original metrics, so the captions fit their controls as designed. It
// has no bold, and will not be emboldened; Tahoma, its successor, emboldened
// by the font engine, is the closest bold (Wine's own Tahoma Bold renders
// as regular at this size).
const QString kWineMsSansSerif = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
const QString kWineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
const QString kBoldFallback = QStringLiteral("Tahoma");

// Where the design fonts are missing: Liberation Sans has the plain, open
// shapes of MS Sans Serif, and URW's Z003 is a calligraphic chancery hand like
// Monotype Corsiva.
const QStringList kSansSubstitutes{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
const QStringList kSplashSubstitutes{QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                                     QStringLiteral("TeX Gyre Chorus")};

// The families the windows use, settled once at start-up.
struct Families {
    QString regular = kDesignFont;
    QString bold = kDesignFont;
    QString splash = kDesignSplashFont;
};
Families families;

QString FirstInstalled(const QStringList& installed, const QString& wanted, const QStringList& substitutes)
{
    if (installed.contains(wanted))
        return wanted;
    for (const QString& s : substitutes)
        if (installed.contains(s))
            return s;
    return wanted;
}

// Settles the families by name against the installed list. Asking the font
// database about a family it lacks makes fontconfig resolve aliases, which
// costs more than the rest of start-up together.
void LoadDesignFonts()
{
    QStringList installed = QFontDatabase::families();
    if (!installed.contains(kDesignFont) && QFontDatabase::addApplicationFont(kWineMsSansSerif) >= 0) {
        if (QFontDatabase::addApplicationFont(kWineTahoma) >= 0)
            families.bold = kBoldFallback;
        installed = QFontDatabase::families();
    }
    families.regular = FirstInstalled(installed, kDesignFont, kSansSubstitutes);
    if (families.bold == kDesignFont)
        families.bold = families.regular;
    families.splash = FirstInstalled(installed, kDesignSplashFont, kSplashSubstitutes);
}

void RegisterFontSubstitutes()
{
    QFont::insertSubstitutions(kDesignFont, kSansSubstitutes);
    QFont::insertSubstitutions(kDesignSplashFont, kSplashSubstitutes);
}

}  // namespace

void Place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(Twips(left, top, width, height));
}

void SetUpApplication(QApplication& app)
{
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setOrganizationName(QStringLiteral("Quenlo"));
    QApplication::setApplicationVersion(QStringLiteral(MERVANE_VERSION));
    RegisterFontSubstitutes();
    LoadDesignFonts();
    app.setFont(DefaultFont());
}

QFont DefaultFont(bool bold)
{
    QFont font(bold ? families.bold : families.regular);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QFont SplashFont(double pointSize)
{
    QFont font(families.splash);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QIcon CalculatorIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/calculator-%1.png").arg(size), QSize(size, size));
    return icon;
}

void TakeAnyLength(QLineEdit* box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
}

void Colour(QWidget* box, const QColor& base, const QColor& text)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::Text, text);
    box->setPalette(pal);
}

void StyleAsCaption(QLineEdit* box)
{
    box->setFrame(false);
    // Printed captions use the whole width, without the margin an entry box keeps for its caret.
    box->setTextMargins(-2, 0, -2, 0);
    box->setFocusPolicy(Qt::ClickFocus);
    Colour(box, box->palette().color(QPalette::Button), box->palette().color(QPalette::WindowText));
}

void StyleAsCaption(QPlainTextEdit* box)
{
    box->setFrameShape(QFrame::NoFrame);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->document()->setDocumentMargin(0);
    Colour(box, box->palette().color(QPalette::Button), box->palette().color(QPalette::WindowText));
}

void StyleAsFlatBox(QWidget* box)
{
    box->setFocusPolicy(Qt::ClickFocus);
    box->setStyleSheet(QStringLiteral("border: 1px solid palette(window-text); background: palette(button);"
                                      " color: palette(window-text); padding: 0px;"));
}

QPlainTextEdit* MakePrintedText(QWidget* parent, const char* name, const char* crlfText,
                                const QString& accessibleName)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    StyleAsCaption(box);
    StyleAsFlatBox(box);
    box->setPlainText(WithLineFeeds(crlfText));
    box->setAccessibleName(accessibleName);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, bool bold)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    if (bold)
        button->setFont(DefaultFont(true));
    return button;
}

QString WithLineFeeds(const char* crlfText)
{
    return QString::fromUtf8(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace look
