#include "platform/ini_settings_store.h"

#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "platform/damaged_settings.h"
#include "platform/ini_document.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>
#include <utility>

namespace jubilo {

struct IniSettingsStore::File {
    // What the plan in memory came from: the file as first read, with every
    // value Jubilo wrote since. A value that differs on disk from this one
    // was changed by someone else.
    std::optional<ini::IniDocument> base;
    // The file as last read, kept while it stays the same on disk.
    ini::IniDocument current;
    bool prepared = false;  // checked for damage before the first write
};

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

void IniSettingsStore::setNotice(Notice notice) { notice_ = std::move(notice); }

QString IniSettingsStore::filePath(const QString& app) const
{
    return QDir(folder_).filePath(app + QStringLiteral(".ini"));
}

QString IniSettingsStore::location(const QString& app) const { return filePath(app); }

IniSettingsStore::File& IniSettingsStore::fileFor(const QString& app)
{
    auto& slot = files_[app];
    if (!slot)
        slot = std::make_unique<File>();
    return *slot;
}

void IniSettingsStore::tell(const QString& text) const
{
    if (notice_)
        notice_(text);
}

// The file's bytes; empty when there is no file yet.
QByteArray IniSettingsStore::readFromDisk(const QString& app) const
{
    const QString path = filePath(app);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path);
    QByteArray bytes;
    if (info.isFile() && file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    const QString reason = info.isDir() ? QStringLiteral("a folder is in its place") : file.errorString();
    throw StoreError(QStringLiteral("The settings file %1 could not be read: %2")
                         .arg(files::displayName(path), reason)
                         .toStdString());
}

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue)
{
    File& file = fileFor(app);
    // Picks up what another program may have written since.
    const QByteArray onDisk = readFromDisk(app);
    if (onDisk != file.current.bytes())
        file.current = ini::IniDocument(onDisk);
    if (!file.base)
        file.base = file.current;
    return file.current.value(section, key).value_or(defaultValue);
}

namespace {

// QSettings' own verdict, for lines the byte check lets through (a line of
// a vertical tab, say).
bool failsToParse(const QString& path)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    return settings.status() == QSettings::FormatError;
}

}  // namespace

// The bytes the first write starts from: the file as it is, or written
// afresh from what could be read once a copy of a damaged file is kept.
QByteArray IniSettingsStore::prepareFirstWrite(const QString& app, File& file, const QByteArray& onDisk)
{
    if (file.prepared)
        return onDisk;
    if (onDisk.isEmpty())
        QDir().mkpath(folder_);
    if (onDisk.isEmpty() || (!hasUnreadableLines(onDisk) && !failsToParse(filePath(app)))) {
        file.prepared = true;
        return onDisk;
    }
    keepDamagedCopy(app, onDisk);
    file.prepared = true;
    return ini::IniDocument(onDisk).cleaned().bytes();
}

// Keeps `onDisk` beside the file before a rewrite that would lose part of
// it; without the copy there is no rewrite.
QString IniSettingsStore::keepCopy(const QString& app, const QByteArray& onDisk, const char* why,
                                   const char* whyWritten)
{
    try {
        return keepCopyBeside(filePath(app), onDisk, why, system().now().date());
    } catch (const std::exception& error) {
        throw StoreError(std::string(whyWritten)
                         + " and no copy of it could be kept, so it was not written: " + error.what());
    }
}

void IniSettingsStore::keepDamagedCopy(const QString& app, const QByteArray& onDisk)
{
    const QString copy = keepCopy(app, onDisk, kDamagedCopy, "The settings store has lines that could not be read");
    tell(damagedSettingsNotice(filePath(app), copy));
}

void IniSettingsStore::keepCopyIfChanged(const QString& app, File& file, const QByteArray& onDisk,
                                         const QString& section, const QString& key)
{
    if (!file.base || onDisk == file.base->bytes())
        return;
    const std::optional<QString> theirs = ini::IniDocument(onDisk).value(section, key);
    if (theirs == file.base->value(section, key))
        return;  // what they changed is kept: only this value's line is rewritten
    const QString copy = keepCopy(app, onDisk, kChangedCopy, "The settings file was changed by another program");
    tell(changedSettingsNotice(filePath(app), copy));
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    File& file = fileFor(app);
    const QByteArray onDisk = readFromDisk(app);
    const QByteArray start = prepareFirstWrite(app, file, onDisk);
    keepCopyIfChanged(app, file, onDisk, section, key);
    ini::IniDocument next(start);
    if (next.setValue(section, key, value))
        keepDamagedCopy(app, onDisk);  // a line of it would have swallowed the value
    if (next.bytes() != onDisk) {
        try {
            files::replaceFile(files::fileSystemPath(filePath(app)), next.bytes(), calls_);
        } catch (const files::FileError& error) {
            throw StoreError("The settings store could not be written: " + std::string(error.what()));
        }
    }
    file.current = next;
    if (!file.base)
        file.base = next;
    else
        file.base->setValue(section, key, value);
}

}  // namespace jubilo
