#pragma once
// Plans built around their amounts: rows whose amount (or, for a guest, the
// number in the party) is a given text, and a long plan whose amounts try
// the sums. Built from their texts and row numbers alone, so every run
// builds the same plan.

#include "figures/plan_figures.h"
#include "plan/plan.h"

#include <QStringList>

namespace jubilo::testing {

// Appends one row per text to the guests or a money list, the text as its
// amount (a guest's number in the party); its other cells are a word, and
// its "RSVP?" or "Purchased?" is yesNo.
inline void appendAmounts(Plan& plan, TableId table, const QStringList& amounts, const QString& yesNo = "Yes")
{
    const MoneyTableSpec* moneyList = moneyTableSpec(table);
    const int amountColumn = moneyList ? moneyList->amountColumn : kGuestCountColumn;
    const int yesNoColumn = moneyList ? moneyList->purchasedColumn : kGuestRsvpColumn;
    for (const QString& amount : amounts) {
        PlanRow row(amountColumn + 1, QStringLiteral("Item"));
        row[yesNoColumn] = yesNo;
        row[amountColumn] = amount;
        plan.table(table).append(row);
    }
}

// Cents that binary fractions do not hold exactly (0.1, 0.2, 0.7),
// negatives written with a sign and in parentheses, money with "$" and
// thousands separators, padded numbers, and rows that add nothing (words,
// "Yes"/"No", empty). Every amount is whole cents, so any two ways of
// adding them round to the same cent.
inline const QStringList kVariedAmounts = {
    "0.10", "0.20", "0.70",  "$1,234.56", "-3.30",    "(4.40)", "ten",   "",        "Yes",
    "No",   "0.1",  "$0.07", " 12.34 ",   "1,000.01", "-0.01",  "99.99", "($2.50)",
};
inline const QStringList kVariedCounts = {"1", "2", "0.5", "", "some", "-1", "(2)", "3", "1,000", "Yes", "No", "0.1"};

// The text at row i of a cycle, each table starting elsewhere in it; 7 and
// the cycles' lengths share no factor, so every text comes in every table.
inline QString variedText(const QStringList& cycle, int row, int table)
{
    return cycle[(row * 7 + table * 5) % cycle.size()];
}

// rowsPerTable rows in the guests and in every money list, "RSVP?" and
// "Purchased?" unevenly "Yes" and "No".
inline Plan variedAmountsPlan(int rowsPerTable)
{
    Plan plan;
    for (int i = 0; i < rowsPerTable; ++i) {
        const QString yesNo = i % 3 == 0 ? "Yes" : "No";
        appendAmounts(plan, TableId::Guests, {variedText(kVariedCounts, i, 0)}, yesNo);
        int table = 1;
        for (const MoneyTableSpec& moneyList : moneyTableSpecs())
            appendAmounts(plan, moneyList.table, {variedText(kVariedAmounts, i, table++)}, yesNo);
    }
    return plan;
}

}  // namespace jubilo::testing
