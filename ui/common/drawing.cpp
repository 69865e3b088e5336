#include "ui/common/drawing.h"

#include <QScrollBar>
#include <QSvgRenderer>
#include <QSvgWidget>

namespace ui {

Drawing::Drawing(QWidget* parent, const QString& name) : QScrollArea(parent), picture_(new QSvgWidget)
{
    setObjectName(name);
    picture_->setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(picture_);
}

void Drawing::Load(const QByteArray& svg)
{
    picture_->load(svg);
    Fit();
}

void Drawing::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    Fit();
}

// As wide as the place, less a scroll bar where the picture is taller than it.
void Drawing::Fit()
{
    const QSize natural = picture_->renderer()->defaultSize();
    if (natural.isEmpty()) {
        picture_->resize(size());
        return;
    }
    const auto heightAt = [&natural](int across) { return natural.height() * across / natural.width(); };
    int across = width();
    if (heightAt(across) > height())
        across -= verticalScrollBar()->sizeHint().width();
    picture_->resize(across, heightAt(across));
}

}  // namespace ui
