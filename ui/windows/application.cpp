#include "ui/windows/application.h"

#include "ui/main/look.h"
#include "ui/windows/runtimeerror.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    look::SetUpApplication(*this);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportFatal(e);
    }
    exit(EXIT_FAILURE);
    return true;
}
