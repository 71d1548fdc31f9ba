#include "plan/plan.h"
#include "plan/plan_table_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(PlanTablesTest, NineTablesInHeaderOrderWithTheirShape)
{
    const auto specs = tableSpecs();
    ASSERT_EQ(specs.size(), 9u);
    int stored = 0;
    for (size_t i = 0; i < specs.size(); ++i) {
        EXPECT_EQ(&tableSpec(specs[i].id), &specs[i]);
        stored += specs[i].isStored() ? 1 : 0;
    }
    EXPECT_EQ(stored, 8);
    EXPECT_FALSE(tableSpec(TableId::Ingredients).isStored());

    Plan plan;
    EXPECT_EQ(plan.table(TableId::Guests).header(3), "Number in Party");
    EXPECT_EQ(plan.table(TableId::FoodAndDrinks).header(1), "Ingredients");
    EXPECT_EQ(plan.table(TableId::Activities).columnCount(), 3);
    EXPECT_THROW(plan.table(TableId::Activities).header(3), std::out_of_range);
}

TEST(PlanTablesTest, RowsKeepTextsAndPadShortRows)
{
    Plan plan;
    PlanTable& guests = plan.table(TableId::Guests);
    EXPECT_EQ(guests.append({" 1,000.5 ", "x"}), 1);
    EXPECT_EQ(guests.append({"b", "c", "Yes", "4", "extra"}), 2);
    EXPECT_EQ(guests.cell(1, 0), " 1,000.5 ");
    EXPECT_EQ(guests.cell(1, 3), "");
    EXPECT_EQ(guests.row(2).size(), 4);
    guests.removeAt(1);
    EXPECT_EQ(guests.cell(1, 0), "b");
    EXPECT_THROW(guests.removeAt(2), std::out_of_range);
    EXPECT_THROW(guests.cell(0, 0), std::out_of_range);
}

TEST(PlanTablesTest, AppendBeyondTheRowLimitFailsClearly)
{
    Plan plan;
    PlanTable& table = plan.table(TableId::Schedules);
    for (int i = 0; i < PlanTable::kMaxRows; ++i)
        table.append({QStringLiteral("t")});
    try {
        table.append({QStringLiteral("one too many")});
        FAIL() << "append past the limit succeeded";
    } catch (const TableFullError& e) {
        EXPECT_NE(std::string(e.what()).find("32767"), std::string::npos);
    }
    EXPECT_EQ(table.rowCount(), PlanTable::kMaxRows);
}

TEST(PlanTableModelTest, ViewSeesExactlyTheTableRowsInOrder)
{
    Plan plan;
    PlanTable& music = plan.table(TableId::Music);
    music.append({"Jazz", "CD", "No", "12"});
    PlanTableModel model(music);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    music.append({"Pop", "MP3", "Yes", "3.50"});
    EXPECT_EQ(inserted.count(), 1);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(1, 3)).toString(), "3.50");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Music(s)");
    EXPECT_EQ(model.columnCount(), 4);

    music.removeAt(1);
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "Pop");

    music.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
}

// Loading appends a whole table at once: a view hears of one insertion,
// rows are fitted as append() fits them, and rows that do not all fit are
// refused whole.
TEST(PlanTableModelTest, RowsAppendedTogetherArriveInOneInsertion)
{
    Plan plan;
    PlanTable& guests = plan.table(TableId::Guests);
    guests.append({"Ann"});
    PlanTableModel model(guests);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    guests.appendRows({{"Bo", "Elm St"}, {"Cy", "Oak St", "Yes", "2", "extra"}, {}});
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(inserted[0][2].toInt(), 3);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(guests.row(2), (PlanRow{"Bo", "Elm St", "", ""}));
    EXPECT_EQ(guests.row(3), (PlanRow{"Cy", "Oak St", "Yes", "2"}));
    EXPECT_EQ(guests.row(4), (PlanRow{"", "", "", ""}));

    guests.appendRows({});
    EXPECT_EQ(inserted.count(), 1);  // nothing to tell
    EXPECT_THROW(guests.appendRows(std::vector<PlanRow>(PlanTable::kMaxRows - 3, PlanRow{"x"})), TableFullError);
    EXPECT_EQ(model.rowCount(), 4);
    guests.appendRows(std::vector<PlanRow>(PlanTable::kMaxRows - 4, PlanRow{"x"}));
    EXPECT_EQ(model.rowCount(), PlanTable::kMaxRows);
}

// Moving and editing through the model: a view sees the rows in their new
// order, and Qt's model tester finds the move and edit signals consistent.
TEST(PlanTableModelTest, RowsMoveOnePlaceAndCellsEditWhereTheyStand)
{
    Plan plan;
    PlanTable& activities = plan.table(TableId::Activities);
    for (const char* name : {"a", "b", "c", "d"})
        activities.append({name, "19:00", "x"});
    PlanTableModel model(activities);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    const auto names = [&] {
        QStringList all;
        for (int row = 0; row < model.rowCount(); ++row)
            all << model.index(row, 0).data().toString();
        return all.join("");
    };

    activities.move(1, 2);
    EXPECT_EQ(names(), "bacd");
    activities.move(4, 3);
    EXPECT_EQ(names(), "badc");
    activities.move(2, 2);
    EXPECT_EQ(names(), "badc");
    EXPECT_EQ(moved.count(), 2);
    EXPECT_THROW(activities.move(4, 5), std::out_of_range);
    EXPECT_THROW(activities.move(0, 1), std::out_of_range);

    const QModelIndex notes = model.index(2, 2);
    EXPECT_TRUE(model.flags(notes) & Qt::ItemIsEditable);
    EXPECT_EQ(notes.data(Qt::EditRole).toString(), "x");
    EXPECT_TRUE(model.setData(notes, "bring cups"));
    EXPECT_EQ(activities.cell(3, 2), "bring cups");
    EXPECT_FALSE(model.setData(model.index(2, 2), "y", Qt::DisplayRole));
}

}  // namespace
}  // namespace jubilo
