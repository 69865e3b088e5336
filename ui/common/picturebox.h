#ifndef MERVANE_UI_COMMON_PICTUREBOX_H
#define MERVANE_UI_COMMON_PICTUREBOX_H

#include <QLabel>

namespace ui {

// A borderless picture that answers a mouse click, and offers assistive
// technology a press action that does the same.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

signals:
    // Named as Qt names its signals.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace ui

#endif
