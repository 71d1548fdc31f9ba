#include "platform/ini_file.h"

#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "plan/settings_store.h"
#include "platform/damaged_settings.h"
#include "platform/file_reading.h"
#include "platform/system.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <limits>
#include <string_view>
#include <unistd.h>
#include <utility>

namespace jubilo {

IniFile::IniFile(QString path, const IniFileTexts& texts, Notice notice, const files::FileCalls& calls)
    : path_(std::move(path))
    , texts_(texts)
    , notice_(std::move(notice))
    , calls_(calls)
{
}

void IniFile::setNotice(Notice notice) { notice_ = std::move(notice); }

void IniFile::tell(const QString& text) const
{
    if (notice_)
        notice_(text);
}

void IniFile::adopt(const QByteArray& bytes)
{
    current_ = ini::IniDocument(bytes);
    base_ = current_;
}

void IniFile::throwGone()
{
    gone_ = true;
    throw StoreError(texts_.gone(files::displayName(path_)).toStdString());
}

// The file's bytes; empty when there is no file yet.
QByteArray IniFile::readFromDisk()
{
    if (gone_)
        throwGone();
    using Outcome = FileReading::Outcome;
    FileReading reading = readRegularFile(path_, std::numeric_limits<qint64>::max(), calls_);
    if (texts_.gone && (reading.outcome == Outcome::Missing || reading.outcome == Outcome::DanglingLink))
        throwGone();
    QString reason;
    switch (reading.outcome) {
    case Outcome::Read:
        return std::move(reading.bytes);
    case Outcome::Missing:
        return {};
    case Outcome::DanglingLink:
        reason = systemReason(ENOENT);
        break;
    case Outcome::Folder:
        reason = QStringLiteral("a folder is in its place");
        break;
    case Outcome::NotRegular:
        reason = QStringLiteral("it is not a regular file");
        break;
    case Outcome::TooLarge:
        reason = systemReason(EFBIG);
        break;
    case Outcome::Failed:
        reason = systemReason(reading.error);
        break;
    }
    throw StoreError(texts_.readFailed(files::displayName(path_), reason).toStdString());
}

std::optional<QString> IniFile::value(const QString& group, const QString& key)
{
    // Picks up what another program may have written since.
    const QByteArray onDisk = readFromDisk();
    if (onDisk != current_.bytes())
        current_ = ini::IniDocument(onDisk);
    if (!base_)
        base_ = current_;
    return current_.value(group, key);
}

bool IniFile::isDamaged(const QByteArray& onDisk) const
{
    return !onDisk.isEmpty() && (hasUnreadableLines(onDisk) || failsToParseAsSettings(path_));
}

bool IniFile::changedByOthers(const QByteArray& onDisk, const QString& group, const QString& key) const
{
    if (!base_ || onDisk == base_->bytes())
        return false;
    // When they changed something else, what they changed is kept: only
    // this value's line is rewritten.
    return ini::IniDocument(onDisk).value(group, key) != base_->value(group, key);
}

bool IniFile::isReadOnly() const
{
    const std::filesystem::path name = files::fileSystemPath(path_);
    if (::access(name.c_str(), F_OK) == 0 && ::access(name.c_str(), W_OK) != 0)
        return true;
    return ::access(files::folderOf(name).c_str(), W_OK | X_OK) != 0;
}

// Keeps `onDisk` beside the file before a rewrite that would lose part of
// it; without the copy there is no rewrite.
void IniFile::keepCopy(const QByteArray& onDisk, const char* why)
{
    QString copy;
    try {
        copy = keepCopyBeside(path_, onDisk, why, system().now().date());
    } catch (const std::exception& error) {
        throw StoreError(texts_.notCopied(why, QString::fromStdString(error.what())).toStdString());
    }
    const bool damaged = std::string_view(why) == kDamagedCopy;
    tell(damaged ? texts_.damagedNotice(path_, copy) : texts_.changedNotice(path_, copy));
}

void IniFile::replace(bool makeFolder, const QByteArray& bytes)
{
    if (makeFolder)
        QDir().mkpath(QFileInfo(path_).path());
    try {
        // A file that may go (a plan file) is only ever replaced in place:
        // one moved or deleted meanwhile is not made again at its old name.
        if (texts_.gone)
            files::replaceExistingFile(files::fileSystemPath(path_), bytes, calls_);
        else
            files::replaceFile(files::fileSystemPath(path_), bytes, calls_);
    } catch (const files::TargetGone&) {
        throwGone();
    } catch (const files::FileError& error) {
        throw StoreError(texts_.writeFailed(error).toStdString());
    }
}

void IniFile::remember(const ini::IniDocument& written, const QString& group, const QString& key, const QString& text)
{
    current_ = written;
    if (!base_)
        base_ = written;
    else
        base_->setValue(group, key, text);
}

void IniFile::setValue(const QString& group, const QString& key, const QString& text)
{
    const QByteArray onDisk = readFromDisk();
    const bool firstWrite = !prepared_;
    const bool damaged = firstWrite && isDamaged(onDisk);
    const bool changed = changedByOthers(onDisk, group, key);
    // A damaged file is written afresh from what could be read.
    // The file as last read or written is reused while it is the same on
    // disk: parsing a plan of thousands of rows again for every change
    // would cost more than the write itself. It is taken, not copied; a
    // write that fails leaves it empty, and the next read parses afresh.
    ini::IniDocument next = damaged  ? ini::IniDocument(onDisk).cleaned()
        : onDisk == current_.bytes() ? std::move(current_)
                                     : ini::IniDocument(onDisk);
    const bool swallowed = next.setValue(group, key, text);  // a line of it would have swallowed the value
    if (damaged || changed || swallowed || next.bytes() != onDisk) {
        if (texts_.readOnly && isReadOnly())
            throw StoreError(texts_.readOnly(files::displayName(path_)).toStdString());
        if (damaged)
            keepCopy(onDisk, kDamagedCopy);
        prepared_ = true;
        if (changed)
            keepCopy(onDisk, kChangedCopy);
        if (swallowed)
            keepCopy(onDisk, kDamagedCopy);
    }
    if (next.bytes() != onDisk)
        replace(firstWrite && onDisk.isEmpty(), next.bytes());
    prepared_ = true;
    remember(next, group, key, text);
}

}  // namespace jubilo
