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

// MS Sans Serif is normally a bitmap font: drawn only at the sizes it was cut
// for, it comes out tiny and scattered on a high-density screen. It is used
// only where a scalable one is installed; otherwise Microsoft Sans Serif, its
// scalable twin, or Liberation Sans, the plain sans of Debian's fonts, set 4%
// tighter so that the captions fit the controls they were designed for.
// URW's Z003 is a calligraphic chancery hand like Monotype Corsiva.
const QStringList kSansSubstitutes{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
const QStringList kSplashSubstitutes{QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                                     QStringLiteral("TeX Gyre Chorus")};
const QStringList kSameMetrics{kDesignFont, kSansSubstitutes.front()};
constexpr double kSubstituteSpacingPercent = 96;

// The families the windows use, settled once at start-up.
struct Families {
    QString sans = kSansSubstitutes.front();
    QString splash = kDesignSplashFont;
};
Families families;

QString FirstInstalled(const QStringList& installed, const QStringList& candidates)
{
    for (const QString& s : candidates)
        if (installed.contains(s))
            return s;
    return candidates.front();
}

// Settles the families by name against the installed list. Asking the font
// database about a family it lacks makes fontconfig resolve aliases, which
// costs more than the rest of start-up together.
void SettleFamilies()
{
    const QStringList installed = QFontDatabase::families();
    const bool designScales = installed.contains(kDesignFont) && QFontDatabase::isSmoothlyScalable(kDesignFont);
    families.sans = FirstInstalled(installed, (designScales ? QStringList{kDesignFont} : QStringList{}) + kSansSubstitutes);
    families.splash = FirstInstalled(installed, QStringList{kDesignSplashFont} + kSplashSubstitutes);
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
    SettleFamilies();
    app.setFont(DefaultFont());
}

QFont DefaultFont(bool bold)
{
    QFont font(families.sans);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    if (!kSameMetrics.contains(families.sans))
        font.setLetterSpacing(QFont::PercentageSpacing, kSubstituteSpacingPercent);
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
