#pragma once
// Why a file of guests cannot be imported, and where: the line the fault
// is on, counted from 1, or none when it concerns the file as a whole.

#include <QString>

#include <stdexcept>

namespace jubilo {

class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString& reason, int line = 0);
    const QString& reason() const { return reason_; }
    int line() const { return line_; }  // 0: the file as a whole

private:
    QString reason_;
    int line_;
};

// The message the user reads, naming the file: "Guests cannot be imported
// from "/home/ann/guests.csv": line 7: a quoted field is never closed."
QString importErrorText(const QString& path, const ImportError& error);

}  // namespace jubilo
