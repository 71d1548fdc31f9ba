// Rows from elsewhere meet Add's rules: filled cells, "Yes" or "No" where
// the list offers them (any case taken), cells a sheet holds, texts the
// stored form reads back; anything else is said, naming the column.

#include "plan/row_rules.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(RowRulesTest, ARowIsTakenAsAddWouldTakeItOrRefusedSayingWhy)
{
    const TableSpec& guests = tableSpec(TableId::Guests);
    const QString longest(32767, 'x');
    using K = RowFault::Kind;
    const struct {
        PlanRow row;
        std::optional<K> fault;
        int column;
        const char* says;
    } cases[] = {
        {{"Ann", "Elm St", "yes", "2"}, {}, -1, ""},
        {{"Ann", "Elm St", "NO", "two"}, {}, -1, ""},
        {{" Ann ", "Elm St", "Yes", longest}, {}, -1, ""},
        {{"Ann", "Elm St", "maybe", "2"}, K::NotYesOrNo, 2, "its \"RSVP?\" cell is \"maybe\", not \"Yes\" or \"No\""},
        {{"Ann", "Elm St", " yes", "2"}, K::NotYesOrNo, 2, "\" yes\""},
        {{"Ann", "", "Yes", "2"}, K::EmptyCell, 1, "its \"Address\" cell is empty"},
        {{"Ann", "Elm St", "Yes"}, K::ColumnCount, -1, "it has 3 cells, and the Guests list has 4 columns"},
        {{"Ann", "Elm St", "Yes", "2", "x"}, K::ColumnCount, -1, "5 cells"},
        {{"Ann", "Elm St", "Yes", longest + "x"},
         K::TooLong,
         3,
         "has 32768 characters, and a cell holds at most 32767"},
        {{"Ann||MySeparator11||", "Elm St", "Yes", "2"}, K::Separator, -1, "||MySeparator11||"},
    };
    for (const auto& c : cases) {
        const PlanRow row = normalisedRow(guests, c.row);
        const std::optional<RowFault> fault = rowFault(guests, row);
        ASSERT_EQ(fault.has_value(), c.fault.has_value()) << c.row.join('|').left(60).toStdString();
        if (!fault) {
            EXPECT_TRUE(row[2] == "Yes" || row[2] == "No");
            EXPECT_EQ(row[0], c.row[0]) << "other texts are kept exactly";
            continue;
        }
        EXPECT_EQ(fault->kind, *c.fault);
        EXPECT_EQ(fault->column, c.column);
        EXPECT_TRUE(rowFaultText(guests, row, *fault).contains(c.says))
            << rowFaultText(guests, row, *fault).toStdString();
    }
    EXPECT_EQ(normalisedRow(tableSpec(TableId::Schedules), {"Buy", "yes", "no"}), (PlanRow{"Buy", "yes", "no"}))
        << "only Yes/No columns change";
}

}  // namespace
}  // namespace jubilo
