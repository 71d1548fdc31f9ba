// Pictures a sheet makes look huge are refused before anything is drawn:
// over 100 megapixels, or more cells than a picture draws (hidden rows take
// no pixels but still cost a cell each). Small ranges of such sheets draw.

#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/range_picture.h"
#include "tests/support/engine_workbook.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

std::string refusal(Worksheet& sheet, const CellRect& range, const PictureOptions& options = {})
{
    try {
        const QImage image = drawRange(sheet, range, options);
        return "drawn " + std::to_string(image.width()) + " by " + std::to_string(image.height());
    } catch (const PictureTooLarge& e) {
        return e.what();
    }
}

class PictureLimits : public spreadsheet::testing::EngineWorkbookTest {
protected:
    void SetUp() override
    {
        sheet->setFormulaR1C1(0, 0, QStringLiteral("first"));
        sheet->setFormulaR1C1(kLastRow, kLastColumn, QStringLiteral("far"));
    }
    CellRect used() const { return sheet->usedRange(); }
};

TEST_F(PictureLimits, AUsedRangeReachingTheLastCellIsRefusedBeforeDrawing)
{
    ASSERT_EQ(used(), CellRect::sheet());
    EXPECT_EQ(refusal(*sheet, used()),
              "The picture of $A$1:$IV$65536 would be 16,385 by 32,767 pixels; "
              "a picture holds at most 100,000,000");
    sheet->setColumnWidth(0, kLastColumn, 255);
    sheet->setRowHeight(0, kLastRow, 409);
    EXPECT_EQ(refusal(*sheet, used()),
              "The picture of $A$1:$IV$65536 would be 32,767 by 32,767 pixels; "
              "a picture holds at most 100,000,000");
}

TEST_F(PictureLimits, SmallRangesAndCappedSidesStillDraw)
{
    sheet->setColumnWidth(0, kLastColumn, 255);
    sheet->setRowHeight(0, kLastRow, 409);
    // Three columns of 1,790 pixels and three rows of 545, and the closing lines.
    EXPECT_EQ(refusal(*sheet, CellRect{0, 0, 2, 2}), "drawn 5371 by 1636");
    EXPECT_EQ(refusal(*sheet, CellRect::sheet(), {true, 2000}), "drawn 2000 by 2000");
    // Just over the limit (10,000 squared is the limit itself, too large to draw here).
    EXPECT_EQ(refusal(*sheet, CellRect::sheet(), {true, 10001}),
              "The picture of $A$1:$IV$65536 would be 10,001 by 10,001 pixels; a picture holds at most 100,000,000");
}

TEST_F(PictureLimits, HiddenRowsStillCountAsCellsToDraw)
{
    sheet->setRowHeight(0, kLastRow, 0);  // 256 columns, one pixel high
    EXPECT_EQ(refusal(*sheet, used()),
              "The picture of $A$1:$IV$65536 would draw 16,777,216 cells; "
              "a picture draws at most 4,000,000");
    EXPECT_EQ(refusal(*sheet, CellRect{0, 0, 15000, 255}), "drawn 16385 by 1");  // 3,840,256 cells
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
