#include "ui/main/line.h"

#include <QPainter>

#include "ui/common/units.h"

Line::Line(QWidget* parent, QPoint fromTwips, QPoint toTwips, int thicknessPx) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint a(ui::Px(fromTwips.x()), ui::Px(fromTwips.y()));
    const QPoint b(ui::Px(toTwips.x()), ui::Px(toTwips.y()));
    // The design point lies on the middle of a thick line.
    const int before = (thicknessPx - 1) / 2;
    if (a.y() == b.y())
        setGeometry(std::min(a.x(), b.x()), a.y() - before, std::abs(a.x() - b.x()) + 1, thicknessPx);
    else
        setGeometry(a.x() - before, std::min(a.y(), b.y()), thicknessPx, std::abs(a.y() - b.y()) + 1);
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().color(QPalette::WindowText));
}
