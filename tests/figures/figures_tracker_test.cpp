// The figures kept up to date change by change equal the figures read
// afresh, exactly, whatever the lists go through.

#include "figures/figures_tracker.h"
#include "host/engine/engine_typed_input.h"
#include "plan/plan_table_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace jubilo {
namespace {

void expectSameSum(const SheetSum& kept, const SheetSum& read, const char* what)
{
    EXPECT_EQ(kept.error, read.error) << what;
    EXPECT_EQ(kept.value, read.value) << what << ": kept sums are exact, not close";
}

void expectSameFigures(const PlanFigures& kept, const PlanFigures& read)
{
    EXPECT_EQ(kept.guests.rows, read.guests.rows);
    EXPECT_EQ(kept.guests.comingRows, read.guests.comingRows);
    EXPECT_EQ(kept.guests.rowsWithoutNumber, read.guests.rowsWithoutNumber);
    expectSameSum(kept.guests.invited, read.guests.invited, "invited");
    expectSameSum(kept.guests.coming, read.guests.coming, "coming");
    for (std::size_t i = 0; i < kept.money.size(); ++i) {
        const MoneyFigures& k = kept.money[i];
        const MoneyFigures& r = read.money[i];
        EXPECT_EQ(k.table, r.table);
        EXPECT_EQ(k.budget, r.budget);
        EXPECT_EQ(k.rows, r.rows);
        EXPECT_EQ(k.itemsToBuy, r.itemsToBuy);
        EXPECT_EQ(k.rowsWithoutNumber, r.rowsWithoutNumber);
        expectSameSum(k.spent, r.spent, "spent");
        expectSameSum(k.stillToBuy, r.stillToBuy, "still to buy");
    }
}

class FiguresTrackerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        for (const TableSpec& spec : tableSpecs()) {
            models[static_cast<std::size_t>(spec.id)] = std::make_unique<PlanTableModel>(plan.table(spec.id));
            tracker.follow(spec.id, *models[static_cast<std::size_t>(spec.id)]);
        }
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    Plan plan;
    FiguresTracker tracker{plan, engineTypedInput()};
    std::array<std::unique_ptr<PlanTableModel>, kTableCount> models;
};

TEST_F(FiguresTrackerTest, EveryKindOfChangeKeepsTheFiguresEqualToAFreshReading)
{
    const TableId tables[]
        = {TableId::Guests,        TableId::Music,       TableId::Decorations, TableId::FoodAndDrinks,
           TableId::OtherSupplies, TableId::Incidentals, TableId::Schedules};
    const QString amounts[] = {"1", "$2.10", "0.1", "(3)", "", "ten", "#N/A", "1e3", "0.2", "12:30", "=1+2"};
    const QString yesNo[] = {"Yes", "No", "yes"};
    std::mt19937 chance(25);
    const auto pick = [&](const auto& list) { return list[chance() % std::size(list)]; };
    const auto randomRow = [&](const PlanTable& table) {
        PlanRow row;
        for (int c = 0; c < table.columnCount(); ++c)
            row << (c == table.columnCount() - 1 ? pick(amounts) : c == table.columnCount() - 2 ? pick(yesNo) : "x");
        return row;
    };
    for (int change = 0; change < 3000; ++change) {
        PlanTable& table = plan.table(pick(tables));
        const int rows = table.rowCount();
        const int position = rows ? 1 + static_cast<int>(chance() % rows) : 0;
        switch (chance() % 7) {
        case 0:
        case 1:
            table.append(randomRow(table));
            break;
        case 2:
            if (rows)
                table.removeAt(position);
            break;
        case 3:
            if (rows)
                table.setCell(position, static_cast<int>(chance() % table.columnCount()),
                              chance() % 2 ? pick(amounts) : pick(yesNo));
            break;
        case 4:
            if (rows)
                table.move(position, 1 + static_cast<int>(chance() % rows));
            break;
        case 5: {
            const int count = rows ? static_cast<int>(chance() % (rows - position + 2)) : 0;
            std::vector<PlanRow> replacement(chance() % 4);
            for (PlanRow& row : replacement)
                row = randomRow(table);
            table.replaceRows(rows ? position : 1, rows ? count : 0, std::move(replacement));
            break;
        }
        default:
            plan.setBudget(pick(budgetSpecs()).id, pick(amounts));
            tracker.budgetsChanged();
        }
        expectSameFigures(tracker.figures(), planFigures(plan, engineTypedInput()));
        if (::testing::Test::HasFailure())
            FAIL() << "after change " << change;
    }
}

TEST_F(FiguresTrackerTest, APlanAssignedToTheTablesAndItsBudgetsAreFollowed)
{
    Plan other;
    other.table(TableId::Music).append({"Dance", "CD", "No", "9.99"});
    other.table(TableId::Guests).append({"Ann", "Elm St", "Yes", "4"});
    other.setBudget(BudgetId::Music, "15");
    QSignalSpy changed(&tracker, &FiguresTracker::changed);
    plan = other;
    tracker.budgetsChanged();
    EXPECT_GE(changed.count(), 1);
    expectSameFigures(tracker.figures(), planFigures(other, engineTypedInput()));
    EXPECT_DOUBLE_EQ(*tracker.figures().money[0].left(), 15 - 9.99);
}

}  // namespace
}  // namespace jubilo
