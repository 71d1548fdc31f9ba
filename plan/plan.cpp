#include "plan/plan.h"

#include <stdexcept>

namespace jubilo {

namespace {

constexpr BudgetSpec kBudgets[kBudgetCount] = {
    {BudgetId::Decoration, "Decoration Budget", TableId::Decorations},
    {BudgetId::Food, "Food Budget", TableId::FoodAndDrinks},
    {BudgetId::Incidental, "Incidental Budget", TableId::Incidentals},
    {BudgetId::Music, "Music Budget", TableId::Music},
    {BudgetId::OtherSupply, "Other Supply Budget", TableId::OtherSupplies},
};

}  // namespace

std::span<const BudgetSpec> budgetSpecs() { return kBudgets; }

const BudgetSpec& budgetSpec(BudgetId id)
{
    for (const BudgetSpec& spec : kBudgets) {
        if (spec.id == id)
            return spec;
    }
    throw std::out_of_range("Unknown budget");
}

// TableId values follow the order of tableSpecs(), so entry i is table i.
Plan::Plan()
    : tables_{PlanTable(tableSpecs()[0]), PlanTable(tableSpecs()[1]), PlanTable(tableSpecs()[2]),
              PlanTable(tableSpecs()[3]), PlanTable(tableSpecs()[4]), PlanTable(tableSpecs()[5]),
              PlanTable(tableSpecs()[6]), PlanTable(tableSpecs()[7]), PlanTable(tableSpecs()[8])}
{
}

}  // namespace jubilo
