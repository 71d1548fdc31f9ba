#include "lists/import_file.h"

#include "files/descriptor.h"
#include "files/path_bytes.h"
#include "lists/import_error.h"
#include "platform/file_reading.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ImportFile)
};

constexpr qsizetype kPieceBytes = 64 * 1024;

ImportError tooLarge()
{
    return ImportError(Texts::tr("the file is larger than %1 MB").arg(kMaxImportFileBytes / (1024 * 1024)));
}

// What the name leads to refuses it, or the file may be opened.
void checkKind(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        throw ImportError(Texts::tr("it is a folder, not a file"));
    if (!S_ISREG(info.st_mode))
        throw ImportError(Texts::tr("it is not a regular file"));
    if (info.st_size > kMaxImportFileBytes)
        throw tooLarge();
}

[[noreturn]] void throwSystemError(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        throw ImportError(Texts::tr("the file is not there (it may have been moved or deleted)"));
    throw ImportError(Texts::tr("the file cannot be read (%1)").arg(systemReason(error)));
}

int openForReading(const QString& path)
{
    const std::filesystem::path name = files::fileSystemPath(path);
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0)
        throwSystemError(errno);
    checkKind(info);
    int fd;
    do
        fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throwSystemError(errno);
    return fd;
}

}  // namespace

void readFileInPieces(const QString& path, const std::function<void(QByteArrayView)>& piece)
{
    const files::Descriptor file(openForReading(path));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        throwSystemError(errno);
    checkKind(info);  // another file may have taken the name since
    QByteArray buffer(kPieceBytes, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer.data(), static_cast<std::size_t>(buffer.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throwSystemError(errno);
        if (n == 0)
            return;
        total += n;
        if (total > kMaxImportFileBytes)  // it grew while being read
            throw tooLarge();
        piece(QByteArrayView(buffer.constData(), n));
    }
}

}  // namespace jubilo
