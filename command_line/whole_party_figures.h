#pragma once
// The five money lists taken as one, the "whole party" of the summary: the
// budgets that are set, the amounts, the items still to buy and the rows,
// each summed in the sheet's order. Its left() is the plan's totalLeft(),
// so a list and the whole party are written by the same code.

#include "figures/plan_figures.h"

namespace jubilo {

// table and budgetId keep their defaults: the whole party is no one list.
MoneyFigures wholePartyFigures(const PlanFigures& figures);

}  // namespace jubilo
