#include "plan/plan_change.h"

#include <algorithm>

namespace jubilo {

namespace {

void apply(Plan& plan, const PlanEdit& edit, bool forward)
{
    if (const auto* rows = std::get_if<RowsReplaced>(&edit)) {
        const std::vector<PlanRow>& from = forward ? rows->before : rows->after;
        const std::vector<PlanRow>& to = forward ? rows->after : rows->before;
        plan.table(rows->table).replaceRows(rows->position, static_cast<int>(from.size()), to);
    } else if (const auto* budget = std::get_if<BudgetChanged>(&edit)) {
        plan.setBudget(budget->id, forward ? budget->after : budget->before);
    } else {
        const auto& date = std::get<DateChanged>(edit);
        plan.setDate(forward ? date.after : date.before);
    }
}

// Applies edits [0, count) forwards, or backwards the other way; when one
// throws, those already applied are put back before the error goes on.
void applyAll(Plan& plan, const std::vector<PlanEdit>& edits, bool forward)
{
    const auto count = edits.size();
    std::size_t done = 0;
    try {
        for (; done < count; ++done)
            apply(plan, edits[forward ? done : count - 1 - done], forward);
    } catch (...) {
        while (done-- > 0)
            apply(plan, edits[forward ? done : count - 1 - done], !forward);
        throw;
    }
}

std::optional<RowsReplaced> rowsChange(TableId id, const std::vector<PlanRow>& before, const PlanTable& table)
{
    const std::span<const PlanRow> after = table.allRows();
    const SharedEnds ends = sharedEnds(before, after);
    if (ends.head == before.size() && ends.head == after.size())
        return std::nullopt;
    const auto middle = [&](std::span<const PlanRow> rows) {
        return std::vector<PlanRow>(rows.begin() + static_cast<std::ptrdiff_t>(ends.head),
                                    rows.end() - static_cast<std::ptrdiff_t>(ends.tail));
    };
    return RowsReplaced{id, static_cast<int>(ends.head) + 1, middle(before), middle(after)};
}

}  // namespace

void PlanChange::redo(Plan& plan) const { applyAll(plan, edits_, true); }

void PlanChange::undo(Plan& plan) const { applyAll(plan, edits_, false); }

std::vector<TableId> PlanChange::tables() const
{
    std::vector<TableId> ids;
    for (const PlanEdit& edit : edits_) {
        const auto* rows = std::get_if<RowsReplaced>(&edit);
        if (rows && std::find(ids.begin(), ids.end(), rows->table) == ids.end())
            ids.push_back(rows->table);
    }
    return ids;
}

std::vector<BudgetId> PlanChange::budgets() const
{
    std::vector<BudgetId> ids;
    for (const PlanEdit& edit : edits_) {
        const auto* budget = std::get_if<BudgetChanged>(&edit);
        if (budget && std::find(ids.begin(), ids.end(), budget->id) == ids.end())
            ids.push_back(budget->id);
    }
    return ids;
}

bool PlanChange::touchesDate() const
{
    return std::any_of(edits_.begin(), edits_.end(),
                       [](const PlanEdit& edit) { return std::holds_alternative<DateChanged>(edit); });
}

PlanSnapshot::PlanSnapshot(const Plan& plan)
    : PlanSnapshot(plan, tableIds())
{
}

PlanSnapshot::PlanSnapshot(const Plan& plan, std::span<const TableId> tables)
    : date_(plan.date())
{
    for (TableId id : tables) {
        const std::span<const PlanRow> rows = plan.table(id).allRows();
        rows_[static_cast<std::size_t>(id)] = std::vector<PlanRow>(rows.begin(), rows.end());
    }
    for (const BudgetSpec& budget : budgetSpecs())
        budgets_[static_cast<std::size_t>(budget.id)] = plan.budget(budget.id);
}

PlanChange PlanSnapshot::changeTo(const Plan& after) const
{
    PlanChange change;
    for (const TableSpec& spec : tableSpecs()) {
        const auto& before = rows_[static_cast<std::size_t>(spec.id)];
        if (!before)
            continue;
        if (std::optional<RowsReplaced> rows = rowsChange(spec.id, *before, after.table(spec.id)))
            change.add(std::move(*rows));
    }
    for (const BudgetSpec& budget : budgetSpecs()) {
        const QString& was = budgets_[static_cast<std::size_t>(budget.id)];
        if (was != after.budget(budget.id))
            change.add(BudgetChanged{budget.id, was, after.budget(budget.id)});
    }
    if (date_ != after.date())
        change.add(DateChanged{date_, after.date()});
    return change;
}

}  // namespace jubilo
