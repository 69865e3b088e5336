#ifndef MERVANE_UI_COMMON_STATUSBAR_H
#define MERVANE_UI_COMMON_STATUSBAR_H

#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>

QT_BEGIN_NAMESPACE
class QLabel;
class QTimer;
QT_END_NAMESPACE

namespace ui {

// A bar docked to its window's bottom edge with a text panel and date and time
// panels that keep themselves current, changing at each minute and at midnight
// without any help from the window.
class StatusBar : public QWidget {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    StatusBar(QWidget* window, const QString& text, Clock clock = &QDateTime::currentDateTime);

    // Replaces the clock, as a test does with a fake one; the panels follow at once.
    void SetClock(Clock clock);

    // Shows the clock's date and time and waits for the next minute.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Dock();

    std::array<QLabel*, 3> panels_{};
    QTimer* timer_ = nullptr;
    Clock clock_;
};

}  // namespace ui

#endif
