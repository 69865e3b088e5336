// Prints where the desktop windows put their named controls, as JSON by
// window and design name: [left, top, width, height] in device-independent
// pixels of the client area (of the frame, for the splash's controls). The
// browser edition's test compares its page with it.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QWidget>

#include "ui/common/application.h"
#include "ui/main/frmmain.h"
#include "ui/windows/frmassumptions.h"
#include "ui/windows/frmconvert.h"
#include "ui/windows/frmcredits.h"
#include "ui/windows/frmsplash.h"

namespace {

QJsonObject Places(const QWidget* parent)
{
    QJsonObject places;
    for (const QWidget* w : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->objectName().isEmpty() || w->isWindow())
            continue;
        const QRect g = w->geometry();
        places.insert(w->objectName(), QJsonArray{g.x(), g.y(), g.width(), g.height()});
    }
    return places;
}

}  // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    frmMain main;
    frmConvert convert(&main);
    frmAssumptions assumptions(&main);
    frmCredits credits(&main);
    auto* splash = new frmSplash();
    QJsonObject all{{"frmMain", Places(&main)},
                    {"frmConvert", Places(&convert)},
                    {"frmAssumptions", Places(&assumptions)},
                    {"frmCredits", Places(&credits)},
                    {"fraMainFrame", Places(splash->findChild<QWidget*>(QStringLiteral("fraMainFrame")))}};
    QTextStream(stdout) << QJsonDocument(all).toJson();
    splash->close();
    return 0;
}
