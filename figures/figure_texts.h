#pragma once
// The figures as words and amounts, the same in the status bar, the glance
// window and the command line's summary.

#include "figures/plan_figures.h"

#include <QString>

namespace jubilo {

// "$1,234.00", "-$5.00" (US English), "1.234,00 €" (German): as the sheet's
// money format shows an amount in the program's locale (QLocale()).
QString moneyText(double amount);
// A sum as money, or the error its total shows.
QString moneyText(const SheetSum& sum);
// A count of people: "20", "2.5" ("2,5" in German), or the error.
QString peopleText(const SheetSum& sum);
// "1 person", "20 people", "#N/A people".
QString peopleCount(const SheetSum& people);
// A count of rows, guests or items: "12", "1,500" ("1.500" in German).
QString countText(int count);
// "1 guest", "12 guests"; "1 item", "5 items".
QString guestCountText(int guests);
QString itemCountText(int items);

// One line for the whole plan: "12 guests · 20 people, 14 coming ·
// $1,234.00 of $2,000.00 spent · 5 items, $310.00 still to buy". Over
// budget it says so in words and with a sign, not by colour alone.
QString planSummaryLine(const PlanFigures& figures);
// The spending part of it alone: "$1,234.00 of $2,000.00 spent".
QString spendingText(const SheetSum& spent, const std::optional<double>& budget);
bool isOverBudget(const SheetSum& spent, const std::optional<double>& budget);
// The buying part of it: "5 items, $310.00 still to buy".
QString stillToBuyText(int items, const SheetSum& amount);

}  // namespace jubilo
