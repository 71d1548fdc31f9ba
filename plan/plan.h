#pragma once
// A whole party plan: the nine tables, five budget texts and the date text.

#include "plan/plan_tables.h"

#include <QString>

#include <array>
#include <span>

namespace jubilo {

enum class BudgetId { Music, Decoration, Incidental, Food, OtherSupply };

inline constexpr int kBudgetCount = 5;

struct BudgetSpec {
    BudgetId id;
    const char* storeKey;
    TableId table;  // the table whose tab shows it
};

// In the order the saved plan loads them.
std::span<const BudgetSpec> budgetSpecs();
const BudgetSpec& budgetSpec(BudgetId id);

class Plan {
public:
    Plan();

    PlanTable& table(TableId id) { return tables_[index(id)]; }
    const PlanTable& table(TableId id) const { return tables_[index(id)]; }

    QString budget(BudgetId id) const { return budgets_[static_cast<size_t>(id)]; }
    void setBudget(BudgetId id, const QString& text) { budgets_[static_cast<size_t>(id)] = text; }

    QString date() const { return date_; }
    void setDate(const QString& text) { date_ = text; }

private:
    static size_t index(TableId id) { return static_cast<size_t>(id); }

    std::array<PlanTable, kTableCount> tables_;
    std::array<QString, kBudgetCount> budgets_;
    QString date_;
};

}  // namespace jubilo
