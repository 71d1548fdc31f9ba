#include "spreadsheet/model/cell_store_p.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/format/format_table_p.h"
#include "spreadsheet/model/merge_set_p.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

TEST(FormatTable, InternsLooksAndNumbersFormatsTheWayWritersNeed)
{
    FormatTable table;
    EXPECT_EQ(table.fonts().size(), 1u);
    EXPECT_EQ(table.formats().size(), 1u);
    EXPECT_EQ(table.internNumberFormat("general"), 0);
    EXPECT_EQ(table.internNumberFormat("0.00%"), 10);
    EXPECT_EQ(table.internNumberFormat("h:mm AM/PM"), 18);
    EXPECT_EQ(table.internNumberFormat("$#,##0.00"), kFirstCustomNumberFormat);
    EXPECT_EQ(table.internNumberFormat("$#,##0.00"), kFirstCustomNumberFormat);
    EXPECT_EQ(table.internNumberFormat("0.000"), kFirstCustomNumberFormat + 1);
    EXPECT_EQ(table.numberFormat(kFirstCustomNumberFormat), "$#,##0.00");

    Font bold;
    bold.bold = true;
    const quint16 boldIndex = table.internFont(bold);
    EXPECT_EQ(table.internFont(bold), boldIndex);
    CellFormat a;
    a.font = boldIndex;
    a.fillColor = 19;
    CellFormat b = a;
    EXPECT_EQ(table.intern(a), table.intern(b));
    b.borders[kLeft].style = LineStyle::Thin;
    EXPECT_NE(table.intern(a), table.intern(b));
    EXPECT_EQ(table.format(table.intern(b)).borders[kLeft].style, LineStyle::Thin);
}

TEST(CellStore, KeepsCellsSortedAndSparse)
{
    CellStore store;
    store.obtain(5, 7, 3).value = 1.0;
    store.obtain(5, 2, 0).value = 2.0;
    store.obtain(9, 0, 0);
    EXPECT_EQ(store.cellCount(), 3u);
    EXPECT_EQ(store.find(5, 7)->xf, 3u);
    EXPECT_EQ(store.find(5, 3), nullptr);
    EXPECT_EQ(store.find(60000, 3), nullptr);
    std::vector<int> seen;
    store.forEach(CellRect{0, 0, 9, 7}, [&](int, const Cell& c) { seen.push_back(c.col); });
    EXPECT_EQ(seen, (std::vector<int>{2, 7, 0}));
    EXPECT_EQ(store.bounds(), (CellRect{5, 0, 9, 7}));
    store.erase(CellRect{5, 3, 9, 9});
    EXPECT_EQ(store.cellCount(), 2u);
    EXPECT_EQ(store.bounds(), (CellRect{5, 0, 9, 2}));
}

TEST(CellStore, AFarRowCostsOnePageNotTheRowsAboveIt)
{
    CellStore store;
    store.obtain(kLastRow, kLastColumn, 0).value = 1.0;
    EXPECT_EQ(store.pageCount(), 1u);
    EXPECT_EQ(store.row(0), nullptr);
    EXPECT_EQ(store.row(kLastRow - CellStore::kRowsPerPage), nullptr);
    ASSERT_NE(store.row(kLastRow - CellStore::kRowsPerPage + 1), nullptr);  // same page: there, and empty
    EXPECT_TRUE(store.row(kLastRow - 1)->cells.empty());
    EXPECT_EQ(store.row(-1), nullptr);
    EXPECT_EQ(store.row(kRowCount), nullptr);

    int visited = 0;
    store.forEachRow(0, kLastRow, [&](int, const RowStore&) { ++visited; });
    EXPECT_EQ(visited, CellStore::kRowsPerPage);
    EXPECT_EQ(store.bounds(), CellRect::at(kLastRow, kLastColumn));

    // Rows either side of a page border, and ranges cut inside pages.
    store.obtainRow(CellStore::kRowsPerPage - 1).height = 20.0;
    store.obtainRow(CellStore::kRowsPerPage).height = 30.0;
    EXPECT_EQ(store.pageCount(), 3u);
    std::vector<int> rows;
    store.forEachRow(CellStore::kRowsPerPage - 1, CellStore::kRowsPerPage, [&](int r, const RowStore& row) {
        if (row.height)
            rows.push_back(r);
    });
    EXPECT_EQ(rows, (std::vector<int>{CellStore::kRowsPerPage - 1, CellStore::kRowsPerPage}));
    visited = 0;
    store.forEachRow(4 * CellStore::kRowsPerPage + 10, 4 * CellStore::kRowsPerPage + 20,
                     [&](int, const RowStore&) { ++visited; });
    EXPECT_EQ(visited, 0);  // a page that was never written
}

TEST(MergeSet, FindsOverlapsAmongManyAreas)
{
    MergeSet merges;
    for (int r = 0; r < 5000; ++r)
        merges.add(CellRect{r, 2, r, 3});  // C:D on every row
    merges.add(CellRect{0, 10, 3000, 20});  // one large area
    EXPECT_EQ(merges.size(), 5001u);
    EXPECT_THROW(merges.add(CellRect{4000, 3, 4000, 4}), SpreadsheetError);
    EXPECT_THROW(merges.add(CellRect{2999, 20, 3001, 21}), SpreadsheetError);
    EXPECT_EQ(merges.intersecting(CellRect::at(4000, 3)), (std::vector<CellRect>{{4000, 2, 4000, 3}}));
    EXPECT_EQ(merges.intersecting(CellRect::at(100, 15)).size(), 1u);
    EXPECT_EQ(merges.intersecting(CellRect::sheet()).size(), 5001u);
    merges.removeIntersecting(CellRect{0, 0, 9, kLastColumn});
    EXPECT_EQ(merges.size(), 4990u);
    merges.add(CellRect{5, 2, 5, 4});  // free again
}

// Areas are found from any row they cover, however tall and in whatever
// order they came, and keep the order they were added in.
TEST(MergeSet, FindsAreasFromEveryRowTheyCover)
{
    MergeSet merges;
    const CellRect low{900, 1, 902, 2}, band{10, 5, 10 + MergeSet::kShortRows, 6}, high{3, 1, 7, 1},
        tall{0, 8, kLastRow, 8};
    for (const CellRect& area : {low, band, high, tall})  // bottom to top, then the tallest
        merges.add(area);
    EXPECT_EQ(merges.intersecting(CellRect::at(902, 2)), std::vector<CellRect>{low});
    EXPECT_EQ(merges.intersecting(CellRect::at(7, 1)), std::vector<CellRect>{high});
    EXPECT_EQ(merges.intersecting(CellRect::at(10 + MergeSet::kShortRows, 6)), std::vector<CellRect>{band});
    EXPECT_EQ(merges.intersecting(CellRect::at(60000, 8)), std::vector<CellRect>{tall});
    EXPECT_EQ(merges.intersecting(CellRect{8, 0, 9, kLastColumn}), std::vector<CellRect>{tall});  // whole rows
    EXPECT_TRUE(merges.intersecting(CellRect{903, 0, 1000, 7}).empty());
    EXPECT_THROW(merges.add(CellRect{50, 6, 50, 7}), SpreadsheetError);  // inside the band's rows
    EXPECT_EQ(merges.areas(), (std::vector<CellRect>{low, band, high, tall}));
    EXPECT_EQ(merges.bounds(), (CellRect{0, 1, kLastRow, 8}));

    merges.removeIntersecting(CellRect{5, 0, 5, kLastColumn});
    EXPECT_EQ(merges.areas(), (std::vector<CellRect>{low, band}));
    EXPECT_EQ(merges.bounds(), (CellRect{10, 1, 902, 6}));
    merges.add(CellRect{5, 8, 5, 9});  // where the tall area was
    EXPECT_EQ(merges.intersecting(CellRect::sheet()).size(), 3u);
    merges.removeIntersecting(CellRect::sheet());
    EXPECT_EQ(merges.bounds(), std::nullopt);
}

}  // namespace
}  // namespace jubilo::spreadsheet
