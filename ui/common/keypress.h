#ifndef MERVANE_UI_COMMON_KEYPRESS_H
#define MERVANE_UI_COMMON_KEYPRESS_H

#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

QT_BEGIN_NAMESPACE
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
QT_END_NAMESPACE

namespace ui {

// Hands the character keys typed into chosen boxes to a handler that may
// replace the character's code; a code of 0 discards the key. The handler sees
// what a character event carries: keys that produce a character, and
// Backspace, and each character an input method commits. Keys that produce
// none (Delete, arrows, Home, End, Tab) and the clipboard and undo shortcuts
// pass untouched, so pasting still works.
class KeyPressHook : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(std::int16_t& keyAscii)>;

    explicit KeyPressHook(QObject* parent = nullptr);

    void Attach(QLineEdit* box, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QLineEdit* box;
        Handler handler;
    };

    bool Filter(const Entry& e, const QKeyEvent* key);
    bool Compose(const Entry& e, const QInputMethodEvent* event);

    std::vector<Entry> entries_;
    bool composing_ = false;  // while the hook itself hands the box the parts of a composed text
};

// What every number box's _KeyPress handler does: the keystroke rule applied
// to the key and the box's current text, under the locale's decimal separator.
void FilterNumericKeyOf(const QLineEdit* box, std::int16_t& keyAscii);
// The same for a box whose value may be negative: a minus may be typed first.
void FilterSignedKeyOf(const QLineEdit* box, std::int16_t& keyAscii);

}  // namespace ui

#endif
