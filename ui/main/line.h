#ifndef MERVANE_UI_MAIN_LINE_H
#define MERVANE_UI_MAIN_LINE_H

#include <QWidget>

// A straight horizontal or vertical line in the window-text colour, placed
// between two design points given in twips. It takes no input.
class Line : public QWidget {
    Q_OBJECT

public:
    Line(QWidget* parent, QPoint fromTwips, QPoint toTwips, int thicknessPx);

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
