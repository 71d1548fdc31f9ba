#include "command_line/whole_party_figures.h"

namespace jubilo {

MoneyFigures wholePartyFigures(const PlanFigures& figures)
{
    MoneyFigures whole;
    whole.budget = figures.totalBudget();
    whole.spent = figures.totalSpent();
    whole.stillToBuy = figures.totalStillToBuy();
    whole.itemsToBuy = figures.itemsToBuy();
    for (const MoneyFigures& money : figures.money) {
        whole.rows += money.rows;
        whole.rowsWithoutNumber += money.rowsWithoutNumber;
    }
    return whole;
}

}  // namespace jubilo
