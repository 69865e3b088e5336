#ifndef MERVANE_UI_COMMON_APPLICATION_H
#define MERVANE_UI_COMMON_APPLICATION_H

#include <QApplication>

namespace ui {

// The program's application object. A failure that escapes an event handler
// is reported in a message box, and then the program ends with status 1,
// instead of unwinding through the toolkit and aborting without a word.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ui

#endif
