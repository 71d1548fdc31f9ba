#include "plan/next_party.h"

#include "plan/answers.h"
#include "plan/saved_plan.h"

#include <vector>

namespace jubilo {

namespace {

const QString kNo = QString::fromLatin1(kNoAnswer);

std::vector<PlanRow> unansweredRows(const PlanTable& table)
{
    std::vector<int> yesNo;
    for (int column = 0; column < table.columnCount(); ++column) {
        if (table.spec().columns[static_cast<size_t>(column)].kind == CellKind::YesNo)
            yesNo.push_back(column);
    }
    std::vector<PlanRow> rows;
    rows.reserve(static_cast<size_t>(table.rowCount()));
    for (int position = 1; position <= table.rowCount(); ++position) {
        PlanRow row = table.row(position);
        for (int column : yesNo)
            row[column] = kNo;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

// A new Plan rather than a copy: the tables of a plan on screen tell their
// views of every change, and a copy would tell them too.
Plan nextPartyFrom(const Plan& plan)
{
    Plan next;
    for (TableId id : SavedPlan::tableOrder())
        next.table(id).appendRows(unansweredRows(plan.table(id)));
    for (const BudgetSpec& budget : budgetSpecs())
        next.setBudget(budget.id, plan.budget(budget.id));
    next.setDate(QString());
    return next;
}

}  // namespace jubilo
