#include "platform/ini_file.h"

#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "plan/settings_store.h"
#include "platform/damaged_settings.h"
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
    , journal_(calls)
{
}

IniFile::~IniFile()
{
    if (!journaled_)
        return;
    notice_ = nullptr;  // whoever shows notices may be gone; a copy kept stays on disk all the same
    try {
        checkpoint();
    } catch (...) {
        // The journal stays, holding every change, for the next start.
    }
}

std::optional<QString> IniFile::Origin::value(const Key& key) const
{
    const auto found = written.find(key);
    return found != written.end() ? std::optional<QString>(found->second) : file.value(key.first, key.second);
}

void IniFile::setNotice(Notice notice) { notice_ = std::move(notice); }

void IniFile::tell(const QString& text) const
{
    if (notice_)
        notice_(text);
}

void IniFile::adopt(const QByteArray& bytes) { adopted_ = ini::IniDocument(bytes); }

void IniFile::throwGone()
{
    gone_ = true;
    throw StoreError(texts_.gone(files::displayName(path_)).toStdString());
}

// The file's bytes and identity; no bytes when there is no file yet.
FileReading IniFile::readFile()
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
    case Outcome::Missing:
        return reading;
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

journal::Base IniFile::fileBase()
{
    if (!fileBase_)
        fileBase_ = journal::baseOf(values_.document().bytes());
    return *fileBase_;
}

// Looks at the file and its journal on disk, and reads again whichever
// changed since Jubilo last read or wrote it: another program's change is
// picked up, and a look at an unchanged file costs no read.
void IniFile::refresh()
{
    if (gone_)
        throwGone();
    const files::FileIdentity onDisk = files::identityAt(files::fileSystemPath(path_), files::Links::Follow);
    const bool fileChanged = !loaded_ || onDisk != fileIdentity_;
    if (!fileChanged && journal_.isAsLeft())
        return;
    if (fileChanged)
        loadFile();
    loadJournal(fileChanged);
    loaded_ = true;
}

void IniFile::loadFile()
{
    FileReading reading = readFile();
    const bool known = loaded_ || adopted_;
    if (adopted_ && !loaded_)
        values_.setDocument(*std::exchange(adopted_, std::nullopt), false);
    if (known && reading.bytes == values_.document().bytes()) {
        fileIdentity_ = reading.identity;  // touched, not changed: what was decoded stays
        return;
    }
    ini::IniDocument onDisk(std::move(reading.bytes));
    if (known)
        noteOthersChanged(onDisk);
    values_.setDocument(std::move(onDisk), journaled_);
    fileIdentity_ = reading.identity;
    fileBase_.reset();
    damaged_.reset();
}

// Another program changed the file: Jubilo's own journaled changes stay on
// top of what it left, and are folded into it at the next write.
void IniFile::noteOthersChanged(const ini::IniDocument& onDisk)
{
    if (!origin_) {
        origin_ = Origin{values_.document(), {}};
        for (const Key& key : values_.edited()) {
            if (const std::optional<QString>& text = values_.value(key))
                origin_->written[key] = *text;
        }
    }
    if (!journaled_)
        return;
    foldDue_ = true;
    for (const Key& key : values_.edited()) {
        if (onDisk.value(key.first, key.second) != values_.document().value(key.first, key.second))
            othersUnderJournal_ = true;
    }
}

void IniFile::loadJournal(bool fileChanged)
{
    const bool journalChanged = !journal_.isAsLeft();
    if (!fileChanged && !journalChanged)
        return;
    if (journaled_ && !journalChanged)
        return;  // this IniFile's own, whatever became of the file
    std::vector<journal::Edit> edits;
    try {
        edits = journal_.read(path_, [this] { return fileBase(); });
    } catch (const files::FileError& error) {
        throw StoreError(texts_.readFailed(error.file(), error.reason()).toStdString());
    }
    if (journaled_) {
        // Someone else touched the journal this IniFile's changes went to:
        // they are kept in memory and written whole at the next write.
        journal_.disown();
        foldDue_ = true;
        return;
    }
    values_.dropEdits();
    if (!values_.replay(edits))
        journal_.disown();
}

std::optional<QString> IniFile::value(const QString& group, const QString& key)
{
    refresh();
    return values_.value({group, key});
}

// Asked once per file read: QSettings keeps a file it parsed by its name,
// and reports a parse error only the first time.
bool IniFile::isDamagedBeforeFirstWrite()
{
    if (prepared_)
        return false;
    if (!damaged_) {
        const QByteArray& onDisk = values_.document().bytes();
        damaged_ = !onDisk.isEmpty() && (hasUnreadableLines(onDisk) || failsToParseAsSettings(path_));
    }
    return *damaged_;
}

bool IniFile::changedByOthers(const Key& key) { return origin_ && values_.value(key) != origin_->value(key); }

bool IniFile::isReadOnly() const
{
    const std::filesystem::path name = files::fileSystemPath(path_);
    if (::access(name.c_str(), F_OK) == 0 && ::access(name.c_str(), W_OK) != 0)
        return true;
    return ::access(files::folderOf(name).c_str(), W_OK | X_OK) != 0;
}

void IniFile::refuseIfReadOnly() const
{
    if (texts_.readOnly && isReadOnly())
        throw StoreError(texts_.readOnly(files::displayName(path_)).toStdString());
}

// Keeps `bytes` beside the file before a rewrite that would lose them;
// without the copy there is no rewrite.
void IniFile::keepCopy(const QByteArray& bytes, const char* why)
{
    QString copy;
    try {
        copy = keepCopyBeside(path_, bytes, why, system().now().date());
    } catch (const std::exception& error) {
        throw StoreError(texts_.notCopied(why, QString::fromStdString(error.what())).toStdString());
    }
    if (std::string_view(why) == kDamagedCopy)
        tell(texts_.damagedNotice(path_, copy));
    else if (std::string_view(why) == kChangedCopy)
        tell(texts_.changedNotice(path_, copy));
    else
        tell(texts_.journalNotice(path_, copy));
}

void IniFile::keepCopies(bool damaged, bool changed, bool swallowed)
{
    const QByteArray& onDisk = values_.document().bytes();
    if (damaged)
        keepCopy(onDisk, kDamagedCopy);
    prepared_ = true;
    if (changed)
        keepCopy(onDisk, kChangedCopy);
    if (swallowed)
        keepCopy(onDisk, kDamagedCopy);
    if (journal_.hasStaleEdits())
        keepCopy(journal_.bytes(), kJournalCopy);
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

void IniFile::remember(const Key& key, const QString& text)
{
    if (origin_)
        origin_->written[key] = text;
}

// A change goes to the journal while the file is as Jubilo last left it
// and nothing has to be kept aside first; otherwise the file is rewritten.
bool IniFile::canAppend(const Key& key)
{
    const IniJournal::State state = journal_.state();
    if (!fileIdentity_.exists || foldDue_ || (state != IniJournal::State::Absent && state != IniJournal::State::Applies)
        || changedByOthers(key))
        return false;
    if (isDamagedBeforeFirstWrite())
        return false;
    prepared_ = true;
    return true;
}

std::vector<IniFile::Change> IniFile::wholeChanges(const QString& group, std::span<const ValueWrite> values) const
{
    std::vector<Change> changes;
    for (const ValueWrite& value : values)
        changes.push_back({{group, value.key}, value.text()});
    return changes;
}

// The values that change something go to the journal as one entry: one
// edit, or an "edits" entry of several. A value given as a splice of the
// one held is spliced in place.
void IniFile::append(const QString& group, std::span<const ValueWrite> values)
{
    struct Made {
        Key key;
        std::optional<TextSplice> splice;  // in place; otherwise `text` whole
        QString text;
    };
    std::vector<journal::Edit> edits;
    std::vector<Made> made;
    qint64 work = 0;
    for (const ValueWrite& value : values) {
        const Key key{group, value.key};
        const std::optional<QString>& old = values_.value(key);
        if (value.splice && old && old->size() == value.splice->oldLength) {
            const ValueSplice& given = *value.splice;
            if (given.removed == 0 && given.inserted.isEmpty())
                continue;
            const TextSplice splice{given.offset, given.removed, given.inserted};
            edits.push_back({group, value.key, given.oldLength, splice});
            made.push_back({key, splice, {}});
        } else {
            QString text = value.text();
            if (old == text)
                continue;
            edits.push_back(journal::editBetween(group, value.key, old, text));
            made.push_back({key, std::nullopt, std::move(text)});
        }
        work += journal::replayWork(edits.back());
    }
    if (edits.empty())
        return;
    const QByteArray entry = edits.size() == 1 ? journal::editEntry(edits.front()) : journal::editsEntry(edits);
    if (!journal_.hasRoomFor(entry.size(), work)) {
        rewrite(wholeChanges(group, values));
        return;
    }
    refuseIfReadOnly();
    try {
        journal_.append(entry, work, fileBase());
    } catch (const files::FileError& error) {
        throw StoreError(texts_.writeFailed(error).toStdString());
    }
    for (Made& change : made) {
        if (change.splice)
            values_.splice(change.key, *change.splice);
        else
            values_.set(change.key, std::move(change.text));
        if (origin_)
            remember(change.key, *values_.value(change.key));
    }
    journaled_ = true;
}

// Writes the file whole with every journaled change and `changes` in it,
// keeping aside first what the rewrite would lose, then removes the
// journal.
void IniFile::rewrite(const std::vector<Change>& changes)
{
    const ini::IniDocument& onDisk = values_.document();
    const bool firstWrite = !prepared_;
    const bool damaged = isDamagedBeforeFirstWrite();
    bool changed = othersUnderJournal_;
    for (const Change& change : changes)
        changed = changedByOthers(change.key) || changed;
    ini::IniDocument next = damaged ? onDisk.cleaned() : onDisk;
    bool swallowed = values_.foldInto(next);
    for (const Change& change : changes)
        swallowed = next.setValue(change.key.first, change.key.second, change.text) || swallowed;
    const bool differs = next.bytes() != onDisk.bytes();
    if (differs || damaged || changed || swallowed || journal_.hasStaleEdits()) {
        refuseIfReadOnly();
        keepCopies(damaged, changed, swallowed);
    }
    prepared_ = true;
    if (differs) {
        const journal::Base nextBase = journal::baseOf(next.bytes());
        journal_.noteFold(nextBase);
        replace(firstWrite && onDisk.bytes().isEmpty(), next.bytes());
        fileBase_ = nextBase;
    }
    journal_.remove();
    fileIdentity_ = files::identityAt(files::fileSystemPath(path_), files::Links::Follow);
    for (const Change& change : changes)
        values_.set(change.key, change.text);
    values_.foldedInto(std::move(next));
    journaled_ = foldDue_ = othersUnderJournal_ = false;
    for (const Change& change : changes)
        remember(change.key, change.text);
}

void IniFile::setValue(const QString& group, const QString& key, const QString& text)
{
    const ValueWrite value{key, [&text] { return text; }, std::nullopt};
    setValues(group, {&value, 1});
}

void IniFile::setValues(const QString& group, std::span<const ValueWrite> values)
{
    refresh();
    bool appendable = true;
    for (const ValueWrite& value : values)
        appendable = canAppend({group, value.key}) && appendable;
    if (appendable)
        append(group, values);
    else
        rewrite(wholeChanges(group, values));
}

void IniFile::checkpoint()
{
    refresh();
    const IniJournal::State state = journal_.state();
    if (values_.edited().empty() && (state == IniJournal::State::Absent || state == IniJournal::State::Blocked))
        return;
    rewrite({});
}

}  // namespace jubilo
