#ifndef MERVANE_UI_COMMON_WRAPPINGBUTTON_H
#define MERVANE_UI_COMMON_WRAPPINGBUTTON_H

#include <QPushButton>

namespace ui {

// A push button whose caption wraps onto several lines to fit its width.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui

#endif
