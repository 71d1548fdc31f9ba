#include "figures/plan_figures.h"

#include "plan/answers.h"

#include <algorithm>

namespace jubilo {

namespace {

const std::array<MoneyTableSpec, kMoneyTableCount> kMoneyTables = {{
    {TableId::Music, BudgetId::Music, 2, 3},
    {TableId::Decorations, BudgetId::Decoration, 2, 3},
    {TableId::FoodAndDrinks, BudgetId::Food, 2, 3},
    {TableId::OtherSupplies, BudgetId::OtherSupply, 1, 2},
    {TableId::Incidentals, BudgetId::Incidental, 1, 2},
}};

const QString kYes = QString::fromLatin1(kYesAnswer);
const QString kNo = QString::fromLatin1(kNoAnswer);

std::vector<FigureRow> readRows(const PlanTable& table, const auto& readRow)
{
    std::vector<FigureRow> rows;
    rows.reserve(static_cast<std::size_t>(table.rowCount()));
    for (const PlanRow& row : table.allRows())
        rows.push_back(readRow(row));
    return rows;
}

}  // namespace

const std::array<MoneyTableSpec, kMoneyTableCount>& moneyTableSpecs() { return kMoneyTables; }

const MoneyTableSpec* moneyTableSpec(TableId table)
{
    const auto found = std::find_if(kMoneyTables.begin(), kMoneyTables.end(),
                                    [table](const MoneyTableSpec& spec) { return spec.table == table; });
    return found == kMoneyTables.end() ? nullptr : &*found;
}

FigureRow guestFigureRow(const PlanRow& row, const HostTypedInput& reader)
{
    return {reader.read(row.value(kGuestCountColumn)), row.value(kGuestRsvpColumn) == kYes};
}

FigureRow moneyFigureRow(const PlanRow& row, const MoneyTableSpec& spec, const HostTypedInput& reader)
{
    return {reader.read(row.value(spec.amountColumn)), row.value(spec.purchasedColumn) == kNo};
}

void sumGuests(GuestFigures& figures, std::span<const FigureRow> rows)
{
    figures = GuestFigures{};
    figures.rows = static_cast<int>(rows.size());
    for (const FigureRow& row : rows) {
        figures.invited.add(row.amount);
        if (row.counted) {
            figures.coming.add(row.amount);
            ++figures.comingRows;
        }
        if (row.amount.kind != HostTypedValue::Kind::Number)
            ++figures.rowsWithoutNumber;
    }
    figures.invited.finish();
    figures.coming.finish();
}

void sumMoney(MoneyFigures& figures, std::span<const FigureRow> rows)
{
    figures.rows = static_cast<int>(rows.size());
    figures.spent = {};
    figures.stillToBuy = {};
    figures.itemsToBuy = 0;
    figures.rowsWithoutNumber = 0;
    for (const FigureRow& row : rows) {
        figures.spent.add(row.amount);
        if (row.counted) {
            figures.stillToBuy.add(row.amount);
            ++figures.itemsToBuy;
        }
        if (row.amount.kind != HostTypedValue::Kind::Number)
            ++figures.rowsWithoutNumber;
    }
    figures.spent.finish();
    figures.stillToBuy.finish();
}

std::optional<double> budgetAmount(const QString& text, const HostTypedInput& reader)
{
    const HostTypedValue value = reader.read(text);
    if (value.kind != HostTypedValue::Kind::Number)
        return std::nullopt;
    return value.number;
}

std::optional<double> MoneyFigures::left() const
{
    if (!budget || spent.isError())
        return std::nullopt;
    return *budget - spent.value;
}

std::optional<double> PlanFigures::totalBudget() const
{
    std::optional<double> total;
    for (const MoneyFigures& figures : money) {
        if (figures.budget)
            total = total.value_or(0) + *figures.budget;
    }
    return total;
}

SheetSum PlanFigures::totalSpent() const
{
    SheetSum total;
    for (const MoneyFigures& figures : money)
        total.add(figures.spent);
    total.finish();
    return total;
}

SheetSum PlanFigures::totalStillToBuy() const
{
    SheetSum total;
    for (const MoneyFigures& figures : money)
        total.add(figures.stillToBuy);
    total.finish();
    return total;
}

int PlanFigures::itemsToBuy() const
{
    int items = 0;
    for (const MoneyFigures& figures : money)
        items += figures.itemsToBuy;
    return items;
}

std::optional<double> PlanFigures::totalLeft() const { return wholeParty().left(); }

MoneyFigures PlanFigures::wholeParty() const
{
    MoneyFigures whole;
    whole.budget = totalBudget();
    whole.spent = totalSpent();
    whole.stillToBuy = totalStillToBuy();
    whole.itemsToBuy = itemsToBuy();
    for (const MoneyFigures& list : money) {
        whole.rows += list.rows;
        whole.rowsWithoutNumber += list.rowsWithoutNumber;
    }
    return whole;
}

PlanFigures planFigures(const Plan& plan, const HostTypedInput& reader)
{
    PlanFigures figures;
    sumGuests(figures.guests,
              readRows(plan.table(TableId::Guests), [&](const PlanRow& row) { return guestFigureRow(row, reader); }));
    for (std::size_t i = 0; i < kMoneyTables.size(); ++i) {
        const MoneyTableSpec& spec = kMoneyTables[i];
        MoneyFigures& money = figures.money[i];
        money.table = spec.table;
        money.budgetId = spec.budget;
        money.budget = budgetAmount(plan.budget(spec.budget), reader);
        sumMoney(money, readRows(plan.table(spec.table), [&](const PlanRow& row) {
                     return moneyFigureRow(row, spec, reader);
                 }));
    }
    return figures;
}

}  // namespace jubilo
