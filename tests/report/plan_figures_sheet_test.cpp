// The plan's figures against the totals of the sheet the report builds on
// the engine's host: whatever the user types as an amount or a number in a
// party, the figure is the number (or the error) the block's "Total:" cell
// holds, to the last bit.

#include "amount_plans.h"
#include "block_totals.h"
#include "figures/plan_figures.h"
#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"
#include "host/interface/spreadsheet_host.h"
#include "report/plan_sheet.h"
#include "tests/support/sample_plans.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

// The value of a total cell as a sum, or as an error telling what else the
// cell holds.
SheetSum asSum(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<HostCellError>())
        return {0, value.value<HostCellError>().text};
    if (value.metaType() == QMetaType::fromType<double>())
        return {value.toDouble(), {}};
    return {0, QStringLiteral("(not a number: %1 \"%2\")").arg(value.typeName(), value.toString())};
}

std::string described(const SheetSum& sum)
{
    return sum.isError() ? sum.error.toStdString() : QString::number(sum.value, 'g', 17).toStdString();
}

// A plan whose guests and every money list hold the amounts, one row each,
// every item bought (a bought item counts in the total as much as one to buy).
Plan planWithAmounts(const QStringList& amounts)
{
    Plan plan;
    testing::appendAmounts(plan, TableId::Guests, amounts);
    for (const MoneyTableSpec& moneyList : moneyTableSpecs())
        testing::appendAmounts(plan, moneyList.table, amounts);
    return plan;
}

class PlanFiguresAgainstSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = createEngineHost("Excel.Application");
        host->setDisplayAlerts(false);
    }
    void TearDown() override { host->quit(); }

    // The sheet's total of every block with one, in blockFigures' order.
    std::vector<SheetSum> sheetTotals(const Plan& plan)
    {
        const auto book = host->workbooks()->add();
        buildPlanSheet(*host, plan);
        const auto used = host->activeSheet()->usedRange();
        const int lastRow = used->row() + used->rows()->count() - 1;
        const auto columnB = [&](int row) { return host->cells(row, 2)->text(); };
        std::vector<SheetSum> totals;
        for (const testing::BlockFigure& block : testing::blockFigures(planFigures(plan, engineTypedInput()))) {
            const int row = testing::totalRowOf(block.title, lastRow, columnB);
            totals.push_back(row ? asSum(host->cells(row, 6)->value()) : SheetSum{0, "(no total row)"});
        }
        book->close();
        return totals;
    }

    // Every block's figure is its total on the sheet, exactly.
    void expectFiguresAreTheSheetsTotals(const Plan& plan, const std::string& what)
    {
        const std::vector<testing::BlockFigure> blocks = testing::blockFigures(planFigures(plan, engineTypedInput()));
        const std::vector<SheetSum> totals = sheetTotals(plan);
        ASSERT_EQ(blocks.size(), 6u);
        ASSERT_EQ(totals.size(), blocks.size());
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const SheetSum& figure = blocks[i].figure;
            SCOPED_TRACE(what + " in " + blocks[i].title.toStdString() + ": figure " + described(figure) + ", sheet "
                         + described(totals[i]));
            EXPECT_EQ(figure.error, totals[i].error);
            EXPECT_EQ(figure.value, totals[i].value);
        }
    }

    testing::UsEnglishLocale english;
    std::unique_ptr<SpreadsheetHost> host;
};

// Texts a user may type as an amount, and how a sum meets them: money and
// thousands separators, signs and parentheses, words, a locale's other
// separators, errors and booleans, percentages and times, lookalike
// characters, numbers at the ends of the doubles, and lists whose sum
// overflows, misses binary exactness or meets two errors.
const QStringList kAmountCases[] = {
    {"$1,234.50"},
    {"1234.5"},
    {"-5"},
    {"(5)"},
    {""},
    {"ten"},
    {"1e3"},
    {" 12 "},
    {"12.345"},
    {"$"},
    {"1.234,50"},
    {"#N/A"},
    {"TRUE"},
    {"false"},
    {"50%"},
    {"12:30"},
    {"12:30 PM"},
    {"12/25/2026"},
    {"'12"},
    {"1,200"},
    {"$1,200.50"},
    {"0.1"},
    {"($5.00)"},
    {"-$5"},
    {"$-5"},
    {"5-"},
    {"+5"},
    {".5"},
    {"1,2,3"},
    {"1 1/2"},
    {"€5"},
    {"\u00A012"},  // a non-breaking space before
    {"12\u00A0000"},  // a non-breaking space as a thousands separator
    {"\uFF11\uFF12"},  // full-width digits
    {"\u22125"},  // a minus sign, not a hyphen
    {"\t5"},
    {"5\n"},
    {"inf"},
    {"NaN"},
    {"0x10"},
    {"1e400"},
    {"99999999999999999999"},
    {"4.9e-324"},
    {"1e308"},
    {"1e308", "1e308"},
    {"-1e308", "-1e308"},
    {"1e308", "1e308", "-1e308"},
    {"0.1", "0.2"},
    {"0.1", "0.2", "0.7", "-0.3"},
    {"1e16", "1", "1"},
    {"#DIV/0!"},
    {"5", "#VALUE!", "#N/A"},
    {"1e308", "1e308", "#N/A"},
    {"#NULL!", "1e308", "1e308"},
};

TEST_F(PlanFiguresAgainstSheetTest, EveryTypedAmountAddsUpAsTheSheetsTotal)
{
    for (const QStringList& amounts : kAmountCases)
        expectFiguresAreTheSheetsTotals(planWithAmounts(amounts), "\"" + amounts.join("\", \"").toStdString() + "\"");
}

TEST_F(PlanFiguresAgainstSheetTest, TheSamplePlanAndALongPlanOfEveryKindOfAmountAddUpToTheBit)
{
    expectFiguresAreTheSheetsTotals(testing::samplePlan(), "the sample plan");
    expectFiguresAreTheSheetsTotals(testing::variedAmountsPlan(1000), "1,000 varied rows");
}

// Formulas are left to the sheet: the figure counts such a row as one
// without a number, while the sheet works it out.
TEST_F(PlanFiguresAgainstSheetTest, AnAmountTypedAsAFormulaIsTheOneKnownDifference)
{
    const Plan plan = planWithAmounts({"2", "=1+2"});
    const PlanFigures figures = planFigures(plan, engineTypedInput());
    const std::vector<SheetSum> totals = sheetTotals(plan);
    ASSERT_EQ(totals.size(), 6u);
    EXPECT_EQ(figures.guests.invited.value, 2);
    EXPECT_EQ(figures.guests.rowsWithoutNumber, 1);
    EXPECT_EQ(figures.money[0].spent.value, 2);
    EXPECT_EQ(figures.money[0].rowsWithoutNumber, 1);
    for (const SheetSum& total : totals) {
        EXPECT_FALSE(total.isError()) << total.error.toStdString();
        EXPECT_EQ(total.value, 5);
    }
}

TEST_F(PlanFiguresAgainstSheetTest, BudgetsReadAsTheSheetReadsAnAmount)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"$1,200.50", 1200.5},      {"1200", 1200},         {"1,200", 1200},
        {"plenty", std::nullopt},   {"", std::nullopt},     {"(25)", -25},
        {"#N/A", std::nullopt},     {"=100", std::nullopt}, {"15.00", 15},
        {"1.200,50", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(budgetAmount(QString::fromUtf8(text), engineTypedInput()), expected) << text;

    Plan plan;
    plan.setBudget(BudgetId::Food, "$1,200.50");
    plan.setBudget(BudgetId::Music, "plenty");
    const PlanFigures figures = planFigures(plan, engineTypedInput());
    EXPECT_EQ(figures.money[2].budget, 1200.5);
    EXPECT_EQ(figures.money[0].budget, std::nullopt);
}

}  // namespace
}  // namespace jubilo
