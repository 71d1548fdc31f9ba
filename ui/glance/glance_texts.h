#pragma once
// The glance window's figures in words: the guests' lines, the cells of the
// budget table and the chart's sentences. Over budget is always said in
// words and with a sign, never by colour alone.

#include "figures/plan_figures.h"

#include <QString>

namespace jubilo {

// "12 guests · 20 people invited, 14 coming".
QString guestsLine(const GuestFigures& guests);
// "2 guests without a number in their party are not counted"; empty when
// every guest's number counts.
QString uncountedGuestsLine(const GuestFigures& guests);

// A list's budget, or "no budget".
QString budgetText(const std::optional<double>& budget);
// What is left of the budget: "$5.01", "⚠ $100.00 over", the error the
// spending shows, or "—" without a budget.
QString leftText(const SheetSum& spent, const std::optional<double>& budget);
// "$310.00 (5 items)", "$9.99 (1 item)".
QString stillToBuyText(const SheetSum& stillToBuy, int items);

// The name of the list, as the plan speaks of it.
QString listName(const MoneyFigures& money);
// One sentence of the chart's text alternative: "Music: $9.99 of $15.00 spent."
QString chartSentence(const MoneyFigures& money);
// The chart in words: one sentence per list, in the sheet's order.
QString chartDescription(const PlanFigures& figures);

}  // namespace jubilo
