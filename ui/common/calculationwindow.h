#ifndef MERVANE_UI_COMMON_CALCULATIONWINDOW_H
#define MERVANE_UI_COMMON_CALCULATIONWINDOW_H

#include <QElapsedTimer>
#include <QTimer>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/calculation.h"
#include "ui/common/modalwindow.h"

class QProgressBar;

namespace ui {

// A secondary window whose command is a calculation of the core, wired from
// its design alone: its command shows what the calculation gives; Copy puts
// the text of its design's buddy on the clipboard (a grid's as tab-separated
// lines); Save writes its drawing to a file; Close closes it; and the
// controls that the design's openings name open further windows. A long
// command runs in slices from the event loop, so the window stays responsive:
// past a moment a strip at its foot shows the share done and a Cancel button,
// which drops the run, as closing the window does. Escape closes a window
// that keeps its inputs, as Close does.
class CalculationWindow : public ModalWindow {
    Q_OBJECT

public:
    // It opens with the inputs it kept when it last closed, if its design
    // keeps them, and what it carries from `opener`'s boxes.
    CalculationWindow(QWidget* owner, const core::design::Window& design, const Form* opener);

    void done(int result) override;

private:
    void BuildWorkingStrip();
    void Keep();
    void Slice();
    void Drop();
    void cmdGo_Click();
    void cmdCopy_Click();
    void cmdSave_Click();
    void cmdClose_Click();

    const core::Calculation& calculation_;
    std::unique_ptr<core::Run> run_;  // the command under way, if one is
    QTimer slices_;
    QElapsedTimer began_;
    QWidget* working_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::string table_;    // the grid's rows as last shown, for Copy
    core::Texts drawings_;  // each drawing's SVG as last shown, for Save
};

// What each window that keeps its inputs kept when it last closed, for as
// long as the window at the root of its openers, the main window, lives.
class KeptInputs : public QObject {
    Q_OBJECT

public:
    static KeptInputs& Of(QWidget* window);

    std::map<std::string, core::Texts, std::less<>> byWindow;
    // Set when a session that could not be read could not be moved aside either: it is never overwritten.
    bool sessionBlocked = false;

private:
    explicit KeptInputs(QObject* root);
};

// Connects the controls and keys of a window's design that open other
// windows, each opened modally over `window` with what it carries from
// `form`; but for the controls in `ownHandlers`, which the window wires to
// handlers of its own.
void ConnectOpenings(QWidget* window, const Form& form, std::initializer_list<std::string_view> ownHandlers = {});

}  // namespace ui

#endif
