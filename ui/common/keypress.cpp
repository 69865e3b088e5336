#include "ui/common/keypress.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include "core/filternumerickey.h"

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
    // Typed text reaches the box only as key events, where the handler sees it.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
    entries_.push_back({box, std::move(handler)});
}

bool KeyPressHook::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    for (const Entry& e : entries_)
        if (e.box == watched)
            return Filter(e.handler, static_cast<const QKeyEvent*>(event));
    return false;
}

// True when the key is to be discarded.
bool KeyPressHook::Filter(const Handler& handler, const QKeyEvent* key)
{
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
    for (QChar c : text) {
        std::int16_t code = KeyAscii(c.unicode());
        handler(code);
        if (code == 0)
            return true;
    }
    return false;
}

void FilterNumericKeyOf(const QLineEdit* box, std::int16_t& keyAscii)
{
    keyAscii = core::FilterNumericKey(keyAscii, box->text().toStdString());
}

}  // namespace ui
