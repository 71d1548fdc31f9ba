#pragma once
// Guests as a file holds them, before they go into the Guests list: the
// file's rows with the line each starts on, the file's columns, and which
// of them stands for each of the list's columns.

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace jubilo {

// The Guests list's columns in order: "Guest(s)", "Address", "RSVP?",
// "Number in Party".
inline constexpr int kGuestColumns = 4;

struct SourceRow {
    int line = 0;  // where the row starts in the file, from 1
    QStringList cells;
};

// For each of the Guests list's columns, the file's column it is read from
// (0-based), or kNoColumn.
struct GuestMapping {
    static constexpr int kNoColumn = -1;
    std::array<int, kGuestColumns> columns{kNoColumn, kNoColumn, kNoColumn, kNoColumn};
    bool operator==(const GuestMapping&) const = default;
};

struct GuestSource {
    QString path;
    QString format;  // in words, for the dialog: "CSV, comma-separated, UTF-8, with a header row"
    QStringList columns;  // the file's columns as the mapping offers them
    std::vector<SourceRow> rows;  // without a header row and without blank rows
    GuestMapping mapping;  // the mapping suggested
    bool mappable = true;  // false: the format names its fields, the mapping is fixed
    QString note;  // what the user should know of rows made up (a vCard without address)
};

}  // namespace jubilo
