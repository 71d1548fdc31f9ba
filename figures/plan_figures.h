#pragma once
// The figures a planner asks for every day, one definition used everywhere
// (status bar, glance window, command line): how many people are coming,
// each money list's budget against what it spends, and what is still to
// buy. Amounts, counts and budgets are read as the host's sheet reads them
// when the report types them into its cells, so the figures agree with the
// sheet's totals to the cent. An amount typed as a formula is not worked
// out here: it counts as a row without a number.

#include "figures/sheet_sum.h"
#include "plan/plan.h"

#include <array>
#include <optional>
#include <span>

namespace jubilo {

struct GuestFigures {
    int rows = 0;
    SheetSum invited;  // "Number in Party" over every guest: the sheet's Guests total
    SheetSum coming;  // ...over the guests whose "RSVP?" is "Yes"
    int comingRows = 0;
    int rowsWithoutNumber = 0;  // whose count adds nothing
};

struct MoneyFigures {
    TableId table = TableId::Music;
    BudgetId budgetId = BudgetId::Music;
    std::optional<double> budget;  // none: the budget text reads as no amount
    int rows = 0;
    SheetSum spent;  // the table's amounts: the sheet's "Total:"
    SheetSum stillToBuy;  // the amounts of the rows whose "Purchased?" is "No"
    int itemsToBuy = 0;
    int rowsWithoutNumber = 0;  // whose amount adds nothing

    // Budget minus spent; none without a budget or when spent is an error.
    std::optional<double> left() const;
};

inline constexpr int kMoneyTableCount = 5;

// A money list, its budget and its columns.
struct MoneyTableSpec {
    TableId table;
    BudgetId budget;
    int purchasedColumn;  // "Purchased?", 0-based
    int amountColumn;
};
// In the sheet's order of blocks.
const std::array<MoneyTableSpec, kMoneyTableCount>& moneyTableSpecs();
// The money list that table is, or null.
const MoneyTableSpec* moneyTableSpec(TableId table);

// The guests' columns, 0-based.
inline constexpr int kGuestRsvpColumn = 2;
inline constexpr int kGuestCountColumn = 3;

struct PlanFigures {
    GuestFigures guests;
    std::array<MoneyFigures, kMoneyTableCount> money;  // in the sheet's order

    // The five lists together; the budget sums those that have one.
    std::optional<double> totalBudget() const;
    SheetSum totalSpent() const;
    SheetSum totalStillToBuy() const;
    int itemsToBuy() const;
    // Total budget minus total spent; none without any budget or with an error.
    std::optional<double> totalLeft() const;
    // The five lists taken as one, with the rows of all of them; its table
    // and budgetId keep their defaults, for it is no one list.
    MoneyFigures wholeParty() const;
};

// What the figures need of one row of the guests or of a money list.
struct FigureRow {
    HostTypedValue amount;  // the amount, or for a guest the number in the party
    bool counted = false;  // a guest who is coming, an item not yet bought
};
FigureRow guestFigureRow(const PlanRow& row, const HostTypedInput& reader);
FigureRow moneyFigureRow(const PlanRow& row, const MoneyTableSpec& spec, const HostTypedInput& reader);

// The sums of rows so read, in the sheet's order; the budget is left as it is.
void sumGuests(GuestFigures& figures, std::span<const FigureRow> rows);
void sumMoney(MoneyFigures& figures, std::span<const FigureRow> rows);

// The figures of a whole plan, read afresh.
PlanFigures planFigures(const Plan& plan, const HostTypedInput& reader);

// A budget text read as an amount; none when it does not read as one.
std::optional<double> budgetAmount(const QString& text, const HostTypedInput& reader);

}  // namespace jubilo
