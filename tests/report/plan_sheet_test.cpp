#include "model/plan.h"
#include "engine_host/engine_host.h"
#include "report/plan_sheet.h"
#include "report/sheet_palette.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

void appendRows(Plan& plan, TableId id, std::initializer_list<PlanRow> rows)
{
    for (const PlanRow& row : rows)
        plan.table(id).append(row);
}

// One row in every table: the example plan a first-time user loads.
Plan samplePlan()
{
    Plan plan;
    appendRows(plan, TableId::Guests, {{"John", "NY City", "Yes", "1"}});
    appendRows(plan, TableId::Music, {{"Dance", "CD", "No", "9.99"}});
    appendRows(plan, TableId::Decorations, {{"Garland", "3", "Yes", "3.04"}});
    appendRows(plan, TableId::Incidentals, {{"Other", "No", "0.00"}});
    appendRows(plan, TableId::FoodAndDrinks, {{"Barbeque", "Meat", "Yes", "20.00"}});
    appendRows(plan, TableId::OtherSupplies, {{"Lights", "Yes", "14.99"}});
    appendRows(plan, TableId::Schedules, {{"Buy meals", "11:10 AM", "Nearest store"}});
    appendRows(plan, TableId::Activities, {{"Dancing", "07:00 PM", "If guests want to"}});
    plan.setBudget(BudgetId::Music, "15.00");
    plan.setBudget(BudgetId::Decoration, "25.00");
    plan.setBudget(BudgetId::Incidental, "20.00");
    plan.setBudget(BudgetId::Food, "50.00");
    plan.setBudget(BudgetId::OtherSupply, "30.00");
    plan.setDate("2021 | August 31 | 09 PM");
    return plan;
}

class PlanSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        host = createEngineHost("Excel.Application");
        host->setDisplayAlerts(false);
        host->workbooks()->add();
    }
    void TearDown() override
    {
        host->quit();
        QLocale::setDefault(QLocale::system());
    }

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

    std::unique_ptr<SpreadsheetHost> host;
};

TEST_F(PlanSheetTest, SamplePlanLandsOnTheRowsAndCellsOfTheLayout)
{
    build(samplePlan());
    EXPECT_EQ(text("B2"), "Holiday Party Plans");
    EXPECT_EQ(text("E2"), "2021 | August 31 | 09 PM");
    EXPECT_EQ(mergeOf("F2"), "$E$2:$F$2");
    const std::pair<const char*, const char*> titles[] = {
        {"B3", "Guests"}, {"B6", "Music"}, {"B9", "Decorations"}, {"B12", "Food and Drinks"},
        {"B15", "Other Supplies"}, {"B18", "Incidentals"}, {"B21", "Schedule"}, {"B24", "At The Party"}};
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
               {{"Cake", "Flour", "No", "2"}, {"Cake", "Eggs", "Yes", "3"}, {"Punch", "Juice", "No", "4"},
                {"Cake", "Icing", "No", "1"}, {"", "Ice", "No", "0.5"}});
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
    appendRows(plan, TableId::Music,
               {{"=1+2", "'007", "No", "1,234.50"}, {"=(", "CD", "Yes", "abc"}});
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

}  // namespace
}  // namespace jubilo
