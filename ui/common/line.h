#ifndef MERVANE_UI_COMMON_LINE_H
#define MERVANE_UI_COMMON_LINE_H

#include <QWidget>

namespace ui {

// A straight line in the window-text colour, filling its place: the design's
// end points and thickness give that place. It takes no input.
class Line : public QWidget {
    Q_OBJECT

public:
    explicit Line(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui

#endif
