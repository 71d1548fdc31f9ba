#pragma once
// What Add asks of a row before it goes into a list, for rows that come
// from elsewhere (a paste, an import): every cell filled, "Yes" or "No"
// where the list offers those two, no cell longer than a sheet's cell holds,
// and nothing the stored form could not read back. Texts are otherwise kept
// exactly as they come.

#include "plan/plan_tables.h"

#include <QString>

#include <optional>

namespace jubilo {

struct RowFault {
    enum class Kind {
        ColumnCount,  // more or fewer cells than the list has columns
        EmptyCell,
        NotYesOrNo,
        TooLong,  // past the longest text a cell holds
        Separator,  // holds the stored form's separator
    };
    Kind kind;
    int column = -1;  // 0-based; -1 for the row as a whole
};

// The row as Add would take it: "yes" and "no" in any case, in a Yes/No
// column, become "Yes" and "No"; every other text is kept as it is.
PlanRow normalisedRow(const TableSpec& table, PlanRow row);

// The first reason the (normalised) row cannot go into the list, or none.
std::optional<RowFault> rowFault(const TableSpec& table, const PlanRow& row);

// Says why, naming the list's column: "the \"RSVP?\" cell is \"maybe\", not
// \"Yes\" or \"No\"".
QString rowFaultText(const TableSpec& table, const PlanRow& row, const RowFault& fault);

}  // namespace jubilo
