#include "platform/plan_file_store.h"

#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "platform/damaged_settings.h"
#include "platform/ini_text.h"
#include "platform/plan_file_reading.h"

#include "plan/saved_plan.h"

#include <QCoreApplication>

#include <string_view>

namespace jubilo {

namespace {

QString damagedPlanNotice(const QString& path, const QString& copyPath)
{
    return QCoreApplication::translate("PlanFile",
                                       "The plan file %1 had lines that could not be read. Jubilo keeps what it "
                                       "could read and writes the file afresh, so those lines will be gone from it."
                                       "\n\nA copy of the file as it was is kept in %2.")
        .arg(path, copyPath);
}

QString changedPlanNotice(const QString& path, const QString& copyPath)
{
    return QCoreApplication::translate("PlanFile",
                                       "Another program changed the plan file %1 while Jubilo had it open, and "
                                       "Jubilo now writes a value that program changed. Jubilo keeps its own value "
                                       "and the rest of the other program's changes.\n\n"
                                       "A copy of the file as the other program left it is kept in %2.")
        .arg(path, copyPath);
}

QString journalPlanNotice(const QString& path, const QString& copyPath)
{
    return QCoreApplication::translate("PlanFile",
                                       "Jubilo found changes to the plan file %1 in the journal it keeps beside it, "
                                       "but the file is no longer the one they were made to (another program "
                                       "replaced it), so they were not applied and the plan stays as the file holds "
                                       "it.\n\nA copy of the journal with those changes is kept in %2.")
        .arg(path, copyPath);
}

QString notWritten(const files::FileError& error)
{
    return QCoreApplication::translate("PlanFile", "The plan file %1 could not be written: %2.")
        .arg(error.file(), error.reason());
}

const IniFileTexts kPlanFileTexts = {
    [](const QString& file, const QString& reason) {
        return QCoreApplication::translate("PlanFile", "The plan file %1 could not be read: %2.").arg(file, reason);
    },
    notWritten,
    [](const char* why, const QString& error) {
        if (std::string_view(why) == kDamagedCopy)
            return QCoreApplication::translate("PlanFile",
                                               "The plan file has lines that could not be read, and no copy of it "
                                               "could be kept, so it was not written: %1")
                .arg(error);
        if (std::string_view(why) == kChangedCopy)
            return QCoreApplication::translate("PlanFile",
                                               "The plan file was changed by another program, and no copy of it "
                                               "could be kept, so it was not written: %1")
                .arg(error);
        return QCoreApplication::translate("PlanFile",
                                           "The plan file's journal holds changes that are not in the file, and no "
                                           "copy of it could be kept, so the file was not written: %1")
            .arg(error);
    },
    damagedPlanNotice,
    changedPlanNotice,
    journalPlanNotice,
    [](const QString& file) {
        return QCoreApplication::translate("PlanFile",
                                           "The plan file %1 is no longer there: it was moved or deleted while "
                                           "Jubilo had it open. Nothing in the window is lost; use File > Save Plan "
                                           "As… to keep the plan.")
            .arg(file);
    },
    [](const QString& file) {
        return QCoreApplication::translate("PlanFile",
                                           "The plan file %1 is read-only: you may not change it or the folder it is "
                                           "in. Nothing in the window is lost; use File > Save Plan As… to keep the "
                                           "plan in a file of your own.")
            .arg(file);
    },
};

// A new plan file: the [Jubilo] group, one line per value, in the order
// given, just as the settings store writes each into an empty file.
QByteArray newPlanFileBytes(const std::vector<std::pair<QString, QString>>& values)
{
    QByteArray bytes = '[' + ini::escapedKey(kStoreSection) + "]\n";
    for (const auto& [key, text] : values)
        bytes += ini::escapedKey(key) + '=' + ini::escapedText(text) + '\n';
    return bytes;
}

}  // namespace

PlanFileStore::PlanFileStore(const QString& path, Notice notice, const files::FileCalls& calls)
    : file_(path, kPlanFileTexts, std::move(notice), calls)
{
}

std::unique_ptr<PlanFileStore> PlanFileStore::open(const QString& path, Notice notice, const files::FileCalls& calls)
{
    const QByteArray bytes = readPlanFile(path, calls);
    std::unique_ptr<PlanFileStore> store(new PlanFileStore(path, std::move(notice), calls));
    store->file_.adopt(bytes);
    return store;
}

std::unique_ptr<PlanFileStore> PlanFileStore::create(const QString& path,
                                                     const std::vector<std::pair<QString, QString>>& values,
                                                     Notice notice, const files::FileCalls& calls)
{
    const QByteArray bytes = newPlanFileBytes(values);
    try {
        files::replaceFile(files::fileSystemPath(path), bytes, calls);
    } catch (const files::FileError& error) {
        throw StoreError(notWritten(error).toStdString());
    }
    std::unique_ptr<PlanFileStore> store(new PlanFileStore(path, std::move(notice), calls));
    store->file_.adopt(bytes);
    return store;
}

const QString& PlanFileStore::path() const { return file_.path(); }

bool PlanFileStore::isReadOnly() const { return file_.isReadOnly(); }

QString PlanFileStore::read(const QString& app, const QString& section, const QString& key, const QString& defaultValue)
{
    (void)app;
    return file_.value(section, key).value_or(defaultValue);
}

void PlanFileStore::write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    (void)app;
    file_.setValue(section, key, value);
}

void PlanFileStore::writeAll(const QString& app, const QString& section, std::span<const ValueWrite> values)
{
    (void)app;
    file_.setValues(section, values);
}

void PlanFileStore::checkpoint() { file_.checkpoint(); }

QString PlanFileStore::location(const QString& app) const
{
    (void)app;
    return file_.path();
}

}  // namespace jubilo
