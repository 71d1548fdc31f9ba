#include "platform/ini_settings_store.h"

#include "platform/damaged_settings.h"
#include "platform/ini_file.h"

#include <QDir>
#include <QStandardPaths>

#include <exception>
#include <string_view>
#include <utility>

namespace jubilo {

namespace {

const IniFileTexts kSettingsTexts = {
    [](const QString& file, const QString& reason) {
        return QStringLiteral("The settings file %1 could not be read: %2").arg(file, reason);
    },
    [](const files::FileError& error) {
        return QStringLiteral("The settings store could not be written: ") + QString::fromStdString(error.what());
    },
    [](const char* why, const QString& error) {
        const QString whyWritten = std::string_view(why) == kDamagedCopy
            ? QStringLiteral("The settings store has lines that could not be read")
            : std::string_view(why) == kChangedCopy
            ? QStringLiteral("The settings file was changed by another program")
            : QStringLiteral("The settings file's journal holds changes that are not in the file");
        return whyWritten + QStringLiteral(" and no copy of it could be kept, so it was not written: ") + error;
    },
    damagedSettingsNotice,
    changedSettingsNotice,
    journalSettingsNotice,
};

}  // namespace

IniSettingsStore::IniSettingsStore(QString folder, Notice notice, const files::FileCalls& calls)
    : folder_(std::move(folder))
    , notice_(std::move(notice))
    , calls_(calls)
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

void IniSettingsStore::setNotice(Notice notice)
{
    notice_ = std::move(notice);
    for (auto& [app, file] : files_)
        file->setNotice(notice_);
}

QString IniSettingsStore::filePath(const QString& app) const
{
    return QDir(folder_).filePath(app + QStringLiteral(".ini"));
}

QString IniSettingsStore::location(const QString& app) const { return filePath(app); }

IniFile& IniSettingsStore::fileFor(const QString& app)
{
    auto& slot = files_[app];
    if (!slot)
        slot = std::make_unique<IniFile>(filePath(app), kSettingsTexts, notice_, calls_);
    return *slot;
}

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue)
{
    return fileFor(app).value(section, key).value_or(defaultValue);
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    fileFor(app).setValue(section, key, value);
}

void IniSettingsStore::writeAll(const QString& app, const QString& section, std::span<const ValueWrite> values)
{
    fileFor(app).setValues(section, values);
}

void IniSettingsStore::checkpoint()
{
    std::exception_ptr first;
    for (auto& [app, file] : files_) {
        try {
            file->checkpoint();
        } catch (const StoreError&) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}

}  // namespace jubilo
