// The lookups a drawing paints by: which row or column holds a pixel when
// some have no size, and which tall items may reach a band of rows.

#include "spreadsheet/picture/line_axis_p.h"
#include "spreadsheet/picture/vertical_index_p.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

TEST(LineAxis, HiddenLinesHoldNoPixels)
{
    LineAxis axis;
    axis.append(2, 0);  // hidden first lines
    axis.append(3, 17);
    axis.append(1, 0);
    axis.append(60'000, 19);
    axis.append(4, 0);  // hidden last lines
    EXPECT_EQ(axis.count(), 60'010);
    EXPECT_EQ(axis.runCount(), 5u);
    EXPECT_EQ(axis.length(), 3 * 17 + 60'000 * 19);
    EXPECT_EQ(axis.offset(2), 0);
    EXPECT_EQ(axis.offset(5), 51);
    EXPECT_EQ(axis.offset(6), 51);
    EXPECT_EQ(axis.offset(60'005), 51 + 59'999 * 19);
    EXPECT_EQ(axis.offset(60'010), axis.length());

    EXPECT_EQ(axis.lineAt(0), 2);
    EXPECT_EQ(axis.lineAt(16), 2);
    EXPECT_EQ(axis.lineAt(17), 3);
    EXPECT_EQ(axis.lineAt(50), 4);
    EXPECT_EQ(axis.lineAt(51), 6);  // past the hidden line 5
    EXPECT_EQ(axis.lineAt(51 + 59'999 * 19 + 18), 60'005);
    EXPECT_EQ(axis.lineAt(-5), 0);
    EXPECT_EQ(axis.lineAt(axis.length() + 100), 60'009);
    EXPECT_EQ(axis.size(4), 17);
    EXPECT_EQ(axis.size(5), 0);
}

TEST(VerticalIndex, TallItemsAreFoundFarBelowTheirTops)
{
    VerticalIndex index;
    index.add(0, 10);
    index.add(5, 100'000);  // reaches far down
    index.add(20, 30);
    index.add(40, 50);
    index.add(99'990, 99'999);
    const auto slice = [&](int from, int to) { return index.slice(from, to); };
    EXPECT_EQ(slice(0, 4), std::make_pair(std::size_t(0), std::size_t(1)));
    EXPECT_EQ(slice(12, 45), std::make_pair(std::size_t(1), std::size_t(4)));
    EXPECT_EQ(slice(99'000, 99'100), std::make_pair(std::size_t(1), std::size_t(4)));  // the tall one
    EXPECT_EQ(slice(100'001, 200'000), std::make_pair(std::size_t(5), std::size_t(5)));
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
