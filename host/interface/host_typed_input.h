#pragma once
// How the host's sheet reads a text typed into a cell of General format, so
// that figures worked out from the plan agree with the totals the sheet
// shows without building a sheet.

#include <QString>

namespace jubilo {

struct HostTypedValue {
    enum class Kind {
        Number,  // a number, or a date or time as its serial
        Nothing,  // text, an empty cell, TRUE or FALSE: a SUM passes over it
        Error,  // an error value ("#N/A"): a SUM over it is that error
        Formula,  // "=...": its value depends on the sheet it stands in
    };
    Kind kind = Kind::Nothing;
    double number = 0;
    QString error;  // for Error: the value as the cell shows it
};

class HostTypedInput {
public:
    virtual ~HostTypedInput() = default;
    virtual HostTypedValue read(const QString& text) const = 0;
};

}  // namespace jubilo
