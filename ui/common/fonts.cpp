#include "ui/common/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace ui {
namespace {

// MS Sans Serif is normally a bitmap font: drawn only at the sizes it was cut
// for, it comes out tiny and scattered on a high-density screen. It is used
// only where a scalable one is installed; otherwise Microsoft Sans Serif, its
// scalable twin, or Liberation Sans, the plain sans of Debian's fonts, set 4%
// tighter so that the captions fit the controls they were designed for.
// URW's Z003 is a calligraphic chancery hand like Monotype Corsiva.
// The families the set-up script installs come from the build (fonts.list).
const QStringList kSansSubstitutes{QStringLiteral("Microsoft Sans Serif"), QStringLiteral(MERVANE_SANS_FAMILY),
                                   QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
const QStringList kSplashSubstitutes{QStringLiteral(MERVANE_SPLASH_FAMILY), QStringLiteral("URW Chancery L"),
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

void SetUpFonts(QApplication& app)
{
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

}  // namespace ui
