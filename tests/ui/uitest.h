#ifndef MERVANE_TESTS_UI_UITEST_H
#define MERVANE_TESTS_UI_UITEST_H

// Helpers for driving the real windows from Qt Test.

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QStyle>
#include <QStyleOptionButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>

#include "core/design/design.h"
#include "ui/common/session.h"

namespace uitest {

// Each test starts without a session of an earlier one (the programs run in Qt's test mode, in a folder of their own).
inline void ForgetSession()
{
    QFile::remove(ui::SessionPath());
}

// The design names of a window's tab stops, in the order its table lists them.
inline QStringList TabStops(const core::design::Window& design)
{
    QStringList names;
    for (const core::design::Control& c : design.controls)
        if (c.tab == core::design::kTab)
            names << QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size()));
    return names;
}

// The controls Tab visits, from the one with the focus round to it again.
inline QStringList Tabbed()
{
    QWidget* first = QApplication::focusWidget();
    QStringList visited{first->objectName()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

// How many captions CheckCaptionsFit finds in a window built from this
// design: its labels, its caption boxes of one line, its buttons and check boxes.
inline int Captions(const core::design::Window& design)
{
    namespace d = core::design;
    int captions = 0;
    for (const d::Control& c : design.controls) {
        const bool captionBox = c.kind == d::TextBox && c.colour == d::Face && !c.Has(d::kBorder) &&
                                !c.Has(d::kMultiLine) && !c.text.empty();
        captions += c.kind == d::Label || c.kind == d::Button || c.kind == d::CheckBox || captionBox;
    }
    return captions;
}

// Runs `act` on the next modal window that opens above `below` (or above
// nothing), from inside that window's own event loop, as a person would act
// on a window that has just appeared.
// Each test ends its own waits: a wait left over from a failed test must not
// act on the next test's windows.
inline int& Generation()
{
    static int generation = 0;
    return generation;
}
inline void ForgetWaits() { ++Generation(); }

inline void OnNextModal(std::function<void(QWidget*)> act, QPointer<QWidget> below = nullptr,
                        int generation = Generation())
{
    QTimer::singleShot(0, [act = std::move(act), below, generation]() mutable {
        if (generation != Generation())
            return;
        QWidget* top = QApplication::activeModalWidget();
        if (!top || top == below) {
            OnNextModal(std::move(act), below, generation);
            return;
        }
        act(top);
    });
}

// What the next message box said; the box is then closed with its OK button.
struct Message {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool seen = false;
};

// `whileShown` runs while the box is up, before it is answered.
inline void ExpectMessage(Message& into, QPointer<QWidget> below = nullptr, std::function<void()> whileShown = {})
{
    OnNextModal(
        [&into, whileShown = std::move(whileShown)](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box)
                return;
            if (whileShown)
                whileShown();
            into = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(), true};
            box->button(QMessageBox::Ok)->click();
        },
        below);
}

// Clicks a button that may show a message box, answers the box, and returns its text.
inline QString ClickAnsweringMessages(QPushButton* button, QWidget* below = nullptr)
{
    Message message;
    ExpectMessage(message, below);
    QTest::mouseClick(button, Qt::LeftButton);
    ForgetWaits();
    return message.text;
}

// A window's own button; some names stand in two windows, so never search the whole application.
inline QPushButton* Button(QWidget* window, const char* name)
{
    auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
    if (!button)
        qFatal("no button named %s", name);
    return button;
}

inline QLineEdit* Box(QWidget* window, const char* name)
{
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!box)
        qFatal("no box named %s", name);
    return box;
}

// Types as a person does, every key through the window's keystroke handling.
inline void Type(QWidget* window, const char* box, const QString& keys)
{
    for (QChar c : keys) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(Box(window, box), c.toLatin1());
        } else {  // a key of a layout beyond ASCII
            QTest::sendKeyEvent(QTest::Press, Box(window, box), Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, Box(window, box), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Fails the test unless every caption of the window fits its control: labels,
// caption boxes and buttons. Returns how many it checked. (Printed text
// fits itself, tightening its spacing; the page's test checks that it shows whole.)
inline int CheckCaptionsFit(QWidget* window)
{
    int checked = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window))  // a long run's strip, hidden until then
            continue;
        const QFontMetrics fm(label->font());
        const QRect room = label->contentsRect();
        const QRect needed = fm.boundingRect(room, label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0)
                                                       | Qt::TextShowMnemonic, label->text());
        if (needed.width() > room.width() || needed.height() > room.height() + 1)
            QTest::qFail(qPrintable(label->objectName() + ": " + label->text()), __FILE__, __LINE__);
        ++checked;
    }
    for (QLineEdit* caption : window->findChildren<QLineEdit*>()) {
        if (caption->hasFrame() || caption->text().isEmpty())
            continue;
        const QFontMetrics fm(caption->font());
        const QMargins m = caption->textMargins();
        const int room = caption->width() - 4 - m.left() - m.right();  // Qt keeps 2 px either side for the caret
        if (fm.horizontalAdvance(caption->text()) > room)
            QTest::qFail(qPrintable(caption->objectName()), __FILE__, __LINE__);
        ++checked;
    }
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        const int indicator = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
        if (indicator + QFontMetrics(box->font()).horizontalAdvance(box->text().remove('&')) > box->width())
            QTest::qFail(qPrintable(box->objectName()), __FILE__, __LINE__);
        ++checked;
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(window))
            continue;
        const QFontMetrics fm(button->font());
        const int bevel = 6;
        const QString caption = QString(button->text()).remove('&');
        // A button that wraps its caption needs room for its widest word.
        int widest = 0;
        for (const QString& word : caption.split(' '))
            widest = std::max(widest, fm.horizontalAdvance(word));
        if ((button->inherits("ui::WrappingButton") ? widest : fm.horizontalAdvance(caption)) > button->width() - bevel)
            QTest::qFail(qPrintable(button->objectName()), __FILE__, __LINE__);
        ++checked;
    }
    return checked;
}

inline void ShowAndActivate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

}  // namespace uitest

#endif
