#include "spreadsheet/model/application.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "tests/support/engine_workbook.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

using ObjectModel = testing::EngineWorkbookTest;

TEST_F(ObjectModel, ApplicationSettingsAndIdentity)
{
    EXPECT_EQ(app->version(), "16.0");
    EXPECT_EQ(app->value(), "Microsoft Excel");
    EXPECT_FALSE(app->visible());
    app->setScreenUpdating(false);
    app->setDisplayAlerts(false);
    app->setEnableEvents(false);
    app->setEnableCancelKey(0);
    app->setCursor(2);
    app->setCursor(-4143);
    EXPECT_FALSE(app->screenUpdating());
    EXPECT_FALSE(app->displayAlerts());
    EXPECT_FALSE(app->enableEvents());
    EXPECT_EQ(app->enableCancelKey(), 0);
    EXPECT_EQ(app->cursor(), -4143);
    EXPECT_THROW(app->setEnableCancelKey(3), SpreadsheetError);
    EXPECT_THROW(app->setCursor(7), SpreadsheetError);
    EXPECT_DOUBLE_EQ(app->inchesToPoints(0.5), 36.0);
    EXPECT_DOUBLE_EQ(app->inchesToPoints(0), 0.0);
}

TEST_F(ObjectModel, NewWorkbookHasThreeSheetsAndBecomesActive)
{
    EXPECT_EQ(app->workbookCount(), 1);
    EXPECT_EQ(book->sheetCount(), 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(book->sheet(i)->name(), QStringLiteral("Sheet%1").arg(i));
    EXPECT_EQ(app->activeWorkbook(), book);
    EXPECT_EQ(app->activeSheet(), book->sheet(1));
    auto second = app->addWorkbook();
    EXPECT_EQ(app->workbookCount(), 2);
    EXPECT_EQ(app->workbook(2), second);
    EXPECT_EQ(app->activeWorkbook(), second);
    EXPECT_THROW(app->workbook(3), SpreadsheetError);
    EXPECT_THROW(book->sheet(0), SpreadsheetError);
}

TEST_F(ObjectModel, SheetsReduceToOneNamedSheet)
{
    // What the report run does: delete sheet 2 while more than one remains.
    while (book->sheetCount() > 1)
        book->sheet(2)->workbook().removeSheet(*book->sheet(2));
    EXPECT_EQ(book->sheet(1)->name(), "Sheet1");
    book->sheet(book->sheetCount())->setName("Holiday Party Plans");
    EXPECT_EQ(app->activeSheet()->name(), "Holiday Party Plans");
    EXPECT_THROW(book->removeSheet(*book->sheet(1)), SpreadsheetError);
}

TEST_F(ObjectModel, SheetNamesAreChecked)
{
    auto sheet = book->sheet(2);
    EXPECT_THROW(sheet->setName("Sheet1"), SpreadsheetError);
    EXPECT_THROW(sheet->setName("sheet3"), SpreadsheetError);  // names ignore case
    EXPECT_THROW(sheet->setName(""), SpreadsheetError);
    EXPECT_THROW(sheet->setName("a/b"), SpreadsheetError);
    EXPECT_THROW(sheet->setName(QString(32, u'x')), SpreadsheetError);
    sheet->setName(QString(31, u'x'));
    EXPECT_EQ(sheet->name(), QString(31, u'x'));
}

TEST_F(ObjectModel, DeletedSheetsAndClosedWorkbooksFailCleanly)
{
    auto third = book->sheet(3);
    Range onThird(third, CellRect::at(0, 0));
    book->activate(*third);
    book->removeSheet(*third);
    EXPECT_EQ(app->activeSheet(), book->sheet(2));  // the one before takes over
    EXPECT_THROW(onThird.setFormulaR1C1("x"), SpreadsheetError);
    EXPECT_THROW(third->setName("gone"), SpreadsheetError);

    Range onFirst = app->range("A1");
    book->close();
    EXPECT_EQ(app->workbookCount(), 0);
    EXPECT_THROW(onFirst.value(), SpreadsheetError);
    EXPECT_THROW(app->activeSheet(), SpreadsheetError);
    EXPECT_THROW(book->sheet(1), SpreadsheetError);
}

TEST_F(ObjectModel, SelectionAndActiveCell)
{
    EXPECT_EQ(app->selection().address(), "$A$1");
    app->range("B3:F3").select();
    EXPECT_EQ(app->selection().address(), "$B$3:$F$3");
    EXPECT_EQ(app->activeCell().address(), "$B$3");
    app->activeCell().setFormulaR1C1("Guests");
    EXPECT_EQ(std::get<QString>(app->range("B3").value()), "Guests");
    EXPECT_TRUE(isEmpty(app->range("C3").value()));

    app->selection().merge();
    app->range("D3").select();  // inside the merge: the whole merge is selected
    EXPECT_EQ(app->selection().address(), "$B$3:$F$3");
    EXPECT_EQ(app->activeCell().address(), "$B$3");

    Range elsewhere(book->sheet(2), CellRect::at(0, 0));
    EXPECT_THROW(elsewhere.select(), SpreadsheetError);
    book->sheet(2)->workbook().activate(*book->sheet(2));
    elsewhere.select();
    EXPECT_EQ(app->activeSheet(), book->sheet(2));
}

TEST_F(ObjectModel, GridLimits)
{
    app->range("IV65536").setFormulaR1C1("corner");
    EXPECT_EQ(app->range("IV65536").text(), "corner");
    for (const char* bad : {"IW1", "A65537", "A0", "B3:", "hello", ""})
        EXPECT_THROW(app->range(QString::fromLatin1(bad)), SpreadsheetError) << bad;
    EXPECT_THROW(app->columns("IW"), SpreadsheetError);
    EXPECT_THROW(app->rows("65537"), SpreadsheetError);
    EXPECT_EQ(app->cells().count(), 65536 * 256);
    EXPECT_EQ(app->columns("A:C").count(), 3);
    EXPECT_EQ(app->rows("3:3").count(), 1);
    EXPECT_EQ(app->rows("3:3").item(1).row(), 3);
    EXPECT_THROW(app->rows("3:3").item(2), SpreadsheetError);
}

// Cells(row, column) and Range(cell1, cell2): positions by number, no
// address text.
TEST_F(ObjectModel, CellsByNumberAndRangesBetweenThem)
{
    EXPECT_EQ(app->cells(3, 2).address(), "$B$3");
    EXPECT_EQ(app->cells(65536, 256).address(), "$IV$65536");
    for (const auto& [row, column] : {std::pair{0, 1}, {1, 0}, {65537, 1}, {1, 257}})
        EXPECT_THROW(app->cells(row, column), SpreadsheetError) << row << ", " << column;
    // Either corner first, and ranges of more than one cell: the box around both.
    EXPECT_EQ(app->range(app->cells(5, 6), app->cells(3, 2)).address(), "$B$3:$F$5");
    EXPECT_EQ(app->range(app->range("C4:D9"), app->cells(2, 5)).address(), "$C$2:$E$9");
    app->range(app->cells(3, 2), app->cells(3, 4)).merge();
    EXPECT_EQ(app->activeSheet()->merges().areas(), (std::vector<CellRect>{{2, 1, 2, 3}}));

    const Range elsewhere = Range::cell(book->sheet(2), 1, 1);
    EXPECT_THROW(app->range(app->cells(1, 1), elsewhere), SpreadsheetError);
    EXPECT_EQ(Range::spanning(book->sheet(2), elsewhere, Range::cell(book->sheet(2), 2, 2)).address(), "$A$1:$B$2");
}

TEST_F(ObjectModel, MergesKeepTheTopLeftValueAndRefuseOverlaps)
{
    app->range("B2").setFormulaR1C1("title");
    app->range("C2").setFormulaR1C1("lost");
    app->range("B2:D2").merge();
    EXPECT_EQ(app->range("B2").text(), "title");
    EXPECT_TRUE(isEmpty(app->range("C2").value()));
    app->range("B2:D2").merge();  // the same area again is fine
    EXPECT_THROW(app->range("D2:E3").merge(), SpreadsheetError);
    app->range("E5").merge();  // a single cell merges with nothing
    EXPECT_EQ(app->activeSheet()->merges().size(), 1u);
}

TEST_F(ObjectModel, UsedRangeFollowsFillsMergesAndClears)
{
    EXPECT_EQ(sheet->usedRange(), CellRect::at(0, 0));
    app->range("C4").setFormulaR1C1("x");
    app->range("B2:B3").interior().setColorIndex(19);  // format only
    app->range("E7:F8").merge();
    EXPECT_EQ(sheet->usedRange(), (CellRect{1, 1, 7, 5}));

    // As the picture step reads it: the last row's Row and last column's Column.
    const Range used(sheet, sheet->usedRange());
    EXPECT_EQ(used.rows().item(used.rows().count()).row(), 8);
    EXPECT_EQ(used.columns().item(used.columns().count()).column(), 6);

    app->range("E7:F8").clear();
    app->range("B2:B3").clear();
    EXPECT_EQ(sheet->usedRange(), CellRect::at(3, 2));
    app->cells().clear();
    EXPECT_EQ(sheet->usedRange(), CellRect::at(0, 0));
    EXPECT_EQ(sheet->merges().size(), 0u);
}

TEST_F(ObjectModel, ColumnWidthsAndRowHeights)
{
    EXPECT_DOUBLE_EQ(sheet->columnWidth(0), kDefaultColumnWidth);
    app->columns("B:B").setColumnWidth(19.14);
    app->rows("2:2").setRowHeight(42.75);
    EXPECT_DOUBLE_EQ(app->range("B7").columnWidth(), 19.14);
    EXPECT_DOUBLE_EQ(app->range("A2").rowHeight(), 42.75);
    EXPECT_TRUE(sheet->hasCustomHeight(1));
    EXPECT_FALSE(sheet->hasCustomHeight(2));
    EXPECT_DOUBLE_EQ(sheet->rowHeight(2), kDefaultRowHeight);
    EXPECT_THROW(app->columns("C").setColumnWidth(256), SpreadsheetError);
    EXPECT_THROW(app->columns("C").setColumnWidth(-1), SpreadsheetError);
    EXPECT_THROW(app->rows("3").setRowHeight(410), SpreadsheetError);
    EXPECT_EQ(sheet->cells().cellCount(), 0u);  // geometry is not content
}

TEST_F(ObjectModel, PageSetup)
{
    PageSetup& page = app->activeSheet()->pageSetup();
    page.setPrintArea("$B$2:$F$26");
    page.setLeftMargin(app->inchesToPoints(0.5));
    page.setHeaderMargin(app->inchesToPoints(0));
    page.setPrintComments(-4142);
    page.setOrientation(1);
    page.setPaperSize(9);
    page.setZoom(std::nullopt);
    page.setFitToPagesWide(1);
    page.setFitToPagesTall(1);
    EXPECT_EQ(page.printArea(), "$B$2:$F$26");
    EXPECT_DOUBLE_EQ(page.leftMargin(), 36);
    EXPECT_DOUBLE_EQ(page.headerMargin(), 0);
    EXPECT_EQ(page.paperSize(), 9);
    EXPECT_FALSE(page.zoom().has_value());
    EXPECT_THROW(page.setPrintArea("$B$2:$F$"), SpreadsheetError);
    EXPECT_THROW(page.setLeftMargin(-1), SpreadsheetError);
    EXPECT_THROW(page.setOrientation(3), SpreadsheetError);
    EXPECT_THROW(page.setPaperSize(0), SpreadsheetError);
    EXPECT_THROW(page.setZoom(5), SpreadsheetError);
    EXPECT_THROW(page.setPrintComments(2), SpreadsheetError);
}

TEST_F(ObjectModel, HeaderAndFooterHoldUpTo255Characters)
{
    PageSetup& page = app->activeSheet()->pageSetup();
    EXPECT_EQ(page.header(), QString());
    const QString longest = QStringLiteral("&C") + QString(kMaxHeaderFooterLength - 2, u'x');
    page.setHeader(longest);
    page.setFooter(QStringLiteral("&P"));
    EXPECT_EQ(page.header(), longest);
    EXPECT_EQ(page.footer(), QStringLiteral("&P"));
    EXPECT_THROW(page.setHeader(longest + u'x'), SpreadsheetError);
    EXPECT_THROW(page.setFooter(QString(256, u'y')), SpreadsheetError);
    EXPECT_EQ(page.header(), longest);  // a refused text changes nothing
    EXPECT_EQ(page.footer(), QStringLiteral("&P"));
}

TEST(HeaderSections, SplitAndJoin)
{
    const struct {
        QString stored;
        HeaderSections sections;
        QString joined;  // the sections stored again
    } cases[] = {
        {"", {"", "", ""}, ""},
        {"plain", {"", "plain", ""}, "&Cplain"},
        {"&LPlans&C&A&RPage &P of &N", {"Plans", "&A", "Page &P of &N"}, "&LPlans&C&A&RPage &P of &N"},
        {"&rright&lleft", {"left", "", "right"}, "&Lleft&Rright"},
        {"&La&Cb&Lc", {"ac", "b", ""}, "&Lac&Cb"},
        {"&LR&&D &&&C", {"R&&D &&", "", ""}, "&LR&&D &&"},
        {"&L&\"Arial,&R\"x&Ry", {"&\"Arial,&R\"x", "", "y"}, "&L&\"Arial,&R\"x&Ry"},
        {"&Lx\ny&C", {"x\ny", "", ""}, "&Lx\ny"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitHeaderSections(c.stored), c.sections) << c.stored.toStdString();
        EXPECT_EQ(joinHeaderSections(c.sections), c.joined) << c.stored.toStdString();
    }
    // A lone '&' ending a section would make the next section's code a
    // literal ampersand, so it is dropped; a doubled one stays.
    EXPECT_EQ(joinHeaderSections({"a&", "b", "c&&"}), "&La&Cb&Rc&&");
}

TEST_F(ObjectModel, PaletteStartsAsTheDefaultAndTakesNewColours)
{
    EXPECT_EQ(book->color(1), 0x000000u);
    EXPECT_EQ(book->color(3), 0x0000FFu);  // red sits in the low byte
    EXPECT_EQ(book->color(5), 0xFF0000u);  // blue in the high one
    EXPECT_EQ(book->color(53), 0x003399u);  // 153,51,0
    book->setColor(19, 0xE8F8FE);  // 254,248,232
    EXPECT_EQ(book->color(19), 0xE8F8FEu);
    EXPECT_THROW(book->color(0), SpreadsheetError);
    EXPECT_THROW(book->color(57), SpreadsheetError);
    EXPECT_THROW(book->setColor(1, 0x1000000), SpreadsheetError);
}

TEST(Registry, LiveInstancesAnswerByClassName)
{
    EXPECT_EQ(Application::running("Excel.Application"), nullptr);
    auto first = Application::create();
    auto second = Application::create();
    EXPECT_EQ(Application::running("Excel.Application"), first);
    EXPECT_EQ(Application::running("excel.application"), first);
    EXPECT_EQ(Application::running("Word.Application"), nullptr);
    first->quit();
    EXPECT_EQ(Application::running("Excel.Application"), second);
    EXPECT_THROW(first->addWorkbook(), SpreadsheetError);
    EXPECT_THROW(first->version(), SpreadsheetError);
    second.reset();  // destroyed without quitting
    EXPECT_EQ(Application::running("Excel.Application"), nullptr);
}

}  // namespace
}  // namespace jubilo::spreadsheet
