#ifndef MERVANE_UI_COMMON_FORM_H
#define MERVANE_UI_COMMON_FORM_H

#include <QHash>
#include <QString>
#include <QWidget>

#include <string_view>

#include "core/calculation.h"
#include "core/design/design.h"

namespace ui {

// A window's controls, built from its design table through the shared
// factories, placed, chained in the design's tab order, their number boxes
// under the keystroke rule. A window takes typed pointers to the controls it
// uses once, with Get.
class Form {
public:
    Form(QWidget* window, const core::design::Window& design);

    // The control of that design name, which must exist and be a T.
    template <typename T>
    T* Get(std::string_view name) const
    {
        T* control = qobject_cast<T*>(Find(name));
        if (!control)
            Missing(name);
        return control;
    }

    // The control of that design name, or nullptr.
    QWidget* Find(std::string_view name) const;

    // The first control in the tab order, which has the focus when the window opens.
    QWidget* FirstTabStop() const { return firstTabStop_; }

    const core::design::Window& Design() const { return design_; }

    // Every box and check box by its design name, as it stands.
    core::Texts Read() const;
    // Writes what a command shows into its boxes, drawings and grid, which
    // takes the rows; a drawing is described by the text of its buddy, as it
    // then stands.
    void Show(core::Shown shown) const;
    // Puts texts into boxes as if typed, and ticks the check boxes whose text is not empty.
    void Fill(const core::Texts& texts) const;

private:
    [[noreturn]] static void Missing(std::string_view name);

    const core::design::Window& design_;
    QHash<QString, QWidget*> controls_;
    QWidget* firstTabStop_ = nullptr;
};

// The window's own name, caption and icon from its design.
void ApplyDesign(QWidget* window, const core::design::Window& design);

}  // namespace ui

#endif
