#pragma once
// Every failure the engine reports to its caller: a bad address, a value out
// of range, an object that no longer exists. The caller's error trap shows
// the message, so it names the offending input.

#include <QString>

#include <stdexcept>

namespace jubilo::spreadsheet {

class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

}  // namespace jubilo::spreadsheet
