#pragma once
// The totals of the plan sheet and the figures they stand for: each list
// block with a total (Guests and the five money lists), found by its title
// in column B and the first "Total:" in column B below it, whoever reads
// the sheet (the engine's cells, LibreOffice's CSV).

#include "figures/plan_figures.h"
#include "report/plan_blocks.h"

#include <QString>

#include <functional>
#include <vector>

namespace jubilo::testing {

// A block's title on the sheet and the figure its total must show.
struct BlockFigure {
    QString title;
    SheetSum figure;
};

// In the sheet's order: the guests' people invited, then each money list's
// spending.
inline std::vector<BlockFigure> blockFigures(const PlanFigures& figures)
{
    std::vector<BlockFigure> blocks;
    for (const PlanBlock& block : planBlocks()) {
        const QString title = QString::fromUtf8(block.title);
        if (block.table == TableId::Guests)
            blocks.push_back({title, figures.guests.invited});
        for (const MoneyFigures& money : figures.money) {
            if (money.table == block.table)
                blocks.push_back({title, money.spent});
        }
    }
    return blocks;
}

// The 1-based row of the "Total:" that closes the block titled `title`,
// reading column B's text of rows 1 to lastRow; 0 when the title or a total
// below it is missing.
inline int totalRowOf(const QString& title, int lastRow, const std::function<QString(int row)>& columnB)
{
    int row = 1;
    while (row <= lastRow && columnB(row) != title)
        ++row;
    while (row <= lastRow && columnB(row) != QStringLiteral("Total:"))
        ++row;
    return row <= lastRow ? row : 0;
}

}  // namespace jubilo::testing
