#include "ui/common/statusbar.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include "ui/common/units.h"

namespace ui {

namespace {
constexpr int kHeightTwips = 285;
constexpr int kMinPanelTwips = 1440;
constexpr int kMsPerMinute = 60 * 1000;

// The locale's short time format without seconds, which some locales include
// (":ss" or ".ss" after the minutes).
QString HoursAndMinutes(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    for (qsizetype at = format.indexOf(u's'); at >= 0; at = format.indexOf(u's')) {
        qsizetype end = at;
        while (end < format.size() && format[end] == u's')
            ++end;
        if (at > 0 && (format[at - 1] == u':' || format[at - 1] == u'.'))
            --at;
        format.remove(at, end - at);
    }
    return format;
}
}  // namespace

StatusBar::StatusBar(QWidget* window, const QString& text, Clock clock)
    : QWidget(window), timer_(new QTimer(this)), clock_(std::move(clock))
{
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        QLabel*& p = panels_[i];
        p = new QLabel(this);
        p->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        p->setIndent(3);
    }
    panels_[0]->setText(text);
    panels_[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panels_[1]->setAlignment(Qt::AlignCenter);
    panels_[2]->setAlignment(Qt::AlignCenter);

    timer_->setObjectName(QStringLiteral("Clock"));
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &StatusBar::Refresh);

    window->installEventFilter(this);
    Dock();
    Refresh();
}

void StatusBar::SetClock(Clock clock)
{
    clock_ = std::move(clock);
    Refresh();
}

void StatusBar::Refresh()
{
    const QDateTime now = clock_();
    const QLocale locale;
    panels_[1]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    panels_[2]->setText(locale.toString(now.time(), HoursAndMinutes(locale)));
    const int intoMinute = now.time().second() * 1000 + now.time().msec();
    timer_->start(kMsPerMinute - intoMinute);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        Dock();
    return false;
}

void StatusBar::Dock()
{
    const QWidget* window = parentWidget();
    const int height = ui::Px(kHeightTwips);
    setGeometry(0, window->height() - height, window->width(), height);
}

void StatusBar::resizeEvent(QResizeEvent*)
{
    const int panelWidth = std::max(width() / 3, ui::Px(kMinPanelTwips));
    for (std::size_t i = 0; i < panels_.size(); ++i)
        panels_[i]->setGeometry(static_cast<int>(i) * panelWidth, 0, panelWidth, height());
}

}  // namespace ui
