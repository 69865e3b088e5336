#include "ui/common/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <ctime>

#include "ui/common/calculationwindow.h"
#include "ui/common/locale.h"

namespace ui {

QString SessionPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/session.mervane");
}

std::variant<core::CaseWindows, std::string> ReadCaseFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "The file could not be opened: " + file.errorString().toStdString();
    if (static_cast<std::size_t>(file.size()) > core::kCaseLimit)
        return std::string("This file is too large to be a Mervane case (over 1 MB).");
    const QByteArray bytes = file.read(static_cast<qint64>(core::kCaseLimit) + 1);
    return core::ReadCase(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                          DecimalSeparator());
}

QString WriteCaseFile(const QString& path, const core::CaseWindows& windows)
{
    const std::string text = core::WriteCase(windows, DecimalSeparator(), core::CaseTime(std::time(nullptr)));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit())
        return file.errorString();
    return {};
}

void SaveSession(QWidget* window)
{
    // A session that cannot be written leaves the last one whole; the inputs stay in the windows.
    const KeptInputs& kept = KeptInputs::Of(window);
    if (!kept.sessionBlocked)
        WriteCaseFile(SessionPath(), kept.byWindow);
}

QString RestoreSession(QWidget* main)
{
    const QString path = SessionPath();
    if (!QFileInfo::exists(path))
        return {};
    auto read = ReadCaseFile(path);
    if (auto* windows = std::get_if<core::CaseWindows>(&read)) {
        KeptInputs::Of(main).byWindow = std::move(*windows);
        return {};
    }
    QString stamp = QString::fromStdString(core::CaseTime(std::time(nullptr)));
    stamp.replace(QLatin1Char(':'), QLatin1Char('-')).chop(1);
    const QString aside = QFileInfo(path).absolutePath() + QStringLiteral("/session.unreadable-") + stamp +
                          QStringLiteral(".mervane");
    const QString why = QString::fromStdString(std::get<std::string>(read));
    if (!QFile::rename(path, aside)) {
        KeptInputs::Of(main).sessionBlocked = true;
        return QStringLiteral("The last session could not be read, nor moved aside: ") + why +
               QStringLiteral(" It stays at ") + QDir::toNativeSeparators(path) +
               QStringLiteral(", and Mervane starts empty.");
    }
    return QStringLiteral("The last session could not be read: ") + why + QStringLiteral(" It was kept as ") +
           QDir::toNativeSeparators(aside) + QStringLiteral(", and Mervane starts empty.");
}

}  // namespace ui
