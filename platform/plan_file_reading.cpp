#include "platform/plan_file_reading.h"

#include "files/path_bytes.h"
#include "plan/saved_plan.h"
#include "platform/damaged_settings.h"
#include "platform/file_reading.h"
#include "platform/ini_document.h"
#include "platform/plan_file_store.h"

#include <QCoreApplication>

#include <cerrno>
#include <optional>

namespace jubilo {

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

QString systemFault(int error)
{
    if (error == EACCES || error == EPERM)
        return QCoreApplication::translate("PlanFile", "you have no permission to read it");
    return systemReason(error);
}

// Why the file is not there to be read as text, or nothing.
std::optional<QString> readingFault(const FileReading& reading)
{
    using Outcome = FileReading::Outcome;
    switch (reading.outcome) {
    case Outcome::Read:
        return std::nullopt;
    case Outcome::Missing:
        return QCoreApplication::translate("PlanFile", "there is no file by that name");
    case Outcome::DanglingLink:
        return QCoreApplication::translate("PlanFile", "it is a link to a file that is not there (moved or deleted)");
    case Outcome::Folder:
        return QCoreApplication::translate("PlanFile", "it is a folder, not a file");
    case Outcome::NotRegular:
        return QCoreApplication::translate("PlanFile", "it is not a regular file but a device, a pipe or a socket");
    case Outcome::TooLarge:
        return QCoreApplication::translate("PlanFile",
                                           "it holds %1 MB, far more than any plan (a plan file holds at most %2 MB)")
            .arg((reading.size + kMegabyte - 1) / kMegabyte)
            .arg(kMaxPlanFileBytes / kMegabyte);
    case Outcome::Failed:
        return systemFault(reading.error);
    }
    return std::nullopt;
}

// Why the text is no plan, or nothing.
std::optional<QString> contentFault(const QString& path, const QByteArray& bytes)
{
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        return QCoreApplication::translate("PlanFile", "it is not text but binary data (a NUL byte at offset %1)")
            .arg(nul);
    if (!isUtf8Text(bytes))
        return QCoreApplication::translate("PlanFile",
                                           "it is not text in UTF-8, the encoding plan files are written in");
    if (const std::optional<int> line = firstUnreadableLine(bytes))
        return QCoreApplication::translate("PlanFile",
                                           "line %1 is neither blank, a ; comment, a [group] nor a key=value line")
            .arg(*line);
    if (failsToParseAsSettings(path))
        return QCoreApplication::translate("PlanFile", "it holds lines that cannot be read as settings");
    if (!ini::IniDocument(bytes).hasGroup(kStoreSection))
        return QCoreApplication::translate("PlanFile", "it holds no [%1] group, so it holds no plan")
            .arg(kStoreSection);
    return std::nullopt;
}

}  // namespace

QByteArray readPlanFile(const QString& path, const files::FileCalls& calls)
{
    FileReading reading = readRegularFile(path, kMaxPlanFileBytes, calls);
    std::optional<QString> fault = readingFault(reading);
    if (!fault)
        fault = contentFault(path, reading.bytes);
    if (fault) {
        throw PlanFileError(QCoreApplication::translate("PlanFile", "Jubilo could not open the plan file %1: %2.")
                                .arg(files::displayName(path), *fault)
                                .toStdString());
    }
    return std::move(reading.bytes);
}

}  // namespace jubilo
