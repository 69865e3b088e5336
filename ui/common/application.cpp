#include "ui/common/application.h"

#include "ui/common/fonts.h"
#include "ui/common/messagebox.h"
#include "ui/common/runtimeerror.h"

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(kApplicationTitle);
    setOrganizationName(QStringLiteral("Quenlo"));
    setApplicationVersion(QStringLiteral(MERVANE_VERSION));
    SetUpFonts(*this);
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

}  // namespace ui
