#ifndef MERVANE_UI_COMMON_MODALWINDOW_H
#define MERVANE_UI_COMMON_MODALWINDOW_H

#include <QDialog>

#include "core/design/design.h"
#include "ui/common/form.h"

namespace ui {

// A secondary window shown modally over its owner, built from its design. It has
// no default or cancel button: Escape does nothing, Enter clicks only a
// focused button, and only the window's own commands and the close box close
// it. It opens centred on the screen, the focus on its first tab stop.
class ModalWindow : public QDialog {
    Q_OBJECT

public:
    ModalWindow(QWidget* owner, const core::design::Window& design);

protected:
    const Form& form() const { return form_; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Form form_;
};

}  // namespace ui

#endif
