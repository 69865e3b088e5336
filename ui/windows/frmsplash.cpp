#include "ui/windows/frmsplash.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

#include "ui/main/frmmain.h"
#include "ui/common/controls.h"
#include "ui/common/fonts.h"
#include "ui/common/messagebox.h"
#include "ui/common/units.h"
#include "ui/common/runtimeerror.h"

namespace {

constexpr int kObjectNotSet = 91;

QLabel* MakeSplashLabel(QWidget* parent, const char* name, const QString& text, double pointSize, Qt::Alignment alignment)
{
    return ui::MakeLabel(parent, QString::fromLatin1(name), text, alignment, ui::SplashFont(pointSize));
}

// A label that sizes itself to its text, centred on its design place.
void FitCentred(QLabel* label)
{
    const QRect design = label->geometry();
    label->adjustSize();
    QRect fitted = label->geometry();
    fitted.moveCenter(QPoint(design.center().x(), fitted.center().y()));
    label->setGeometry(fitted);
}

}  // namespace

// The splash never takes the keyboard: the main window beneath it is the
// active one from the start, so the user can type at once.
frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its last window, the splash included; Qt leaves
    // splash windows out of that count unless told.
    setAttribute(Qt::WA_QuitOnClose);
    QPalette white = palette();
    white.setColor(QPalette::Window, ui::kWhite);
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(ui::Px(8040), ui::Px(3915));

    fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    picLogo = new QLabel(fraMainFrame);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picLogo->setLineWidth(2);
    // The sunken bevel's light edges would be white on the white splash: draw
    // them in the classic 3-D greys, which show on it.
    QPalette bevel = picLogo->palette();
    bevel.setColor(QPalette::Light, QColor(192, 192, 192));
    bevel.setColor(QPalette::Midlight, QColor(223, 223, 223));
    bevel.setColor(QPalette::Mid, QColor(160, 160, 160));
    bevel.setColor(QPalette::Dark, QColor(128, 128, 128));
    bevel.setColor(QPalette::Shadow, QColor(64, 64, 64));
    picLogo->setPalette(bevel);
    picLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picLogo->setPixmap(QPixmap(QStringLiteral(":/images/logo.jpg")));

    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter;
    Label2         = MakeSplashLabel(fraMainFrame, "Label2", tr("Software for the helping professions"), 14.25, left);
    Label1         = MakeSplashLabel(fraMainFrame, "Label1", QStringLiteral("Quenlo"), 24, centre);
    lblProductName = MakeSplashLabel(fraMainFrame, "lblProductName", ui::kApplicationTitle, 18, centre);
    Label3         = MakeSplashLabel(fraMainFrame, "Label3", tr("Score Norms Calculator"), 18, centre);
    lblCopyright   = MakeSplashLabel(fraMainFrame, "lblCopyright", tr("Copyright \u00A9 2026 T. M. Lorvi"), 14.25, left);
    lblCompanyName = MakeSplashLabel(fraMainFrame, "lblCompanyName", QStringLiteral("quenlo.example"), 14.25, left);

    ui::Place(fraMainFrame,    120,  120, 7740, 3615);
    ui::Place(picLogo,         945,  840, 2460, 2460);
    ui::Place(Label2,          240,  240, 5415,  375);
    ui::Place(Label1,         4680,  480, 1785,  615);
    ui::Place(lblProductName, 4230, 1155, 2985,  420);
    ui::Place(Label3,         3885, 1755, 3675,  450);
    ui::Place(lblCopyright,   4080, 2400, 3375,  495);
    ui::Place(lblCompanyName, 4200, 3000, 3135,  330);
    FitCentred(lblProductName);
    lblCompanyName->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the splash stays its full two seconds.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(2000);
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
    Timer1->start();
    // The two seconds count from the end of loading, however long that took.
    Timer1->setInterval(2000);
}

void frmSplash::Timer1_Timer()
{
    close();
}

std::int32_t frmSplash::SetTopMostWindow(QWidget* window, bool topmost)
{
    try {
        if (!window)
            throw RuntimeError(kObjectNotSet, "Object variable or With block variable not set",
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
    } catch (const RuntimeError& e) {
        throw e.WithSource("+modAPIStuff/SetTopMostWindow");
    } catch (const std::exception& e) {
        const ErrorReport report = Describe(e);
        throw RuntimeError(report.number, report.description,
                           ui::kApplicationTitle.toStdString() + "+modAPIStuff/SetTopMostWindow");
    }
}
