#pragma once
// The stored text of a table: each row's cells joined by the cell separator
// and closed by the row terminator, rows run together. The format has no
// escaping, so a cell can never hold either separator.

#include "plan/plan_tables.h"

#include <QString>

#include <stdexcept>
#include <vector>

namespace jubilo {

inline const QString kCellSeparator = QStringLiteral("||MySeparator12||");
inline const QString kRowTerminator = QStringLiteral("||MySeparator11||");

class SeparatorInTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool containsStoreSeparator(const QString& text);

// True when the row, stored, loads back as exactly this row. A text that is
// not a separator may still form one with its neighbour (a name ending in
// "||MySeparator12|"); such a row must never be stored.
bool survivesStore(const PlanRow& row, int columnCount);

// Throws SeparatorInTextError rather than write a text that would load
// back as different rows.
QString encodeTableText(const PlanTable& table);
// One row's part of that text: a row's text never depends on the others.
QString encodeTableRow(const PlanTable& table, int position);
// The length of that part, without encoding it or checking the row.
qsizetype storedRowLength(const PlanRow& row, int columnCount);

// Rows in stored order. Empty pieces between terminators and empty cells
// are skipped (their columns stay empty); a row whose first cell is empty is
// still a row of its own; cells beyond `columnCount` are dropped. A last row
// without its terminator still loads.
std::vector<PlanRow> decodeTableText(const QString& text, int columnCount);

}  // namespace jubilo
