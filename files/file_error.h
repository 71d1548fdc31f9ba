#pragma once
// The errors a file write throws. Each names the file and the reason, so
// that a caller can put them in a sentence of its own ("The workbook could
// not be saved to <file>: <reason>") or show what() as it stands
// ("<file>: <reason>").

#include <QString>

#include <stdexcept>

namespace jubilo::files {

class FileError : public std::runtime_error {
public:
    FileError(const QString& file, const QString& reason)
        : std::runtime_error((file + QStringLiteral(": ") + reason).toStdString())
        , file_(file)
        , reason_(reason)
    {
    }
    const QString& file() const { return file_; }
    const QString& reason() const { return reason_; }

private:
    QString file_, reason_;
};

// A write refused before anything is written, because of what holds the
// name: a link another user planted in a shared folder, a folder, a pipe,
// a device, a loop of links.
class WriteRefused : public FileError {
public:
    using FileError::FileError;
};

}  // namespace jubilo::files
