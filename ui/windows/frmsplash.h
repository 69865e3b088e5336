#ifndef MERVANE_UI_WINDOWS_FRMSPLASH_H
#define MERVANE_UI_WINDOWS_FRMSPLASH_H

#include <QPointer>
#include <QWidget>

#include <cstdint>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

class frmMain;

// The window the program starts with. Loading it shows it above every other
// window, opens the main window beneath it, and two seconds later it closes
// itself. Its controls come from its design table. It deletes itself when closed.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    frmSplash();

    // Moves a window into the always-on-top band (topmost) or out of it.
    // Returns non-zero when it was moved in, and 0 whenever asked to move it
    // out. A failure is raised again with "+modAPIStuff/SetTopMostWindow"
    // added to its source.
    static std::int32_t SetTopMostWindow(QWidget* window, bool topmost);

private:
    void Form_Load();
    void Timer1_Timer();

    QTimer* Timer1 = nullptr;

    QPointer<frmMain> main_;
};

#endif
