#include "plan/plan.h"
#include "plan/table_text.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

const QString S = kCellSeparator;
const QString T = kRowTerminator;

std::vector<PlanRow> decode(const QString& text, int columns = 3) { return decodeTableText(text, columns); }

TEST(TableTextTest, EncodesCellsSeparatedAndEveryRowTerminated)
{
    Plan plan;
    PlanTable& schedules = plan.table(TableId::Schedules);
    EXPECT_EQ(encodeTableText(schedules), "");
    schedules.append({"A", "B", "C"});
    EXPECT_EQ(encodeTableText(schedules), "A" + S + "B" + S + "C" + T);
    schedules.append({"D", "", ""});
    EXPECT_EQ(encodeTableText(schedules), "A" + S + "B" + S + "C" + T + "D" + S + S + T);
}

TEST(TableTextTest, RoundTripKeepsTextsExactly)
{
    Plan plan;
    PlanTable& guests = plan.table(TableId::Guests);
    guests.append({" Ann ", "12, Elm \"St\"\r\n2nd", "Yes", "0004"});
    guests.append({"Zoë 🎉", "=1+2", "No", "1e3"});
    guests.append({"|", "||", "|MySeparator12|", "x"});
    const QString text = encodeTableText(guests);
    const std::vector<PlanRow> rows = decode(text, 4);
    ASSERT_EQ(rows.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rows[static_cast<size_t>(i)], guests.row(i + 1));
}

TEST(TableTextTest, DecodingToleratesMissingAndDoubledTerminators)
{
    auto rows = decode("A" + S + "B" + S + "C");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (PlanRow{"A", "B", "C"}));

    rows = decode("A" + S + "B" + S + "C" + T + T + "D" + S + "E" + S + "F" + T);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][0], "D");

    EXPECT_TRUE(decode("").empty());
    EXPECT_TRUE(decode(T + T).empty());
}

TEST(TableTextTest, ShortRowsLoadWithEmptyCells)
{
    const auto rows = decode("Ann" + S + "Elm St" + T, 4);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (PlanRow{"Ann", "Elm St", "", ""}));
}

TEST(TableTextTest, EmptyFirstCellStartsItsOwnRowAndExtraCellsAreDropped)
{
    const auto rows
        = decode("A" + S + "B" + S + "C" + T + S + "x" + S + "y" + T + "D" + S + "E" + S + "F" + S + "overflow" + T);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (PlanRow{"A", "B", "C"}));  // not overwritten by the next row
    EXPECT_EQ(rows[1], (PlanRow{"", "x", "y"}));
    EXPECT_EQ(rows[2], (PlanRow{"D", "E", "F"}));
}

// Texts that are no separator themselves but make one with the separator or
// terminator beside them; every one of them would corrupt its row (and the
// next) when the table is next loaded.
TEST(TableTextTest, RowsThatWouldNotComeBackAreFound)
{
    struct Case {
        PlanRow row;
        bool survives;
    };
    const Case cases[] = {
        {{"Ann", "Elm St", "Yes"}, true},
        {{"|", "||", "|||"}, true},
        {{"Ann|", "|Elm St", "|"}, true},
        {{"MySeparator12||", "||MySeparator1", "Separator11||"}, true},
        {{"MySeparator11||", "Elm St", "Yes"}, true},
        {{"Ann||MySeparator12|", "Elm St", "Yes"}, false},
        {{"Ann", "Elm St", "Yes||MySeparator11|"}, false},
        {{"Ann", "Elm||MySeparator12|", "Yes"}, false},
        {{"Ann||MySeparator11|", "Elm St", "Yes"}, false},
        {{"Ann", "Elm St||MySeparator11|", "Yes"}, false},
        {{"Ann||MySeparator12||Bob", "Elm St", "Yes"}, false},
        {{"Ann", "MySeparator11||", "Yes"}, false},
        {{"Ann", "MySeparator11", "Yes"}, false},  // no '|' of its own
        {{"Ann", "MySeparator1", "Yes"}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(survivesStore(c.row, 3), c.survives) << c.row.join(" / ").toStdString();
        // Whatever survives alone survives among other rows; saving refuses
        // the rest, among plain rows too.
        Plan plan;
        PlanTable& schedules = plan.table(TableId::Schedules);
        schedules.append({"before|", "|", "x||MySeparator1"});
        schedules.append(c.row);
        schedules.append({"|after", "Separator11||", "|"});
        schedules.append({"plain", "row", "after"});
        if (!c.survives) {
            EXPECT_THROW(encodeTableText(schedules), SeparatorInTextError) << c.row.join(" / ").toStdString();
            continue;
        }
        const auto rows = decode(encodeTableText(schedules));
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[1], c.row);
    }
}

TEST(TableTextTest, RefusesToEncodeACellHoldingASeparator)
{
    for (const QString& bad : {QStringLiteral("a||MySeparator11||b"), QStringLiteral("||MySeparator12||")}) {
        Plan plan;
        PlanTable& activities = plan.table(TableId::Activities);
        activities.append({"fine", "19:00", "ok"});
        activities.append({"x", "y", bad});
        EXPECT_TRUE(containsStoreSeparator(bad));
        EXPECT_THROW(encodeTableText(activities), SeparatorInTextError);
    }
    EXPECT_FALSE(containsStoreSeparator(QStringLiteral("||MySeparator1||")));
}

// A hand edit can store a row that loads, but whose last text would make a
// separator with the one written after it: saving refuses the row rather
// than store other rows in its place.
TEST(TableTextTest, RefusesToEncodeALoadedRowThatWouldComeBackAsOtherRows)
{
    Plan plan;
    PlanTable& schedules = plan.table(TableId::Schedules);
    schedules.appendRows(decode("Shop" + S + "9||MySeparator12" + T));
    ASSERT_EQ(schedules.row(1), (PlanRow{"Shop", "9||MySeparator12", ""}));
    EXPECT_FALSE(containsStoreSeparator(schedules.cell(1, 1)));
    try {
        encodeTableText(schedules);
        ADD_FAILURE() << "the row was encoded";
    } catch (const SeparatorInTextError& e) {
        EXPECT_STREQ(e.what(),
                     "Row 1 of Schedules would load back as other rows: its texts make a store separator "
                     "with the ones around them (\"||MySeparator11||\" or \"||MySeparator12||\") and "
                     "cannot be saved.");
    }
}

}  // namespace
}  // namespace jubilo
