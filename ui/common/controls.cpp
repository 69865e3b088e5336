#include "ui/common/controls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <QtMath>

#include <limits>

#include "ui/common/fonts.h"
#include "ui/common/wrappingbutton.h"

namespace ui {
namespace {

// Printed text keeps its design box, which has no scroll bars. A substitute
// font that runs wider than the design's would push the last words out of
// sight, so the text is set a little tighter, never below kTightestPercent
// of the font's own spacing, until all of it shows.
class TextFitter : public QObject {
public:
    explicit TextFitter(QPlainTextEdit* box) : QObject(box), box_(box), spacing_(box->font().letterSpacing())
    {
        if (box->font().letterSpacingType() != QFont::PercentageSpacing || spacing_ == 0)
            spacing_ = 100;
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            Fit();
        return false;
    }

private:
    static constexpr double kTightestPercent = 88;
    static constexpr double kStepPercent = 1;

    bool Fits(const QFont& font) const
    {
        const int margin = qCeil(box_->document()->documentMargin());
        const QRect room = box_->viewport()->rect().adjusted(margin, margin, -margin, -margin);
        const QRect needed = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, box_->toPlainText().trimmed());
        return needed.height() <= room.height() && needed.width() <= room.width();
    }

    void Fit()
    {
        QFont font = box_->font();
        for (double percent = spacing_; percent >= spacing_ * kTightestPercent / 100; percent -= kStepPercent) {
            font.setLetterSpacing(QFont::PercentageSpacing, percent);
            if (Fits(font))
                break;
        }
        if (font != box_->font())
            box_->setFont(font);
    }

    QPlainTextEdit* box_;
    double spacing_;
};

// Return and Enter (on the keypad too) click the button they reach, as a
// focused button answers them, without making any button a default.
class EnterClicks : public QObject {
public:
    explicit EnterClicks(QPushButton* button) : QObject(button), button_(button) { button->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        button_->click();
        return true;
    }

private:
    QPushButton* button_;
};

}  // namespace

QIcon CalculatorIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/calculator-%1.png").arg(size), QSize(size, size));
    return icon;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    return box;
}

QLineEdit* MakeCaption(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment)
{
    QLineEdit* box = MakeBox(parent, name, text);
    box->setText(text);
    box->setAlignment(alignment | Qt::AlignVCenter);
    StyleAsCaption(box);
    return box;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, Qt::Alignment alignment,
                  const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(font);
    return label;
}

QPlainTextEdit* MakePrintedText(QWidget* parent, const char* name, const char* crlfText,
                                const QString& accessibleName)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    StyleAsCaption(box);
    StyleAsFlatBox(box);
    // The inner margin of an ordinary text box, so the text never touches the line.
    box->setStyleSheet(box->styleSheet() + QStringLiteral(" padding: 1px 2px;"));
    box->setPlainText(WithLineFeeds(crlfText));
    new TextFitter(box);
    box->setAccessibleName(accessibleName);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, bool bold, bool wraps)
{
    QPushButton* button = wraps ? new WrappingButton(caption, parent) : new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // An auto-default button would become a dialog's default when focused;
    // the button answers Return and Enter itself.
    button->setAutoDefault(false);
    new EnterClicks(button);
    if (bold)
        button->setFont(DefaultFont(true));
    return button;
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
    StyleAsFixedText(box);
    box->document()->setDocumentMargin(0);
    Colour(box, box->palette().color(QPalette::Button), box->palette().color(QPalette::WindowText));
}

void StyleAsFixedText(QPlainTextEdit* box)
{
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void StyleAsFlatBox(QWidget* box)
{
    box->setFocusPolicy(Qt::ClickFocus);
    box->setStyleSheet(QStringLiteral("border: 1px solid palette(window-text); background: palette(button);"
                                      " color: palette(window-text); padding: 0px;"));
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

void ShowText(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

QString WithLineFeeds(const char* crlfText)
{
    return QString::fromUtf8(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace ui
