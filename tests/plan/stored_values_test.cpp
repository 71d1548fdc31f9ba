#include "plan/next_party.h"
#include "plan/saved_plan.h"
#include "plan/stored_values.h"
#include "plan/table_text.h"
#include "tests/support/plan_equality.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using testing::MemorySettingsStore;

const QDateTime kNow(QDate(2030, 1, 2), QTime(15, 0));
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

void runAll(const std::vector<PlanStep>& steps)
{
    for (const PlanStep& step : steps)
        step.run();
}

void writeAll(SettingsStore& store, const StoredValues& values)
{
    for (const auto& [key, text] : values)
        store.write(kStoreApplication, kStoreSection, key, text);
}

Plan loaded(SettingsStore& store)
{
    Plan plan;
    SavedPlan saved(store);
    runAll(saved.loadSteps(plan, kNow, kEnglish));
    return plan;
}

// The values are what saving the plan writes, key for key, in the order a
// load reads them.
TEST(StoredValuesTest, HoldWhatSavingThePlanWritesInLoadOrder)
{
    const Plan plan = testing::samplePlan();
    MemorySettingsStore saved;
    SavedPlan saver(saved);
    runAll(saver.saveSteps(plan));
    saver.writeDate(plan.date());
    for (const BudgetSpec& budget : budgetSpecs())
        saver.writeBudget(budget.id, plan.budget(budget.id));

    const StoredValues values = storedValues(plan);
    MemorySettingsStore written;
    writeAll(written, values);
    EXPECT_EQ(written.values, saved.values);

    Plan ignored;
    const std::vector<PlanStep> steps = SavedPlan(written).loadSteps(ignored, kNow, kEnglish);
    ASSERT_EQ(values.size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(values[i].first, steps[i].name);
}

TEST(StoredValuesTest, LoadBackAsTheSamePlan)
{
    Plan withIngredients = testing::samplePlan();
    withIngredients.table(TableId::Ingredients).append({"flour", "No", "2"});
    Plan blankRows;
    blankRows.table(TableId::Guests).append({"", "", "", ""});
    blankRows.table(TableId::Guests).append({"", "Elm St", "", ""});
    Plan emptyBudgetsAndDate = testing::planWithRows(3);
    emptyBudgetsAndDate.setBudget(BudgetId::Music, "");
    emptyBudgetsAndDate.setDate("");
    struct Case {
        const char* name;
        Plan plan;
        Plan expected;
    };
    const Case cases[] = {
        {"sample", testing::samplePlan(), testing::samplePlan()},
        {"the Ingredients list is left out", withIngredients, testing::samplePlan()},
        {"empty budgets and date", emptyBudgetsAndDate, emptyBudgetsAndDate},
        {"rows of empty cells", blankRows, blankRows},
        {"no rows at all", Plan(), Plan()},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        MemorySettingsStore store;
        writeAll(store, storedValues(test.plan));
        EXPECT_TRUE(testing::samePlan(loaded(store), test.expected));
    }
}

// A stored empty date is the user's empty date, not a missing one: only a
// store without a Date falls back to the clock.
TEST(StoredValuesTest, AnEmptyDateLoadsEmptyNotAsTheDefault)
{
    MemorySettingsStore store;
    writeAll(store, storedValues(Plan()));
    ASSERT_TRUE(store.contains(kDateKey));
    EXPECT_EQ(loaded(store).date(), "");

    MemorySettingsStore withoutDate;
    EXPECT_EQ(loaded(withoutDate).date(), defaultDateText(kNow, kEnglish));
}

// A table loaded from a store holding more rows than it can show keeps
// every stored row in the values, so that a copy of the plan loses none.
TEST(StoredValuesTest, AKeptTableGivesEveryStoredRow)
{
    const QString row
        = "Guest" + kCellSeparator + "Street" + kCellSeparator + "Yes" + kCellSeparator + "1" + kRowTerminator;
    const QString guests = row.repeated(PlanTable::kMaxRows + 2);
    MemorySettingsStore store;
    store.write(kStoreApplication, kStoreSection, "Guests", guests);
    store.write(kStoreApplication, kStoreSection, "Activities", "Games" + kCellSeparator + "8 PM" + kRowTerminator);
    Plan plan;
    SavedPlan saved(store);
    runAll(saved.loadSteps(plan, kNow, kEnglish));
    ASSERT_TRUE(saved.isKept(TableId::Guests));
    plan.table(TableId::Activities).append({"Dancing", "9 PM", ""});

    const StoredValues values = saved.storedValues(plan);
    MemorySettingsStore copy;
    writeAll(copy, values);
    EXPECT_TRUE(copy.value("Guests") == guests) << copy.value("Guests").size() << " characters";
    EXPECT_EQ(copy.value("Activities"), encodeTableText(plan.table(TableId::Activities)));
}

}  // namespace
}  // namespace jubilo
