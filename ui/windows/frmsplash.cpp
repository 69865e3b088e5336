#include "ui/windows/frmsplash.h"

#include <QTimer>
#include <QWindow>

#include "core/design/frmsplash.h"
#include "ui/common/controls.h"
#include "ui/common/form.h"
#include "ui/common/messagebox.h"
#include "ui/common/runtimeerror.h"
#include "ui/common/units.h"
#include "ui/main/frmmain.h"

namespace {

constexpr int kObjectNotSet = 91;

}  // namespace

// The splash never takes the keyboard: the main window beneath it is the
// active one from the start, so the user can type at once.
frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    const core::design::Window& design = core::design::frmSplash;
    ui::ApplyDesign(this, design);
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its last window, the splash included; Qt leaves
    // splash windows out of that count unless told.
    setAttribute(Qt::WA_QuitOnClose);
    QPalette white = palette();
    white.setColor(QPalette::Window, ui::kWhite);
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(ui::Px(design.width), ui::Px(design.height));
    const ui::Form form(this, design);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the splash stays its full two seconds.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    ui::CentreOnScreen(this);
    Form_Load();
}

void frmSplash::Form_Load()
{
    show();
    SetTopMostWindow(this, true);
    main_ = new frmMain();
    main_->setAttribute(Qt::WA_DeleteOnClose);
    main_->show();
    // The main window, larger and with the same centre, was mapped last; a
    // desktop without a stacking policy of its own would leave it on top.
    raise();
    // The time counts from the end of loading, however long that took.
    Timer1->start(core::design::kSplashMs);
}

void frmSplash::Timer1_Timer()
{
    close();
}

std::int32_t frmSplash::SetTopMostWindow(QWidget* window, bool topmost)
{
    try {
        if (!window)
            throw ui::RuntimeError(kObjectNotSet, "Object variable or With block variable not set",
                                   ui::kApplicationTitle.toStdString());
        window->winId();  // makes sure the window exists on the window system
        QWindow* handle = window->windowHandle();
        Qt::WindowFlags flags = window->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
        // Changing the widget's own flags would hide it; the window system is told directly.
        window->overrideWindowFlags(flags);
        handle->setFlags(flags);
        if (!topmost)
            return 0;
        return handle->flags().testFlag(Qt::WindowStaysOnTopHint) ? 1 : 0;
    } catch (const ui::RuntimeError& e) {
        throw e.WithSource("+modAPIStuff/SetTopMostWindow");
    } catch (const std::exception& e) {
        const ui::ErrorReport report = ui::Describe(e);
        throw ui::RuntimeError(report.number, report.description,
                           ui::kApplicationTitle.toStdString() + "+modAPIStuff/SetTopMostWindow");
    }
}
