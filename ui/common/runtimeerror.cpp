#include "ui/common/runtimeerror.h"

#include <QString>

#include <new>

#include "ui/common/messagebox.h"

namespace ui {

namespace {
constexpr int kOutOfMemory = 7;
constexpr int kInternalError = 51;
}  // namespace

ErrorReport Describe(const std::exception& e)
{
    if (const auto* r = dynamic_cast<const RuntimeError*>(&e))
        return {r->Number(), r->what()};
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return {kOutOfMemory, "Out of memory"};
    return {kInternalError, std::string("Internal error: ") + e.what()};
}

void ReportFatal(const std::exception& e)
{
    const ErrorReport report = Describe(e);
    ShowMessage(nullptr, QStringLiteral("Run-time error '%1':\n\n%2")
                                   .arg(report.number)
                                   .arg(QString::fromStdString(report.description)));
}

}  // namespace ui
