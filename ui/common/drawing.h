#ifndef MERVANE_UI_COMMON_DRAWING_H
#define MERVANE_UI_COMMON_DRAWING_H

#include <QByteArray>
#include <QScrollArea>

QT_BEGIN_NAMESPACE
class QSvgWidget;
QT_END_NAMESPACE

namespace ui {

// A picture the program draws, as SVG, shown as wide as its place and as tall
// as the picture's proportions make it: one taller than its place scrolls.
class Drawing : public QScrollArea {
    Q_OBJECT

public:
    explicit Drawing(QWidget* parent, const QString& name);

    void Load(const QByteArray& svg);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    QSvgWidget* picture_;
};

}  // namespace ui

#endif
