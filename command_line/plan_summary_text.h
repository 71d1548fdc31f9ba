#pragma once
// The plan's figures as `jubilo --summary` prints them: a line for the
// guests, one for each money list in the sheet's order, and one for the
// whole party. Each line starts with what it is about ("Music: "), so a
// person reads it and a script finds it; amounts are written as the sheet
// and the status bar write them (figure_texts.h).

#include "figures/plan_figures.h"

#include <QString>

namespace jubilo {

// "Guests: 12 (20 people, 14 coming; 2 without a number in their party)"
QString guestSummaryLine(const GuestFigures& guests);
// "Music: $9.99 of $15.00 spent, $5.01 left; 1 item, $9.99 still to buy"
QString moneySummaryLine(const QString& label, const MoneyFigures& money);
// Every line, each ending in a newline, the whole party last.
QString planSummaryText(const PlanFigures& figures);

}  // namespace jubilo
