#include "ui/common/application.h"
#include "ui/windows/frmsplash.h"
#include "ui/common/runtimeerror.h"

int main(int argc, char** argv)
{
    ui::Application app(argc, argv);
    try {
        new frmSplash();  // closes and deletes itself after two seconds
    } catch (const std::exception& e) {
        ui::ReportFatal(e);
        return EXIT_FAILURE;
    }
    return app.exec();
}
