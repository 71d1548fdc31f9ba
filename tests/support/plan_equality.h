#pragma once
// Two plans compared as a test reports them: the first difference, named
// by table, row and column, or budget, or the date.

#include "plan/plan.h"

#include <gtest/gtest.h>

namespace jubilo::testing {

inline ::testing::AssertionResult sameTable(const PlanTable& actual, const PlanTable& expected)
{
    const std::string name = expected.spec().name;
    if (actual.rowCount() != expected.rowCount())
        return ::testing::AssertionFailure()
            << name << " has " << actual.rowCount() << " rows, not " << expected.rowCount();
    for (int position = 1; position <= expected.rowCount(); ++position) {
        for (int column = 0; column < expected.columnCount(); ++column) {
            const QString got = actual.cell(position, column);
            const QString want = expected.cell(position, column);
            if (got != want)
                return ::testing::AssertionFailure()
                    << name << " row " << position << " column " << column << " is \"" << got.left(60).toStdString()
                    << "\" (" << got.size() << " characters), not \"" << want.left(60).toStdString() << "\" ("
                    << want.size() << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult samePlan(const Plan& actual, const Plan& expected)
{
    for (const TableSpec& spec : tableSpecs()) {
        if (::testing::AssertionResult same = sameTable(actual.table(spec.id), expected.table(spec.id)); !same)
            return same;
    }
    for (const BudgetSpec& budget : budgetSpecs()) {
        if (actual.budget(budget.id) != expected.budget(budget.id))
            return ::testing::AssertionFailure()
                << budget.storeKey << " is \"" << actual.budget(budget.id).toStdString() << "\", not \""
                << expected.budget(budget.id).toStdString() << "\"";
    }
    if (actual.date() != expected.date())
        return ::testing::AssertionFailure()
            << "the date is \"" << actual.date().toStdString() << "\", not \"" << expected.date().toStdString() << "\"";
    return ::testing::AssertionSuccess();
}

}  // namespace jubilo::testing
