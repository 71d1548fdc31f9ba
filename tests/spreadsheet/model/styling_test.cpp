#include "spreadsheet/model/application.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/model/xl_codes.h"
#include "tests/support/engine_workbook.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

class Styling : public testing::EngineWorkbookTest {
protected:
    const CellFormat& at(const char* cell)
    {
        const Range r = range(cell);
        return sheet->effectiveFormat(r.rect().top, r.rect().left);
    }
    const Font& fontAt(const char* cell) { return book->formats().font(at(cell).font); }
};

TEST_F(Styling, StylesApplyToTheCurrentSelection)
{
    app->range("B3:D3").select();
    app->selection().font().setFontStyle("General");  // unknown style: the font stays as it is
    app->selection().font().setSize(10);
    app->selection().font().setColorIndex(35);
    app->selection().font().setBold(true);
    app->selection().setHorizontalAlignment(xl::kRight);
    app->selection().interior().setColorIndex(13);
    for (const char* cell : {"B3", "C3", "D3"}) {
        EXPECT_EQ(fontAt(cell).height, 200) << cell;
        EXPECT_EQ(fontAt(cell).colorIndex, 35) << cell;
        EXPECT_TRUE(fontAt(cell).bold) << cell;
        EXPECT_FALSE(fontAt(cell).italic) << cell;
        EXPECT_EQ(at(cell).hAlign, HAlign::Right) << cell;
        EXPECT_EQ(at(cell).fillColor, 13) << cell;
    }
    EXPECT_EQ(at("E3").fillColor, 0);
    EXPECT_EQ(at("B3"), at("D3"));
    EXPECT_EQ(sheet->effectiveXf(2, 1), sheet->effectiveXf(2, 3));  // one shared format

    const Range b3 = app->range("B3");
    EXPECT_EQ(b3.font().fontStyle(), "Bold");
    EXPECT_EQ(b3.font().colorIndex(), 35);
    EXPECT_DOUBLE_EQ(b3.font().size(), 10);
    EXPECT_EQ(b3.interior().colorIndex(), 13);
    EXPECT_EQ(b3.horizontalAlignment(), xl::kRight);
    EXPECT_EQ(app->range("E3").interior().colorIndex(), xl::kColorIndexNone);
    app->range("E3").font().setFontStyle("Bold Italic");
    EXPECT_TRUE(fontAt("E3").bold && fontAt("E3").italic);
}

// Results of one-value edits are remembered per workbook; the same value
// given to a different member, or to a cell that starts from another
// format, must still give its own result.
TEST_F(Styling, RepeatedEditsGiveTheSameResultsAsFirstOnes)
{
    for (const QString& row : {QStringLiteral("1"), QStringLiteral("2")}) {  // the same edits twice
        app->range("A" + row).interior().setColorIndex(6);
        app->range("B" + row).font().setColorIndex(6);
        app->range("C" + row).font().setBold(true);
        app->range("C" + row).font().setItalic(true);
        app->range("D" + row).font().setItalic(true);
        app->range("E" + row).setIndentLevel(2);
        app->range("E" + row).interior().setColorIndex(6);
    }
    app->range("A3").interior().setColorIndex(6);

    EXPECT_EQ(at("A1").fillColor, 6);
    EXPECT_EQ(fontAt("A1").colorIndex, 0);
    EXPECT_EQ(at("B1").fillColor, 0);
    EXPECT_EQ(fontAt("B1").colorIndex, 6);
    EXPECT_TRUE(fontAt("C1").bold && fontAt("C1").italic);
    EXPECT_TRUE(!fontAt("D1").bold && fontAt("D1").italic);
    EXPECT_EQ(at("E1").indent, 2);
    EXPECT_EQ(at("E1").fillColor, 6);
    for (const char* row : {"A", "B", "C", "D", "E"}) {
        const QByteArray first = QByteArray(row) + "1", second = QByteArray(row) + "2";
        EXPECT_EQ(at(first.constData()), at(second.constData())) << row;
    }
    EXPECT_EQ(at("A3"), at("A1"));
    EXPECT_NE(at("E2"), at("A2"));
}

TEST_F(Styling, AlignmentIndentWrapAndNumberFormat)
{
    const Range f = app->range("F4");
    f.setVerticalAlignment(xl::kBottom);
    f.setHorizontalAlignment(xl::kLeft);
    f.setIndentLevel(1);
    f.setWrapText(true);
    f.setNumberFormat("$#,##0.00");
    f.setFormulaR1C1("25");
    EXPECT_EQ(f.verticalAlignment(), xl::kBottom);
    EXPECT_EQ(f.horizontalAlignment(), xl::kLeft);
    EXPECT_EQ(f.indentLevel(), 1);
    EXPECT_TRUE(f.wrapText());
    EXPECT_EQ(f.numberFormat(), "$#,##0.00");
    EXPECT_EQ(f.text(), "$25.00");
    EXPECT_THROW(f.setIndentLevel(16), SpreadsheetError);
    EXPECT_THROW(f.setHorizontalAlignment(42), SpreadsheetError);
    EXPECT_THROW(f.font().setSize(0.5), SpreadsheetError);
    EXPECT_THROW(f.font().setColorIndex(57), SpreadsheetError);
    EXPECT_THROW(f.interior().setColorIndex(0), SpreadsheetError);
    EXPECT_THROW(f.font().setName(""), SpreadsheetError);
}

TEST_F(Styling, TypedInputBringsItsFormatOnlyToUnformattedCells)
{
    app->range("E2").setFormulaR1C1("07:00 PM");
    EXPECT_EQ(app->range("E2").numberFormat(), "h:mm AM/PM");
    EXPECT_EQ(app->range("E2").text(), "7:00 PM");
    app->range("F2").setNumberFormat("$#,##0.00");
    app->range("F2").setFormulaR1C1("12.5%");
    EXPECT_EQ(app->range("F2").text(), "$0.13");
    app->range("G2").setFormulaR1C1("'00123");
    EXPECT_EQ(app->range("G2").text(), "00123");
    EXPECT_EQ(app->range("G2").formulaR1C1(), "'00123");
    app->range("H2").setNumberFormat("@");
    app->range("H2").setFormulaR1C1("=1+1");
    EXPECT_EQ(app->range("H2").text(), "=1+1");
}

TEST_F(Styling, BlockBordersFrameTheRangeWithGreyColumnSeparators)
{
    const Range block = range("B3:F5");
    testing::frame(block, 48);  // the outline and inside verticals continuous, the inside ones grey

    EXPECT_EQ(at("B3").borders[kLeft].style, LineStyle::Thin);
    EXPECT_EQ(at("B3").borders[kTop].style, LineStyle::Thin);
    EXPECT_EQ(at("B3").borders[kLeft].colorIndex, 0);  // automatic
    EXPECT_EQ(at("F5").borders[kRight].style, LineStyle::Thin);
    EXPECT_EQ(at("F5").borders[kBottom].style, LineStyle::Thin);
    EXPECT_EQ(at("D4").borders[kLeft].colorIndex, 48);
    EXPECT_EQ(at("D4").borders[kRight].colorIndex, 48);
    EXPECT_EQ(at("D4").borders[kTop].style, LineStyle::None);  // no lines between rows
    EXPECT_EQ(at("B4").borders[kLeft].colorIndex, 0);  // the frame keeps its colour
    EXPECT_EQ(at("G4").borders[kLeft].style, LineStyle::None);

    EXPECT_EQ(block.borders(xl::kEdgeBottom).lineStyle(), xl::kContinuous);
    EXPECT_EQ(block.borders(xl::kInsideVertical).colorIndex(), 48);
    EXPECT_EQ(block.borders(xl::kInsideHorizontal).lineStyle(), xl::kLineStyleNone);
    EXPECT_EQ(app->range("B3").borders(xl::kInsideVertical).lineStyle(), xl::kLineStyleNone);
    EXPECT_THROW(block.borders(6), SpreadsheetError);
    EXPECT_THROW(block.borders(7).setLineStyle(3), SpreadsheetError);
}

TEST_F(Styling, WholeSheetAndColumnFormatsCreateNoCells)
{
    app->cells().select();
    app->selection().font().setName("Century Gothic");
    app->selection().font().setSize(9);
    app->selection().setVerticalAlignment(xl::kCenter);
    app->selection().setWrapText(true);
    app->selection().interior().setColorIndex(2);
    app->columns("C:C").font().setBold(true);
    app->columns("C:C").borders(xl::kEdgeLeft).setLineStyle(xl::kContinuous);
    app->cells().borders(xl::kEdgeTop).setLineStyle(xl::kContinuous);
    EXPECT_LT(sheet->cells().cellCount(), 1200u);  // a handful of edge cells at most
    EXPECT_EQ(fontAt("IV65536").name, "Century Gothic");
    EXPECT_EQ(at("IV65536").fillColor, 2);
    EXPECT_TRUE(at("IV65536").wrap);
    EXPECT_TRUE(fontAt("C40000").bold);
    EXPECT_EQ(at("C40000").borders[kLeft].style, LineStyle::Thin);
    EXPECT_EQ(at("D40000").borders[kLeft].style, LineStyle::None);
    EXPECT_EQ(at("D1").borders[kTop].style, LineStyle::Thin);
    EXPECT_EQ(at("D2").borders[kTop].style, LineStyle::None);

    // A cell styled later keeps what the sheet gave it.
    app->range("B2").font().setItalic(true);
    EXPECT_EQ(fontAt("B2").name, "Century Gothic");
    EXPECT_EQ(fontAt("B2").height, 180);
    EXPECT_TRUE(fontAt("B2").italic);
}

TEST_F(Styling, RowAndColumnFormatsMeetCorrectly)
{
    app->range("C5").setFormulaR1C1("existing");
    app->rows("5:5").interior().setColorIndex(3);
    app->columns("C:C").interior().setColorIndex(4);
    EXPECT_EQ(at("C5").fillColor, 4);  // the later column fill reaches the row's cell
    EXPECT_EQ(at("D5").fillColor, 3);
    EXPECT_EQ(at("C6").fillColor, 4);
    app->rows("7:7").interior().setColorIndex(6);
    EXPECT_EQ(at("C7").fillColor, 6);
    EXPECT_EQ(at("C8").fillColor, 4);
    EXPECT_EQ(app->range("C5").text(), "existing");
}

TEST_F(Styling, ClearRemovesValuesFormatsAndMerges)
{
    app->range("B3:C3").interior().setColorIndex(19);
    app->range("B3").setFormulaR1C1("42");
    app->range("B3:C3").merge();
    app->range("B3:C3").clear();
    EXPECT_TRUE(isEmpty(app->range("B3").value()));
    EXPECT_EQ(at("B3").fillColor, 0);
    EXPECT_EQ(sheet->merges().size(), 0u);
    app->cells().interior().setColorIndex(2);
    app->cells().clear();
    EXPECT_EQ(at("Z99").fillColor, 0);
}

}  // namespace
}  // namespace jubilo::spreadsheet
