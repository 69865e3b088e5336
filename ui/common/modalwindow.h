#ifndef MERVANE_UI_COMMON_MODALWINDOW_H
#define MERVANE_UI_COMMON_MODALWINDOW_H

#include <QDialog>

// A secondary window shown modally over its owner. It has no cancel button:
// Escape does nothing, and only the window's own commands and the close box
// close it. It opens centred on the screen.
class ModalWindow : public QDialog {
    Q_OBJECT

public:
    enum class Frame { FixedSingle, Resizable };

    ModalWindow(QWidget* owner, const QString& caption, const QSize& clientTwips, Frame frame);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

#endif
