#include "platform/ini_journal.h"

#include "files/descriptor.h"
#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/write_target.h"

#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {

namespace {

constexpr char kJournalSuffix[] = ".journal";

[[noreturn]] void fail(const std::filesystem::path& name, int error)
{
    throw files::FileError(files::displayName(name), QString::fromLocal8Bit(std::strerror(error)));
}

struct JournalFile {
    enum class Kind { Missing, Blocked, Read };
    Kind kind = Kind::Missing;
    files::FileIdentity identity;
    QByteArray bytes;
};

JournalFile blockedAt(const std::filesystem::path& name)
{
    return {JournalFile::Kind::Blocked, files::identityAt(name, files::Links::DoNotFollow), {}};
}

QByteArray readToEnd(const std::filesystem::path& name, int fd, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes.data() + done, std::size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(name, errno);
        if (n == 0)
            break;  // cut meanwhile: what is left is read
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

// The regular file at `name`, never through a link; its identity is taken
// before it is read, so that an append meanwhile shows at the next look.
JournalFile readJournalFile(const std::filesystem::path& name, const files::FileCalls& calls)
{
    int fd;
    do
        fd = calls.openat(AT_FDCWD, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    while (fd < 0 && errno == EINTR);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        return {};
    if (fd < 0 && errno == ELOOP)
        return blockedAt(name);
    if (fd < 0)
        fail(name, errno);
    const files::Descriptor file(fd);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        fail(name, errno);
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxJournalFileBytes)
        return blockedAt(name);
    return {JournalFile::Kind::Read, files::identityOf(info), readToEnd(name, file.get(), info.st_size)};
}

qint64 workOf(const std::vector<journal::Edit>& edits)
{
    qint64 work = 0;
    for (const journal::Edit& edit : edits)
        work += journal::replayWork(edit);
    return work;
}

}  // namespace

std::optional<std::filesystem::path> journalPathFor(const QString& path)
{
    try {
        const std::filesystem::path file = files::resolveWriteTarget(files::fileSystemPath(path)).path;
        return files::folderOf(file) / ("." + file.filename().string() + kJournalSuffix);
    } catch (const files::FileError&) {
        return std::nullopt;
    }
}

IniJournal::IniJournal(const files::FileCalls& calls)
    : calls_(calls)
{
}

void IniJournal::forget()
{
    writer_.reset();
    state_ = State::Absent;
    identity_ = {};
    wholeEnd_ = work_ = 0;
    bytes_.clear();
    hasEdits_ = false;
}

std::vector<journal::Edit> IniJournal::read(const QString& path, const std::function<journal::Base()>& mainBase)
{
    forget();
    name_ = journalPathFor(path);
    if (!name_) {
        state_ = State::Blocked;
        return {};
    }
    JournalFile file = readJournalFile(*name_, calls_);
    identity_ = file.identity;
    if (file.kind != JournalFile::Kind::Read) {
        state_ = file.kind == JournalFile::Kind::Missing ? State::Absent : State::Blocked;
        return {};
    }
    const journal::Parsed parsed = journal::parse(file.bytes);
    bytes_ = std::move(file.bytes);
    hasEdits_ = parsed.hasEdits();
    std::optional<std::vector<journal::Edit>> edits = journal::editsFor(parsed, mainBase());
    if (!edits) {
        state_ = State::Stale;
        return {};
    }
    state_ = State::Applies;
    wholeEnd_ = parsed.wholeEnd;
    work_ = workOf(*edits);
    return std::move(*edits);
}

void IniJournal::disown()
{
    if (state_ != State::Applies)
        return;
    writer_.reset();
    state_ = State::Stale;
}

bool IniJournal::isAsLeft() const
{
    return !name_ || files::identityAt(*name_, files::Links::DoNotFollow) == identity_;
}

bool IniJournal::hasRoomFor(qsizetype bytes, qint64 work) const
{
    return name_ && wholeEnd_ + bytes <= kMaxJournalBytes && work_ + work <= kMaxReplayCharacters;
}

void IniJournal::create(const QByteArray& entry, const journal::Base& mainBase)
{
    writer_ = files::AppendFile::create(*name_, journal::headerEntry(mainBase) + entry, calls_);
    if (!writer_)
        fail(*name_, EEXIST);  // made by someone else since it was looked at
    state_ = State::Applies;
    wholeEnd_ = writer_->size();
    identity_ = writer_->identity();
}

// Appends to the journal read, cutting off a torn end first.
void IniJournal::writeEntry(const QByteArray& entry)
{
    if (!writer_) {
        writer_ = files::AppendFile::open(*name_, identity_, wholeEnd_, calls_);
        if (!writer_)
            fail(*name_, ESTALE);  // replaced since it was looked at
    }
    try {
        writer_->append(entry);
    } catch (const files::FileError&) {
        identity_ = writer_->identity();
        throw;
    }
    wholeEnd_ = writer_->size();
    identity_ = writer_->identity();
}

void IniJournal::append(const QByteArray& entry, qint64 work, const journal::Base& mainBase)
{
    if (state_ == State::Absent)
        create(entry, mainBase);
    else
        writeEntry(entry);
    work_ += work;
}

void IniJournal::noteFold(const journal::Base& next)
{
    if (state_ != State::Applies)
        return;
    try {
        writeEntry(journal::foldEntry(next));
    } catch (const files::FileError&) {
        // Without the note a journal left behind reads as stale: kept aside.
    }
}

void IniJournal::remove()
{
    writer_.reset();
    if (!name_ || state_ == State::Absent || state_ == State::Blocked)
        return;
    try {
        files::removeName(*name_);
        forget();
    } catch (const files::FileError&) {
        state_ = State::Blocked;
        identity_ = files::identityAt(*name_, files::Links::DoNotFollow);
    }
}

}  // namespace jubilo
