#include "plan/next_party.h"
#include "tests/support/plan_equality.h"
#include "tests/support/sample_plans.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

// Counts what a table tells its view.
class CountingObserver : public PlanTableObserver {
public:
    void rowsAboutToBeInserted(int, int) override { ++calls; }
    void rowsInserted() override { ++calls; }
    void rowsAboutToBeRemoved(int, int) override { ++calls; }
    void rowsRemoved() override { ++calls; }
    void cellChanged(int, int) override { ++calls; }
    void rowAboutToMove(int, int) override { ++calls; }
    void rowMoved() override { ++calls; }
    int calls = 0;
};

// The sample plan for the next party: the same rows, no one answered yet
// and nothing bought, the same budgets, no date.
Plan expectedNextSampleParty()
{
    Plan plan;
    testing::appendRows(plan, TableId::Guests, {{"John", "NY City", "No", "1"}});
    testing::appendRows(plan, TableId::Music, {{"Dance", "CD", "No", "9.99"}});
    testing::appendRows(plan, TableId::Decorations, {{"Garland", "3", "No", "3.04"}});
    testing::appendRows(plan, TableId::Incidentals, {{"Other", "No", "0.00"}});
    testing::appendRows(plan, TableId::FoodAndDrinks, {{"Barbeque", "Meat", "No", "20.00"}});
    testing::appendRows(plan, TableId::OtherSupplies, {{"Lights", "No", "14.99"}});
    testing::appendRows(plan, TableId::Schedules, {{"Buy meals", "11:10 AM", "Nearest store"}});
    testing::appendRows(plan, TableId::Activities, {{"Dancing", "07:00 PM", "If guests want to"}});
    plan.setBudget(BudgetId::Music, "15.00");
    plan.setBudget(BudgetId::Decoration, "25.00");
    plan.setBudget(BudgetId::Incidental, "20.00");
    plan.setBudget(BudgetId::Food, "50.00");
    plan.setBudget(BudgetId::OtherSupply, "30.00");
    return plan;
}

TEST(NextPartyTest, TheSamplePlanStartsOverUnansweredAndUnbought)
{
    Plan sample = testing::samplePlan();
    sample.table(TableId::Ingredients).append({"flour", "Yes", "2"});
    CountingObserver observer;
    for (const TableSpec& spec : tableSpecs())
        sample.table(spec.id).setObserver(&observer);

    const Plan next = nextPartyFrom(sample);

    EXPECT_TRUE(testing::samePlan(next, expectedNextSampleParty()));
    EXPECT_EQ(observer.calls, 0) << "the plan on screen was told of changes to its copy";
    sample.table(TableId::Ingredients).setObserver(nullptr);
    EXPECT_EQ(sample.table(TableId::Guests).cell(1, 2), "Yes");  // the plan itself stays as it was
}

// Whatever a yes/no cell held, blank or typed, it is "No" now; every other
// cell, spaces and all, stays as it was.
TEST(NextPartyTest, EveryRsvpAndPurchasedCellIsNoAndNothingElseChanges)
{
    Plan plan;
    const QStringList answers = {"Yes", "", "no", " Yes ", "maybe"};
    for (const QString& answer : answers) {
        plan.table(TableId::Guests).append({" Ann ", "", answer, "2"});
        plan.table(TableId::FoodAndDrinks).append({"Cake", "Flour, eggs", answer, "1,000.10"});
        plan.table(TableId::OtherSupplies).append({"Lights", answer, ""});
        plan.table(TableId::Schedules).append({"Yes", "Yes", answer});
    }
    const Plan next = nextPartyFrom(plan);
    for (const TableSpec& spec : tableSpecs()) {
        SCOPED_TRACE(spec.name);
        const PlanTable& table = next.table(spec.id);
        ASSERT_EQ(table.rowCount(), spec.id == TableId::Ingredients ? 0 : plan.table(spec.id).rowCount());
        for (int position = 1; position <= table.rowCount(); ++position) {
            for (int column = 0; column < table.columnCount(); ++column) {
                const bool yesNo = table.header(column) == "RSVP?" || table.header(column) == "Purchased?";
                EXPECT_EQ(table.cell(position, column), yesNo ? "No" : plan.table(spec.id).cell(position, column))
                    << "row " << position << " column " << column;
            }
        }
    }
}

}  // namespace
}  // namespace jubilo
