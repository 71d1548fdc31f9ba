#pragma once
// The eight blocks of the plan sheet, as data: which table each shows, its
// title and headers, where its cells go and whether it sums money.

#include "plan/plan.h"

#include <QString>

#include <optional>
#include <span>

namespace jubilo {

enum class BlockKind {
    FourColumnList,  // B | C:D | E | F, with a total row
    ThreeColumnList,  // B:D | E | F, with a total row
    Timeline,  // B:C | D:E | F, with a header row and no total
};

// The titles and headers are English, marked for translation in the
// "PlanSheet" context and translated where the sheet shows them
// (sheetText); tests and the figures compare the English.
struct PlanBlock {
    const char* title;
    BlockKind kind;
    TableId table;
    // List blocks: the C:D header (four columns only), the E header and the
    // F header; the F header is "Budget: $" + the budget when one is named
    // (in the locale's currency and with the symbol on its side).
    // Timeline blocks: the B:C, D:E and F headers of the header row.
    const char* headers[3];
    std::optional<BudgetId> budget;
    bool currency;
    bool groupsNames;  // the first column names a run of equal names once
    char totalFillEnd;  // the total row's label fill runs from B to here
};

std::span<const PlanBlock> planBlocks();

// Column spans of the data cells, left to right ("B", "C:D" ...).
struct ColumnSpan {
    char first;
    char last;
};
std::span<const ColumnSpan> dataColumns(BlockKind kind);

// A title or header of the table above as the sheet shows it, in the
// program's language.
QString sheetText(const char* english);

}  // namespace jubilo
