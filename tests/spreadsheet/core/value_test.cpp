// The error codes' texts, and rectangles on the grid.

#include "spreadsheet/core/grid.h"
#include "spreadsheet/core/value.h"

#include <gtest/gtest.h>

#include <array>

namespace jubilo::spreadsheet {
namespace {

TEST(Value, ErrorTextsReadBackAsTheirCodes)
{
    static constexpr struct {
        ErrorCode code;
        const char* text;
    } kErrors[] = {
        {ErrorCode::Null, "#NULL!"}, {ErrorCode::Div0, "#DIV/0!"}, {ErrorCode::Value, "#VALUE!"},
        {ErrorCode::Ref, "#REF!"},   {ErrorCode::Name, "#NAME?"},  {ErrorCode::Num, "#NUM!"},
        {ErrorCode::NA, "#N/A"},
    };
    for (const auto& e : kErrors) {
        EXPECT_EQ(errorText(e.code).toStdString(), e.text);
        EXPECT_EQ(errorFromText(QString::fromLatin1(e.text)), e.code) << e.text;
        EXPECT_EQ(errorFromText(QString::fromLatin1(e.text).toLower()), e.code) << e.text;
    }
    EXPECT_EQ(errorText(ErrorCode(0x2B)), "#VALUE!");  // a code no file should hold
    for (const char* text : {"", "#DIV/0", "#N/A ", "DIV/0!", "#GETTING_DATA", "#NULL!!"})
        EXPECT_FALSE(errorFromText(QString::fromLatin1(text))) << text;
}

TEST(Grid, RectanglesMeasureAndMeet)
{
    const CellRect block{2, 1, 4, 5};  // B3:F5
    EXPECT_EQ((std::array{block.rowCount(), block.columnCount()}), (std::array{3, 5}));
    EXPECT_EQ(block.area(), 15);
    EXPECT_EQ(CellRect::sheet().area(), qint64(kRowCount) * kColumnCount);
    EXPECT_TRUE(CellRect::at(3, 3).isCell());
    EXPECT_FALSE(block.isCell());
    static constexpr struct {
        CellRect other;
        bool contained, meets;
    } kCases[] = {
        {{2, 1, 4, 5}, true, true},   {{3, 2, 3, 2}, true, true},         {{0, 0, 2, 1}, false, true},
        {{4, 5, 9, 9}, false, true},  {{5, 1, 5, 5}, false, false},       {{2, 6, 4, 6}, false, false},
        {{0, 0, 1, 0}, false, false}, {{0, 3, kLastRow, 3}, false, true},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(block.contains(c.other), c.contained) << c.other.top << "," << c.other.left;
        EXPECT_EQ(block.intersects(c.other), c.meets) << c.other.top << "," << c.other.left;
        EXPECT_EQ(c.other.intersects(block), c.meets) << c.other.top << "," << c.other.left;
    }
    EXPECT_TRUE(block.contains(2, 1));
    EXPECT_TRUE(block.contains(4, 5));
    EXPECT_FALSE(block.contains(5, 5));
    EXPECT_FALSE(block.contains(4, 0));
    EXPECT_EQ(block.united(CellRect::at(9, 0)), (CellRect{2, 0, 9, 5}));
    EXPECT_TRUE((CellRect{0, 3, kLastRow, 3}).spansAllRows());
    EXPECT_FALSE((CellRect{1, 3, kLastRow, 3}).spansAllRows());
    EXPECT_TRUE((CellRect{7, 0, 7, kLastColumn}).spansAllColumns());
    EXPECT_FALSE((CellRect{7, 0, 7, kLastColumn - 1}).spansAllColumns());
}

}  // namespace
}  // namespace jubilo::spreadsheet
