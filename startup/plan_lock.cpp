#include "startup/plan_lock.h"

#include "messages/message.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {

namespace {

// Tries at the lock's name before giving up: each replaces what stood in
// the way, or finds that another start replaced it meanwhile.
constexpr int kAttempts = 4;

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Makes `folder` and every missing folder above it, each readable by the
// user alone. 0, or the errno of the failure.
int makeFolder(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) == 0 || errno == EEXIST)
        return 0;
    if (errno != ENOENT)
        return errno;
    const QString parent = QFileInfo(folder).path();
    if (parent == folder)
        return ENOENT;
    if (const int error = makeFolder(parent))
        return error;
    return ::mkdir(name.constData(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

// The file at `name`, opened for locking and made when missing, never
// through a link; -1 with errno set when it cannot be. A file that may be
// read but not written locks as well.
int openLockFile(const QByteArray& name)
{
    const int flags = O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(name.constData(), O_RDWR | flags, 0600);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(name.constData(), O_RDONLY | flags, 0600);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EEXIST;  // a pipe or a device, not a lock file
        return -1;
    }
    return fd;
}

// Removes what stands at `name` when it is in the lock's way: anything but
// a folder (a link, a file that cannot be opened, a pipe). True when the
// name is free now.
bool clearTheWay(const QByteArray& name)
{
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT;
    if (S_ISDIR(info.st_mode))
        return false;
    return ::unlink(name.constData()) == 0 || errno == ENOENT;
}

// True when `name` still leads to the open file `fd`: another start may have
// replaced what stood there between the open and the lock.
bool stillNamed(const QByteArray& name, int fd)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev
        && opened.st_ino == named.st_ino;
}

// Empties the lock file when it was opened for writing.
bool emptyFile(int fd) { return (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDWR && ::ftruncate(fd, 0) == 0; }

// The holder's process id, for whoever looks; the lock does not depend on
// it, so a failure to write it is no failure of the lock.
void notePid(int fd)
{
    if (!emptyFile(fd))
        return;
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.constData(), size_t(pid.size()), 0);
}

}  // namespace

QString planLockPath(const QString& storeLocation)
{
    if (storeLocation.isEmpty())
        return {};
    return QFileInfo(storeLocation).dir().filePath(QString::fromUtf8(kPlanLockFileName));
}

namespace {

// The path every name of the file resolves to; for a file not made yet,
// its folder's canonical path and its name.
QString canonicalPlanPath(const QString& planPath)
{
    const QFileInfo info(planPath);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir(folder.isEmpty() ? info.absolutePath() : folder).filePath(info.fileName());
}

}  // namespace

QString planFileLockPath(const QString& storeLocation, const QString& planPath)
{
    if (storeLocation.isEmpty())
        return {};
    const QByteArray digest
        = QCryptographicHash::hash(QFile::encodeName(canonicalPlanPath(planPath)), QCryptographicHash::Sha256);
    const QString name = QStringLiteral("Jubilo-%1.lock").arg(QString::fromLatin1(digest.toHex().left(16)));
    return QFileInfo(storeLocation).dir().filePath(name);
}

PlanLock::PlanLock(QString lockPath)
    : path_(std::move(lockPath))
{
}

PlanLock::~PlanLock()
{
    if (fd_ < 0)
        return;
    emptyFile(fd_);  // no id of a program that has ended
    ::close(fd_);
}

PlanLock::Claim PlanLock::fail(const QString& reason)
{
    problem_ = QCoreApplication::translate("PlanLock", "The lock file %1 cannot be taken: %2.")
                   .arg(QDir::toNativeSeparators(path_), reason);
    return Claim::Failed;
}

PlanLock::Claim PlanLock::claim()
{
    if (path_.isEmpty() || fd_ >= 0)
        return Claim::Held;
    problem_.clear();
    if (const int error = makeFolder(QFileInfo(path_).absolutePath()))
        return fail(systemReason(error));
    const QByteArray name = QFile::encodeName(path_);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = openLockFile(name);
        if (fd < 0) {
            const int error = errno;
            if (!clearTheWay(name) || attempt + 1 == kAttempts)
                return fail(systemReason(error));
            continue;
        }
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        const int error = errno;
        if (!stillNamed(name, fd)) {
            ::close(fd);
            continue;
        }
        if (locked) {
            fd_ = fd;
            notePid(fd_);
            return Claim::Held;
        }
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Claim::HeldElsewhere;
        return fail(systemReason(error));
    }
    return fail(QCoreApplication::translate("PlanLock", "another program keeps replacing it"));
}

QString alreadyOpenMessage() { return QCoreApplication::translate("PlanLock", "Jubilo is already open."); }

std::optional<int> claimPlanOrEnd(PlanLock& lock)
{
    switch (lock.claim()) {
    case PlanLock::Claim::Held:
        return std::nullopt;
    case PlanLock::Claim::HeldElsewhere:
        msgBox(alreadyOpenMessage());
        return 0;
    case PlanLock::Claim::Failed:
        break;
    }
    msgBox(lock.problem() + QStringLiteral("\n\n")
           + QCoreApplication::translate("PlanLock",
                                         "Jubilo ends now: without its lock, a second Jubilo could write over "
                                         "this plan. Remove what stands at that name or make its folder "
                                         "writable, then start Jubilo again."));
    return 1;
}

}  // namespace jubilo
