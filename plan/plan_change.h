#pragma once
// One change to a plan as the undo history keeps it: each edit holds what
// its part of the plan was before and what it became, so the change can be
// undone and done again exactly.

#include "plan/plan.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace jubilo {

// The rows from `position` (1-based) were `before` and became `after`: an
// added row has nothing before it, a deleted one nothing after, an edited
// or moved one both.
struct RowsReplaced {
    TableId table;
    int position;
    std::vector<PlanRow> before;
    std::vector<PlanRow> after;
};

struct BudgetChanged {
    BudgetId id;
    QString before;
    QString after;
};

struct DateChanged {
    QString before;
    QString after;
};

using PlanEdit = std::variant<RowsReplaced, BudgetChanged, DateChanged>;

class PlanChange {
public:
    void add(PlanEdit edit) { edits_.push_back(std::move(edit)); }
    bool isEmpty() const { return edits_.empty(); }
    const std::vector<PlanEdit>& edits() const { return edits_; }

    // The edits in order, each from its `before` to its `after`; undo()
    // runs them backwards the other way. Each leaves the plan as it found
    // it when it throws (a table too full to take the rows back).
    void redo(Plan& plan) const;
    void undo(Plan& plan) const;

    // What the change touches, each once, in the order of the edits.
    std::vector<TableId> tables() const;
    std::vector<BudgetId> budgets() const;
    bool touchesDate() const;

private:
    std::vector<PlanEdit> edits_;
};

// The plan as it stood before a change, to tell what the change did. Rows
// are shared with the plan, not copied, so taking one costs little.
class PlanSnapshot {
public:
    // All nine tables, or only those named.
    explicit PlanSnapshot(const Plan& plan);
    PlanSnapshot(const Plan& plan, std::span<const TableId> tables);

    // Each table's changed rows as one RowsReplaced (the rows between the
    // first and the last that differ), then the budgets and the date that
    // differ. Empty when nothing changed.
    PlanChange changeTo(const Plan& after) const;

private:
    std::array<std::optional<std::vector<PlanRow>>, kTableCount> rows_;
    std::array<QString, kBudgetCount> budgets_;
    QString date_;
};

}  // namespace jubilo
