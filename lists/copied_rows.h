#pragma once
// Rows as the clipboard offers them to other programs: tab-separated text,
// one row a line (a cell holding a tab, a quote or a line break quoted as
// RFC 4180 asks), and an HTML table, so that a spreadsheet program or a
// mail pastes them cell for cell.

#include "plan/plan_tables.h"

#include <QString>

#include <span>

namespace jubilo {

QString tabSeparatedRows(std::span<const PlanRow> rows);
// A whole HTML document holding one table, its cells escaped and their line
// breaks kept as <br>.
QString htmlTableOfRows(std::span<const PlanRow> rows);

}  // namespace jubilo
