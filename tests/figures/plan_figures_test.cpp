// The figures follow their definitions: people invited and coming, each
// money list's spent, left and still to buy, and the party's totals.

#include "figures/plan_figures.h"
#include "host/engine/engine_typed_input.h"
#include "tests/support/sample_plans.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

class PlanFiguresTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    PlanFigures figuresOf(const Plan& plan) { return planFigures(plan, engineTypedInput()); }
};

TEST_F(PlanFiguresTest, PeopleComingSpentAndStillToBuyFollowTheirDefinitions)
{
    Plan plan;
    testing::appendRows(plan, TableId::Guests,
                        {{"Ann", "Elm St", "Yes", "2"},
                         {"Bob", "Oak St", "No", "3"},
                         {"Cy", "Ash St", "Yes", "some"},
                         {"Di", "Fir St", "yes", "1"}});
    testing::appendRows(plan, TableId::Music, {{"Dance", "CD", "No", "$9.99"}, {"Jazz", "LP", "Yes", "20"}});
    testing::appendRows(plan, TableId::OtherSupplies, {{"Lights", "No", "(5)"}, {"Cups", "No", "n/a"}});
    plan.setBudget(BudgetId::Music, "$1,200.50");
    plan.setBudget(BudgetId::OtherSupply, "plenty");

    const PlanFigures figures = figuresOf(plan);
    EXPECT_EQ(figures.guests.rows, 4);
    EXPECT_DOUBLE_EQ(figures.guests.invited.value, 6);
    EXPECT_DOUBLE_EQ(figures.guests.coming.value, 2) << "only \"Yes\" is coming, as the list shows it";
    EXPECT_EQ(figures.guests.comingRows, 2);
    EXPECT_EQ(figures.guests.rowsWithoutNumber, 1);

    const MoneyFigures& music = figures.money[0];
    ASSERT_EQ(music.table, TableId::Music);
    EXPECT_DOUBLE_EQ(*music.budget, 1200.5);
    EXPECT_DOUBLE_EQ(music.spent.value, 29.99);
    EXPECT_DOUBLE_EQ(*music.left(), 1200.5 - 29.99);
    EXPECT_DOUBLE_EQ(music.stillToBuy.value, 9.99);
    EXPECT_EQ(music.itemsToBuy, 1);

    const MoneyFigures& supplies = figures.money[3];
    ASSERT_EQ(supplies.table, TableId::OtherSupplies);
    EXPECT_FALSE(supplies.budget) << "a budget that reads as no amount is no budget";
    EXPECT_FALSE(supplies.left());
    EXPECT_DOUBLE_EQ(supplies.spent.value, -5);
    EXPECT_EQ(supplies.itemsToBuy, 2) << "an item without an amount is still to buy";
    EXPECT_EQ(supplies.rowsWithoutNumber, 1);

    EXPECT_DOUBLE_EQ(*figures.totalBudget(), 1200.5);
    EXPECT_DOUBLE_EQ(figures.totalSpent().value, 24.99);
    EXPECT_DOUBLE_EQ(figures.totalStillToBuy().value, 4.99);
    EXPECT_DOUBLE_EQ(*figures.totalLeft(), 1200.5 - 24.99);
    EXPECT_EQ(figures.itemsToBuy(), 3);
    EXPECT_FALSE(figuresOf(Plan()).totalBudget());
    EXPECT_FALSE(figuresOf(Plan()).totalLeft());
}

TEST_F(PlanFiguresTest, AnErrorValueOrAnOverflowMakesTheTotalAnErrorAsTheSheetsSumDoes)
{
    Plan plan;
    testing::appendRows(plan, TableId::Incidentals, {{"Tent", "No", "10"}, {"Chairs", "Yes", "#N/A"}});
    testing::appendRows(plan, TableId::Decorations, {{"A", "1", "Yes", "1e308"}, {"B", "1", "Yes", "1e308"}});
    plan.setBudget(BudgetId::Incidental, "100");
    const PlanFigures figures = figuresOf(plan);

    const MoneyFigures& incidentals = figures.money[4];
    EXPECT_EQ(incidentals.spent.error, "#N/A");
    EXPECT_FALSE(incidentals.left()) << "nothing is left of a budget against an error";
    EXPECT_FALSE(incidentals.stillToBuy.isError()) << "the error is in a row already bought";
    EXPECT_DOUBLE_EQ(incidentals.stillToBuy.value, 10);
    EXPECT_EQ(figures.money[1].spent.error, "#NUM!");
    EXPECT_EQ(figures.totalSpent().error, "#NUM!") << "the first error in the sheet's order";
}

}  // namespace
}  // namespace jubilo
