#include "ui/common/keypress.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "core/reading/filternumerickey.h"
#include "ui/common/locale.h"

namespace ui {

namespace {

bool IsEditingShortcut(const QKeyEvent* key)
{
    for (QKeySequence::StandardKey k : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                        QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll})
        if (key->matches(k))
            return true;
    return false;
}

// The code a character has in the single-byte character set: its own code
// within Latin-1, -1 outside it.
std::int16_t KeyAscii(char16_t c)
{
    return c <= 0xFF ? static_cast<std::int16_t>(c) : std::int16_t{-1};
}

bool ProducesNoCharacter(int key)
{
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

}  // namespace

KeyPressHook::KeyPressHook(QObject* parent) : QObject(parent) {}

void KeyPressHook::Attach(QLineEdit* box, Handler handler)
{
    box->installEventFilter(this);
    entries_.push_back({box, std::move(handler)});
}

bool KeyPressHook::eventFilter(QObject* watched, QEvent* event)
{
    if (composing_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::InputMethod))
        return false;
    for (const Entry& e : entries_) {
        if (e.box != watched)
            continue;
        if (event->type() == QEvent::KeyPress)
            return Filter(e, static_cast<const QKeyEvent*>(event));
        return Compose(e, static_cast<const QInputMethodEvent*>(event));
    }
    return false;
}

// Text that an input method commits (a dead key and its letter, a compose
// sequence, an on-screen keyboard) is typed text too: each character passes
// the handler against the box's text as it stands, as a key would. What the
// event replaces and the text still being composed reach the box as sent.
bool KeyPressHook::Compose(const Entry& e, const QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty())
        return false;
    const QScopedValueRollback<bool> inside(composing_, true);
    QInputMethodEvent before;
    before.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(e.box, &before);
    for (QChar c : commit) {
        std::int16_t code = KeyAscii(c.unicode());
        e.handler(code);
        if (code > 0 && code <= 0xFF)
            e.box->insert(QString(QChar(static_cast<char16_t>(code))));
    }
    if (!event->preeditString().isEmpty()) {
        QInputMethodEvent after(event->preeditString(), event->attributes());
        QCoreApplication::sendEvent(e.box, &after);
    }
    return true;
}

// True when the key is to be discarded, or when the handler answered other
// characters, which the box then takes in its place.
bool KeyPressHook::Filter(const Entry& e, const QKeyEvent* key)
{
    const Handler& handler = e.handler;
    if (IsEditingShortcut(key) || ProducesNoCharacter(key->key()))
        return false;
    if (key->key() == Qt::Key_Backspace) {
        std::int16_t code = core::keycode::kBackspace;
        handler(code);
        return code == 0;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    // A key that carries several characters passes whole or not at all.
    QString typed;
    for (QChar c : text) {
        const std::int16_t original = KeyAscii(c.unicode());
        std::int16_t code = original;
        handler(code);
        if (code == 0)
            return true;
        typed += code == original ? c : QChar(static_cast<char16_t>(static_cast<std::uint8_t>(code)));
    }
    if (typed == text)
        return false;
    e.box->insert(typed);
    return true;
}

void FilterNumericKeyOf(const QLineEdit* box, std::int16_t& keyAscii)
{
    keyAscii = core::FilterNumericKey(keyAscii, box->text().toStdString(), DecimalSeparatorCode());
}

void FilterSignedKeyOf(const QLineEdit* box, std::int16_t& keyAscii)
{
    const qsizetype start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const qsizetype end = box->hasSelectedText() ? box->selectionEnd() : start;
    keyAscii = core::FilterSignedKey(keyAscii, box->text().toStdString(), static_cast<std::size_t>(start),
                                     static_cast<std::size_t>(end), DecimalSeparatorCode());
}

}  // namespace ui
