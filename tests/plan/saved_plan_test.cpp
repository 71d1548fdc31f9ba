#include "plan/saved_plan.h"
#include "plan/table_text.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using testing::MemorySettingsStore;

const QString S = kCellSeparator;
const QString T = kRowTerminator;

void runAll(const std::vector<PlanStep>& steps)
{
    for (const PlanStep& step : steps)
        step.run();
}

TEST(DefaultDateTextTest, YearMonthDayAndTwelveHourClock)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QDate day(2021, 8, 31);
    EXPECT_EQ(defaultDateText(QDateTime(day, QTime(21, 0)), english), "2021 | August 31 | 09 PM");
    EXPECT_EQ(defaultDateText(QDateTime(QDate(2024, 1, 5), QTime(0, 30)), english), "2024 | January 05 | 12 AM");
    EXPECT_EQ(defaultDateText(QDateTime(day, QTime(12, 59)), english), "2021 | August 31 | 12 PM");
    EXPECT_EQ(defaultDateText(QDateTime(day, QTime(11, 59)), english), "2021 | August 31 | 11 AM");

    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(defaultDateText(QDateTime(QDate(2021, 12, 3), QTime(9, 0)), german),
              "2021 | Dezember 03 | 09 " + german.amText());
}

class SavedPlanTest : public ::testing::Test {
protected:
    MemorySettingsStore store;
    SavedPlan saved{store};
    Plan plan;
    const QDateTime now{QDate(2021, 8, 31), QTime(21, 0)};
    const QLocale english{QLocale::English, QLocale::UnitedStates};
};

TEST_F(SavedPlanTest, SaveWritesEveryStoredTableInOrderEvenWhenEmpty)
{
    plan.table(TableId::Schedules).append({"A", "B", "C"});
    plan.table(TableId::Ingredients).append({"flour", "No", "2"});
    runAll(saved.saveSteps(plan));
    const std::vector<QString> expected = {"Guests",          "Musics",         "Decorations", "Incidentals",
                                           "Food And Drinks", "Other Supplies", "Schedules",   "Activities"};
    EXPECT_EQ(store.writtenKeys, expected);
    EXPECT_EQ(store.value("Guests"), "");
    EXPECT_TRUE(store.contains("Guests"));
    EXPECT_EQ(store.value("Schedules"), "A" + S + "B" + S + "C" + T);
}

TEST_F(SavedPlanTest, LoadFillsTablesDateAndBudgetsInOrder)
{
    store.write("Tarvel", "Jubilo", "Guests", "Ann" + S + "Elm" + T + "Bob" + S + "Oak" + S + "Yes" + S + "2" + T);
    store.write("Tarvel", "Jubilo", "Food And Drinks", "Cake" + S + "Flour" + S + "No" + S + "3.5" + T);
    store.write("Tarvel", "Jubilo", "Food Budget", "100");
    store.write("Tarvel", "Jubilo", "Date", "next Friday");
    store.writtenKeys.clear();

    const auto steps = saved.loadSteps(plan, now, english);
    EXPECT_EQ(int(steps.size()), kLoadStepCount);
    std::vector<QString> names;
    for (const PlanStep& step : steps)
        names.push_back(step.name);
    const std::vector<QString> expected = {"Guests",
                                           "Musics",
                                           "Decorations",
                                           "Incidentals",
                                           "Food And Drinks",
                                           "Other Supplies",
                                           "Schedules",
                                           "Activities",
                                           "Date",
                                           "Decoration Budget",
                                           "Food Budget",
                                           "Incidental Budget",
                                           "Music Budget",
                                           "Other Supply Budget"};
    EXPECT_EQ(names, expected);
    runAll(steps);

    const PlanTable& guests = plan.table(TableId::Guests);
    ASSERT_EQ(guests.rowCount(), 2);
    EXPECT_EQ(guests.row(1), (PlanRow{"Ann", "Elm", "", ""}));
    EXPECT_EQ(guests.cell(2, 2), "Yes");
    EXPECT_EQ(plan.table(TableId::FoodAndDrinks).cell(1, 3), "3.5");
    EXPECT_EQ(plan.table(TableId::Ingredients).rowCount(), 0);
    EXPECT_EQ(plan.date(), "next Friday");
    EXPECT_EQ(plan.budget(BudgetId::Food), "100");
    EXPECT_EQ(plan.budget(BudgetId::Music), "");
    EXPECT_TRUE(store.writtenKeys.empty()) << "loading must not write";
}

TEST_F(SavedPlanTest, MissingDateFollowsTheClock)
{
    runAll(saved.loadSteps(plan, now, english));
    EXPECT_EQ(plan.date(), "2021 | August 31 | 09 PM");
}

TEST_F(SavedPlanTest, LoadThenSaveWritesBackTheSameTexts)
{
    const QString guests = "Ann" + S + "Elm" + S + "Yes" + S + "2" + T + "Bob" + S + S + S + T;
    const QString activities = "Games" + S + "8 PM" + S + "bring cards" + T;
    store.write("Tarvel", "Jubilo", "Guests", guests);
    store.write("Tarvel", "Jubilo", "Activities", activities);
    runAll(saved.loadSteps(plan, now, english));
    runAll(saved.saveSteps(plan));
    EXPECT_EQ(store.value("Guests"), guests);
    EXPECT_EQ(store.value("Activities"), activities);
}

TEST_F(SavedPlanTest, TableWithASeparatorIsRefusedAndTheStoredTextKept)
{
    store.write("Tarvel", "Jubilo", "Schedules", "old" + S + S + T);
    plan.table(TableId::Schedules).append({"A", "B||MySeparator11||", "C"});
    EXPECT_THROW(saved.saveTable(plan.table(TableId::Schedules)), SeparatorInTextError);
    EXPECT_EQ(store.value("Schedules"), "old" + S + S + T);
}

QString guestRows(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QString::number(i) + S + "Elm St" + S + "Yes" + S + "1" + T;
    return text;
}

// A stored table longer than a table can hold shows its first rows, and its
// stored text is never written over while that is so: nothing is lost.
TEST_F(SavedPlanTest, ATableStoredLongerThanItsLimitIsShownCutAndKeptWhole)
{
    const int stored = PlanTable::kMaxRows + 7235;
    const QString whole = guestRows(stored);
    store.write("Tarvel", "Jubilo", "Guests", whole);
    store.write("Tarvel", "Jubilo", "Musics", "Waltz" + S + "CD" + S + "No" + S + "3" + T);
    runAll(saved.loadSteps(plan, now, english));

    const PlanTable& guests = plan.table(TableId::Guests);
    ASSERT_EQ(guests.rowCount(), PlanTable::kMaxRows);
    EXPECT_EQ(guests.cell(PlanTable::kMaxRows, 0), QString::number(PlanTable::kMaxRows));
    ASSERT_EQ(saved.keptTables().size(), 1u);
    EXPECT_EQ(saved.keptTables()[0].id, TableId::Guests);
    EXPECT_EQ(saved.keptTables()[0].storedRows, stored);
    EXPECT_TRUE(saved.isKept(TableId::Guests));
    EXPECT_FALSE(saved.isKept(TableId::Music));

    plan.table(TableId::Guests).removeAt(1);
    plan.table(TableId::Music).append({"Tango", "LP", "Yes", "4"});
    runAll(saved.saveSteps(plan));
    EXPECT_EQ(store.value("Guests"), whole);
    EXPECT_EQ(decodeTableText(store.value("Musics"), 4).size(), 2u) << "other tables are saved as ever";

    const QString message = keptTablesMessage(saved.keptTables(), "/home/ann/.config/Tarvel.ini");
    for (const char* part : {"Guests list holds 40002 rows", "first 32767 are shown", "kept in the store unchanged",
                             "/home/ann/.config/Tarvel.ini", "\"Guests\" entry"})
        EXPECT_TRUE(message.contains(QString::fromUtf8(part))) << part << " not in: " << message.toStdString();
    EXPECT_TRUE(message.contains("in the settings store."));

    const QString inFile = keptTablesMessage(saved.keptTables(), "/home/ann/party.jubilo", true);
    EXPECT_TRUE(inFile.contains("holds 40002 rows in the plan file.")) << inFile.toStdString();
    EXPECT_TRUE(inFile.contains("make a copy of the plan file (/home/ann/party.jubilo)")) << inFile.toStdString();
    EXPECT_FALSE(inFile.contains("settings")) << inFile.toStdString();
}

TEST_F(SavedPlanTest, ATableStoredAtItsLimitIsNotKept)
{
    store.write("Tarvel", "Jubilo", "Guests", guestRows(PlanTable::kMaxRows));
    runAll(saved.loadSteps(plan, now, english));
    EXPECT_EQ(plan.table(TableId::Guests).rowCount(), PlanTable::kMaxRows);
    EXPECT_TRUE(saved.keptTables().empty());
}

TEST_F(SavedPlanTest, BudgetsAndDateAreWrittenWholeAndFailuresSurface)
{
    saved.writeBudget(BudgetId::OtherSupply, "50,00 €");
    saved.writeBudget(BudgetId::Music, "");
    saved.writeDate("Saturday");
    EXPECT_EQ(store.value("Other Supply Budget"), "50,00 €");
    EXPECT_TRUE(store.contains("Music Budget"));
    EXPECT_EQ(store.value("Date"), "Saturday");

    store.failWrites = true;
    EXPECT_THROW(saved.writeBudget(BudgetId::Food, "1"), StoreError);
}

TEST_F(SavedPlanTest, AValueTheStoreAlreadyHoldsIsNotWrittenAgain)
{
    saved.writeBudget(BudgetId::Food, "20");
    saved.writeDate("");
    store.writtenKeys.clear();
    saved.writeBudget(BudgetId::Food, "20");
    saved.writeDate("");
    EXPECT_TRUE(store.writtenKeys.empty());

    saved.writeBudget(BudgetId::Food, "21");
    saved.writeDate("Friday");
    EXPECT_EQ(store.writtenKeys, (std::vector<QString>{"Food Budget", "Date"}));
    EXPECT_EQ(store.value("Food Budget"), "21");
}

}  // namespace
}  // namespace jubilo
