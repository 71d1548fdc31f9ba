// The plan sheet the report builds on the engine's host, as the program
// wires it, and its picture through CopyPicture. Set JUBILO_PICTURE_PNG to a
// path to keep the plan's picture.

#include "host/engine/engine_host.h"
#include "platform/bitmap_picture.h"
#include "report/plan_sheet.h"
#include "report/sheet_palette.h"
#include "spreadsheet/picture/sheet_geometry_p.h"
#include "tests/support/pixels.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"

#include <QImage>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using spreadsheet::picture::columnPixels;
using spreadsheet::picture::pointsToPixels;
using testing::appendRows;
using testing::samplePlan;

class PlanSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = createEngineHost("Excel.Application");
        host->setDisplayAlerts(false);
        host->workbooks()->add();
    }
    void TearDown() override { host->quit(); }

    void build(const Plan& plan) { buildPlanSheet(*host, plan); }
    std::unique_ptr<HostRange> at(const QString& a1) { return host->range(a1); }
    QString text(const QString& a1) { return at(a1)->text(); }
    QVariant value(const QString& a1) { return at(a1)->value(); }
    int fill(const QString& a1) { return at(a1)->interior()->colorIndex(); }
    // Selecting one cell of a merged area selects all of it.
    QString mergeOf(const QString& a1)
    {
        at(a1)->select();
        return host->selection()->address();
    }
    QString printArea() { return host->activeSheet()->pageSetup()->printArea(); }
    // The range's picture as CopyPicture puts it on the host's clipboard.
    QImage copied(HostRange& range)
    {
        const auto before = host->copiedPicture();
        range.copyPicture();
        const auto picture = host->copiedPicture();
        if (!picture || picture == before)
            throw std::runtime_error("CopyPicture put nothing on the host's clipboard");
        return drawPictureBitmap(*picture);
    }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    testing::UsEnglishLocale english;
    std::unique_ptr<SpreadsheetHost> host;
};

using PlanSheetPictureTest = PlanSheetTest;

TEST_F(PlanSheetTest, SamplePlanLandsOnTheRowsAndCellsOfTheLayout)
{
    build(samplePlan());
    EXPECT_EQ(text("B2"), "Holiday Party Plans");
    EXPECT_EQ(text("E2"), "2021 | August 31 | 09 PM");
    EXPECT_EQ(mergeOf("F2"), "$E$2:$F$2");
    const std::pair<const char*, const char*> titles[]
        = {{"B3", "Guests"},          {"B6", "Music"},        {"B9", "Decorations"}, {"B12", "Food and Drinks"},
           {"B15", "Other Supplies"}, {"B18", "Incidentals"}, {"B21", "Schedule"},   {"B24", "At The Party"}};
    for (const auto& [cell, title] : titles) {
        EXPECT_EQ(text(cell), title) << cell;
        EXPECT_EQ(fill(cell), 13) << cell;
    }
    for (const char* total : {"B5", "B8", "B11", "B14", "B17", "B20"})
        EXPECT_EQ(text(total), "Total:") << total;
    EXPECT_EQ(text("F3"), "Number in Party");
    EXPECT_EQ(text("F6"), "Budget: $15.00");
    EXPECT_EQ(text("C3"), "Address Invitation Was Sent To");
    EXPECT_EQ(mergeOf("C3"), "$C$3:$D$3");
    EXPECT_EQ(mergeOf("C15"), "$B$15:$D$15");
    EXPECT_EQ(text("B22"), "Task");
    EXPECT_EQ(text("D25"), "Time");
    EXPECT_EQ(text("B26"), "Dancing");
    EXPECT_EQ(text("D23"), "11:10 AM");
    EXPECT_EQ(text("D26"), "7:00 PM");
    EXPECT_EQ(printArea(), "$B$2:$F$26");
}

TEST_F(PlanSheetTest, AmountsAreMoneyAndTotalsSumThem)
{
    build(samplePlan());
    EXPECT_DOUBLE_EQ(value("F7").toDouble(), 9.99);
    EXPECT_EQ(text("F7"), "$9.99");
    EXPECT_EQ(at("F8")->formulaR1C1(), "=SUM(R[-1]C:R[-1]C)");
    EXPECT_EQ(text("F8"), "$9.99");
    EXPECT_EQ(text("F5"), "1");  // guests are counted, not money
    EXPECT_EQ(text("F20"), "$0.00");
    EXPECT_EQ(at("F7")->numberFormat(), "$#,##0.00");
    EXPECT_EQ(at("F7")->horizontalAlignment(), xl::kLeft);
    EXPECT_EQ(at("F7")->indentLevel(), 1);
    EXPECT_EQ(at("B7")->indentLevel(), 1);
    EXPECT_EQ(at("B8")->horizontalAlignment(), xl::kRight);
}

TEST_F(PlanSheetTest, LookOfTheSheet)
{
    build(samplePlan());
    auto title = at("B2")->font();
    EXPECT_EQ(title->name(), "Palatino Linotype");
    EXPECT_EQ(title->size(), 24);
    EXPECT_TRUE(title->bold());
    EXPECT_TRUE(title->italic());
    EXPECT_EQ(title->colorIndex(), 53);
    EXPECT_EQ(at("B4")->font()->name(), "Century Gothic");
    EXPECT_EQ(at("B3")->font()->colorIndex(), 35);
    EXPECT_EQ(at("B22")->font()->colorIndex(), 13);
    EXPECT_EQ(fill("B4"), 19);
    EXPECT_EQ(fill("E5"), 35);
    EXPECT_EQ(fill("F5"), 39);
    EXPECT_EQ(fill("B22"), 35);
    EXPECT_EQ(fill("H40"), 2);
    EXPECT_EQ(host->activeWorkbook()->colors(19), paletteColour(254, 248, 232));
    EXPECT_NEAR(host->columns("B:B")->columnWidth(), 19.14, 0.01);
    EXPECT_NEAR(host->columns("F:F")->columnWidth(), 27.86, 0.01);
    EXPECT_DOUBLE_EQ(host->rows("2:2")->rowHeight(), 42.75);
    EXPECT_DOUBLE_EQ(host->rows("3:3")->rowHeight(), 20);
    EXPECT_DOUBLE_EQ(host->rows("4:4")->rowHeight(), 14.25);
    EXPECT_EQ(at("B3:F5")->borders(xl::kEdgeLeft)->lineStyle(), xl::kContinuous);
    EXPECT_EQ(at("B3:F5")->borders(xl::kEdgeBottom)->lineStyle(), xl::kContinuous);
    EXPECT_EQ(at("B3:F5")->borders(xl::kInsideVertical)->colorIndex(), 48);
    EXPECT_NE(at("B3:F5")->borders(xl::kInsideHorizontal)->lineStyle(), xl::kContinuous);

    auto page = host->activeSheet()->pageSetup();
    EXPECT_EQ(page->paperSize(), xl::kPaperA4);
    EXPECT_EQ(page->orientation(), xl::kPortrait);
    EXPECT_DOUBLE_EQ(page->leftMargin(), 36);
    EXPECT_DOUBLE_EQ(page->headerMargin(), 0);
    EXPECT_EQ(page->zoom(), QVariant(false));
    EXPECT_EQ(page->fitToPagesWide().toInt(), 1);
    EXPECT_EQ(page->fitToPagesTall().toInt(), 1);
    EXPECT_EQ(host->activeCell()->row(), 15);
}

TEST_F(PlanSheetTest, AnEmptyPlanStillHasEveryBlock)
{
    build(Plan());
    for (const char* title : {"B3", "B5", "B7", "B9", "B11", "B13", "B15", "B17"})
        EXPECT_EQ(fill(title), 13) << title;
    for (const char* total : {"B4", "B6", "B8", "B10", "B12", "B14"})
        EXPECT_EQ(text(total), "Total:") << total;
    EXPECT_EQ(text("F4"), "0");
    EXPECT_EQ(text("F6"), "$0.00");
    EXPECT_EQ(text("F6").isEmpty(), false);
    EXPECT_EQ(text("F9"), "Budget: $");
    EXPECT_EQ(text("B16"), "Task");
    EXPECT_EQ(text("B18"), "Activity");
    EXPECT_EQ(printArea(), "$B$2:$F$18");
    EXPECT_EQ(host->activeCell()->row(), 15);
}

TEST_F(PlanSheetTest, StripesAndFoodNamesGroupAdjacentRuns)
{
    Plan plan;
    appendRows(plan, TableId::FoodAndDrinks,
               {{"Cake", "Flour", "No", "2"},
                {"Cake", "Eggs", "Yes", "3"},
                {"Punch", "Juice", "No", "4"},
                {"Cake", "Icing", "No", "1"},
                {"", "Ice", "No", "0.5"}});
    appendRows(plan, TableId::OtherSupplies, {{"Cups", "No", "1"}, {"Plates", "No", "2"}});
    build(plan);
    // Food block: title 9, rows 10 to 14, total 15.
    const char* names[] = {"Cake", "", "Punch", "Cake", ""};
    for (int i = 0; i < 5; ++i) {
        const QString cell = QStringLiteral("B%1").arg(10 + i);
        EXPECT_EQ(text(cell), names[i]) << cell.toStdString();
        EXPECT_EQ(fill(cell), i % 2 == 0 ? 19 : 2) << cell.toStdString();
    }
    EXPECT_EQ(text("C11"), "Eggs");
    EXPECT_DOUBLE_EQ(value("F15").toDouble(), 10.5);
    // The next block starts cream again.
    EXPECT_EQ(fill("B17"), 19);
    EXPECT_EQ(fill("B18"), 2);
    EXPECT_EQ(text("B17"), "Cups");
    EXPECT_EQ(mergeOf("B17"), "$B$17:$D$17");
}

TEST_F(PlanSheetTest, CellTextsAreReadLikeTypedInput)
{
    Plan plan;
    appendRows(plan, TableId::Music, {{"=1+2", "'007", "No", "1,234.50"}, {"=(", "CD", "Yes", "abc"}});
    plan.setDate("12/25/2026");
    build(plan);
    EXPECT_DOUBLE_EQ(value("B6").toDouble(), 3);
    EXPECT_EQ(text("C6"), "007");
    EXPECT_DOUBLE_EQ(value("F6").toDouble(), 1234.5);
    EXPECT_EQ(text("F6"), "$1,234.50");
    EXPECT_EQ(text("B7"), "=(");
    EXPECT_EQ(text("F7"), "abc");
    EXPECT_DOUBLE_EQ(value("F8").toDouble(), 1234.5);  // text is skipped by the sum
    EXPECT_EQ(value("E2").typeId(), QMetaType::Double);  // read as a date
}

TEST_F(PlanSheetTest, APlanLongerThanTheSheetIsRefusedBeforeWriting)
{
    Plan plan;
    for (TableId id : {TableId::Guests, TableId::Music}) {
        for (int i = 0; i < PlanTable::kMaxRows; ++i)
            plan.table(id).append({"x", "y", "Yes", "1"});
    }
    try {
        build(plan);
        FAIL() << "a plan of 65,534 rows and more fitted";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("65536"), std::string::npos);
    }
    EXPECT_EQ(text("B2"), "");
}

// The example plan with more guests, music and food, and a four-digit amount.
Plan partyPlan()
{
    Plan plan = samplePlan();
    appendRows(plan, TableId::Guests,
               {{"Mary and Tom", "12 Elm Street", "Yes", "2"}, {"The Garcias", "4 Harbour Road, Apt 7", "No", "4"}});
    appendRows(plan, TableId::Music, {{"Jazz night", "Vinyl", "Yes", "1234.5"}});
    appendRows(plan, TableId::FoodAndDrinks,
               {{"Barbeque", "Charcoal", "No", "7.5"}, {"Punch", "Fruit juice", "Yes", "12"}});
    plan.setBudget(BudgetId::Music, "1500.00");
    return plan;
}

TEST_F(PlanSheetPictureTest, CopyPicturePutsTheRangeOnTheHostsClipboard)
{
    host->range("B2")->setFormulaR1C1("42");
    host->range("A1:C3")->interior()->setColorIndex(6);
    const QImage image = copied(*host->range("A1:C3"));
    EXPECT_EQ(host->copiedPicture()->size(), QSize(3 * 64 + 1, 3 * 17 + 1));
    EXPECT_EQ(image.size(), QSize(3 * 64 + 1, 3 * 17 + 1));
    EXPECT_PIXEL(image, 5, 5, QColor(255, 255, 0));  // entry 6 of a new workbook's palette

    const auto gone = host->range("A1");
    host->activeWorkbook()->close();
    EXPECT_THROW(gone->copyPicture(), std::runtime_error);
}

TEST_F(PlanSheetPictureTest, PlanSheetPictureShowsItsBlocks)
{
    buildPlanSheet(*host, partyPlan());
    const auto used = host->activeSheet()->usedRange();
    ASSERT_EQ(used->address(), "$B$2:$F$31");
    const QImage image = copied(*used);
    if (const QString path = qEnvironmentVariable("JUBILO_PICTURE_PNG"); !path.isEmpty())
        image.save(path, "PNG");

    const int b = columnPixels(19.14), c = columnPixels(17.57), d = columnPixels(7.29), e = columnPixels(13.86),
              f = columnPixels(27.86);
    const int title = pointsToPixels(42.75), bar = pointsToPixels(20), data = pointsToPixels(14.25),
              plain = pointsToPixels(12.75);
    EXPECT_EQ(image.width(), b + c + d + e + f + 1);
    // Rows 2 to 35: the title, eight title bars, 13 data rows, six totals
    // and the two timeline header rows.
    EXPECT_EQ(image.height(), title + 8 * bar + 13 * data + 8 * plain + 1);

    const QColor green(129, 164, 120), paleGreen(219, 235, 203), cream(254, 248, 232), white(255, 255, 255),
        totalGrey(234, 234, 234), lineGrey(207, 207, 207), black(0, 0, 0);
    const int row3 = title, row4 = row3 + bar, row5 = row4 + data, row6 = row5 + data, row7 = row6 + data;
    EXPECT_PIXEL(image, b + c + 40, row3 + 3, green);  // Guests title bar in D3
    EXPECT_PIXEL(image, b + c + 40, row4 + 3, cream);  // first guest
    EXPECT_PIXEL(image, b + c + 40, row5 + 3, white);  // second guest
    EXPECT_PIXEL(image, b + c + 40, row6 + 3, cream);  // third guest
    EXPECT_PIXEL(image, b + c + 40, row7 + 3, paleGreen);  // the total label
    EXPECT_PIXEL(image, b + c + d + e + f - 5, row7 + 3, totalGrey);
    EXPECT_PIXEL(image, b, row5 + 8, lineGrey);  // B|C inside line
    EXPECT_PIXEL(image, b + c, row5 + 8, white);  // C:D merged: no line
    EXPECT_PIXEL(image, b + c + d, row5 + 8, lineGrey);  // D|E
    EXPECT_PIXEL(image, 0, row5 + 8, black);  // the block's frame
    EXPECT_PIXEL(image, b + c + d + e + f, row5 + 8, black);
    EXPECT_PIXEL(image, 10, row7 + plain, black);  // between the Guests total and Music title bar
    EXPECT_PIXEL(image, 10, 10, white);  // no gridlines through the white sheet
    EXPECT_PIXEL(image, b, 10, white);
    EXPECT_EQ(host->range("F10")->text(), "$1,234.50");
}

}  // namespace
}  // namespace jubilo
