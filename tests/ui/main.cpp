// Runs every window test in one application, set up as the program sets itself up.

#include <QStandardPaths>
#include <QTest>

#include "tests/ui/frmmain_test.h"
#include "tests/ui/windows_test.h"
#include "ui/common/application.h"

int main(int argc, char** argv)
{
    ui::Application app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // the session of a test, never the user's
    int failures = 0;
    {
        TestMainWindow t;
        failures += QTest::qExec(&t, argc, argv);
    }
    {
        TestWindows t;
        failures += QTest::qExec(&t, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
