// The budget table and the guests' lines say a plan's figures, over budget
// in words, and follow every change to the plan in place.

#include "tests/support/sample_plans.h"
#include "tracked_plan.h"
#include "ui/glance/budget_chart.h"
#include "ui/glance/glance_table_model.h"
#include "ui/glance/glance_window.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableView>

namespace jubilo {
namespace {

using testing::GlanceTest;
using testing::TrackedPlan;
using Model = GlanceTableModel;

QStringList rowTexts(const QAbstractItemModel& model, int row)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.index(row, column).data().toString();
    return texts;
}

TEST_F(GlanceTest, EachListsRowSaysItsBudgetSpendingWhatIsLeftAndWhatIsStillToBuy)
{
    const struct {
        const char* budget;
        std::vector<PlanRow> music;  // name, type, purchased, amount
        QStringList row;
    } cases[] = {
        {"", {{"A", "CD", "No", "9.99"}}, {"no budget", "$9.99", "\u2014", "$9.99 (1 item)"}},
        {"15", {{"A", "CD", "No", "9.99"}, {"B", "LP", "Yes", "3"}}, {"$15.00", "$12.99", "$2.01", "$9.99 (1 item)"}},
        {"20",
         {{"A", "CD", "Yes", "12.50"}, {"B", "LP", "Yes", "7.50"}},
         {"$20.00", "$20.00", "$0.00", "$0.00 (0 items)"}},
        {"100",
         {{"A", "CD", "No", "150"}, {"B", "LP", "No", "50"}},
         {"$100.00", "$200.00", "\u26A0 $100.00 over", "$200.00 (2 items)"}},
        {"20", {{"A", "CD", "Yes", "#N/A"}, {"B", "LP", "No", "5"}}, {"$20.00", "#N/A", "#N/A", "$5.00 (1 item)"}},
    };
    for (const auto& c : cases) {
        TrackedPlan tracked;
        for (const PlanRow& row : c.music)
            tracked.plan.table(TableId::Music).append(row);
        tracked.setBudget(BudgetId::Music, c.budget);
        const Model model(tracked.tracker);
        EXPECT_EQ(rowTexts(model, 0), c.row) << c.budget;
        const bool over = c.row[Model::LeftColumn].contains("over");
        EXPECT_EQ(model.index(0, Model::LeftColumn).data(Qt::ForegroundRole).isValid(), over) << c.budget;
        EXPECT_EQ(model.index(0, Model::SpentColumn).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  Qt::AlignRight | Qt::AlignVCenter);
        EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    }
}

TEST_F(GlanceTest, TheWholePartyRowAddsTheListsUp)
{
    TrackedPlan tracked(testing::samplePlan());
    const Model model(tracked.tracker);
    ASSERT_EQ(model.rowCount(), 6);
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.headerData(row, Qt::Vertical).toString();
    EXPECT_EQ(names,
              (QStringList{"Music", "Decorations", "Food and Drinks", "Other Supplies", "Incidentals", "Whole party"}));
    EXPECT_EQ(rowTexts(model, Model::kWholePartyRow), (QStringList{"$140.00", "$48.02", "$91.98", "$9.99 (2 items)"}));

    tracked.plan.table(TableId::FoodAndDrinks).append({"Cake", "Sugar", "No", "100"});
    EXPECT_EQ(rowTexts(model, Model::kWholePartyRow),
              (QStringList{"$140.00", "$148.02", "\u26A0 $8.02 over", "$109.99 (3 items)"}));
}

TEST_F(GlanceTest, TheWindowFollowsRowsAddedEditedRemovedAndBudgetsChanged)
{
    TrackedPlan tracked;
    GlanceWindow window(tracked.tracker);
    EXPECT_TRUE(window.windowFlags() & Qt::Window);
    EXPECT_EQ(window.windowTitle(), "Plan at a Glance");
    EXPECT_EQ(window.table().accessibleName(), "Budget against spending per list");
    EXPECT_EQ(window.table().editTriggers(), QAbstractItemView::NoEditTriggers);
    const QAbstractItemModel& model = *window.table().model();
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    PlanTable& guests = tracked.plan.table(TableId::Guests);
    PlanTable& music = tracked.plan.table(TableId::Music);
    const auto expectShown = [&](const char* guestsLine, const char* uncounted, const QStringList& musicRow) {
        EXPECT_EQ(window.guestsLabel().text(), guestsLine);
        EXPECT_EQ(window.uncountedGuestsLabel().text(), uncounted);
        EXPECT_EQ(window.uncountedGuestsLabel().isHidden(), QString(uncounted).isEmpty());
        EXPECT_EQ(rowTexts(model, 0), musicRow);
        const QString firstSentence = window.chart().accessibleDescription().section(". ", 0, 0);
        EXPECT_TRUE(firstSentence.startsWith("Music: ") && firstSentence.contains(musicRow[Model::SpentColumn]))
            << firstSentence.toStdString();
    };
    expectShown("0 guests \u00B7 0 people invited, 0 coming", "", {"no budget", "$0.00", "\u2014", "$0.00 (0 items)"});

    guests.append({"Ann", "Elm St", "Yes", "4"});
    music.append({"Dance", "CD", "No", "9.99"});
    expectShown("1 guest \u00B7 4 people invited, 4 coming", "", {"no budget", "$9.99", "\u2014", "$9.99 (1 item)"});

    guests.append({"Bob", "Oak St", "No", "some"});
    music.setCell(1, 3, "30");
    tracked.setBudget(BudgetId::Music, "25");
    expectShown("2 guests \u00B7 4 people invited, 4 coming", "1 guest without a number in their party is not counted",
                {"$25.00", "$30.00", "\u26A0 $5.00 over", "$30.00 (1 item)"});

    guests.append({"Cy", "Ash St", "Yes", "lots"});
    music.removeAt(1);
    expectShown("3 guests \u00B7 4 people invited, 4 coming",
                "2 guests without a number in their party are not counted",
                {"$25.00", "$0.00", "$25.00", "$0.00 (0 items)"});
    guests.removeAt(3);
    guests.removeAt(2);
    expectShown("1 guest \u00B7 4 people invited, 4 coming", "", {"$25.00", "$0.00", "$25.00", "$0.00 (0 items)"});
    EXPECT_EQ(resets.count(), 0) << "the cells change in place";
    EXPECT_GE(changes.count(), 8);
}

}  // namespace
}  // namespace jubilo
