#include "plan/stored_values.h"

#include "plan/saved_plan.h"
#include "plan/table_text.h"

namespace jubilo {

StoredValues storedValues(const Plan& plan)
{
    StoredValues values;
    for (TableId id : SavedPlan::tableOrder()) {
        const PlanTable& table = plan.table(id);
        values.emplace_back(QString::fromUtf8(table.spec().storeKey), encodeTableText(table));
    }
    values.emplace_back(kDateKey, plan.date());
    for (const BudgetSpec& budget : budgetSpecs())
        values.emplace_back(QString::fromUtf8(budget.storeKey), plan.budget(budget.id));
    return values;
}

}  // namespace jubilo
