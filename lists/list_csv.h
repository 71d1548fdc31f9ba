#pragma once
// A list as a CSV file spreadsheet programs open as they find it: a UTF-8
// byte-order mark (without it some read the accents in the system's old
// code page), the list's column headers, then its rows, each cell exactly
// as typed and quoted as RFC 4180 asks.

#include "plan/plan_tables.h"

#include <QByteArray>

namespace jubilo {

// What opens a UTF-8 text that says so.
inline constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

QByteArray listCsv(const PlanTable& table);

}  // namespace jubilo
