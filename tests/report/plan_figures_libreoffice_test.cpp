// The plan's figures against LibreOffice's own totals of the saved .xls:
// LibreOffice opens the workbook, works every SUM out again and writes the
// sheet as CSV; each block's total must be its figure, to the cent, or the
// same error.
//
// To the cent, not to the bit: the CSV writes a number with 15 significant
// digits, and LibreOffice's SUM is not always a plain running sum of
// doubles as the engine's and the figures' are (0.1 + 0.2 - 0.3 comes out
// as exactly 0 there). The amounts here are whole cents, so such
// differences stay far below half a cent.

#include "amount_plans.h"
#include "block_totals.h"
#include "saved_plan_sheet.h"
#include "figures/plan_figures.h"
#include "files/path_bytes.h"
#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"
#include "report/plan_sheet.h"
#include "spreadsheet/xls/xls_io.h"
#include "tests/support/external_tools.h"
#include "tests/support/sample_plans.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace jubilo {
namespace {

// What the saved file keeps as each formula's result, for readers that do
// not recalculate. No total is ever this text, so a total that LibreOffice
// shows as a number or an error it worked out itself.
const std::u16string kStaleResult = u"kept, not recalculated";

qint64 cents(double amount) { return std::llround(amount * 100); }

// Totals that are errors, overflows and sums that cancel, a list each.
Plan errorsAndEdgesPlan()
{
    Plan plan;
    testing::appendAmounts(plan, TableId::Guests, {"1", "#N/A"});
    testing::appendAmounts(plan, TableId::Music, {"1e308", "1e308"});
    testing::appendAmounts(plan, TableId::Decorations, {"1e308", "1e308", "-1e308"});
    testing::appendAmounts(plan, TableId::FoodAndDrinks, {"#DIV/0!", "#N/A"});
    testing::appendAmounts(plan, TableId::OtherSupplies, {"0.1", "0.2", "-0.3", "1e16", "1", "1", "-1e16"});
    testing::appendAmounts(plan, TableId::Incidentals, {"5", "#VALUE!", "#NULL!"}, "No");
    return plan;
}

class PlanFiguresInLibreOfficeTest : public ::testing::Test {
protected:
    // Saves the plan's workbook as the program does, then makes the results
    // the file keeps for its formulas stale. Returns the file's path.
    QString saveWithStaleResults(const QString& name, const Plan& plan)
    {
        const QString path = testing::savePlanSheet(dir, name, plan);
        xls::XlsWorkbook saved = xls::readWorkbook(files::fileSystemPath(path));
        int formulas = 0;
        for (xls::XlsSheet& sheet : saved.sheets) {
            for (xls::XlsCell& cell : sheet.cells) {
                if (auto* formula = std::get_if<xls::XlsFormula>(&cell.value)) {
                    formula->cached = kStaleResult;
                    ++formulas;
                }
            }
        }
        EXPECT_EQ(formulas, 6) << name.toStdString() << ": one SUM per list block with a total";
        xls::writeWorkbook(saved, files::fileSystemPath(path));
        return path;
    }

    // Every block's total in LibreOffice's CSV is its figure.
    void expectTotalsAreTheFigures(const QString& csvPath, const Plan& plan)
    {
        const QList<QStringList> rows = testing::readCsv(csvPath);
        ASSERT_FALSE(rows.isEmpty()) << csvPath.toStdString();
        const auto columnB = [&](int row) { return rows[row - 1].value(1); };
        for (const testing::BlockFigure& block : testing::blockFigures(planFigures(plan, engineTypedInput()))) {
            SCOPED_TRACE(csvPath.toStdString() + ", " + block.title.toStdString());
            const int row = testing::totalRowOf(block.title, int(rows.size()), columnB);
            ASSERT_GT(row, 0) << "no \"Total:\" under the title";
            const QString shown = rows[row - 1].value(5);
            if (block.figure.isError()) {
                EXPECT_EQ(shown, block.figure.error);
                continue;
            }
            bool number = false;
            const double total = shown.toDouble(&number);
            ASSERT_TRUE(number) << "total in row " << row << ": " << shown.toStdString();
            EXPECT_EQ(cents(block.figure.value), cents(total))
                << "figure " << QString::number(block.figure.value, 'g', 17).toStdString() << ", LibreOffice "
                << shown.toStdString();
        }
    }

    testing::UsEnglishLocale english;
    QTemporaryDir dir;
};

TEST_F(PlanFiguresInLibreOfficeTest, LibreOfficesOwnTotalsAreTheFiguresToTheCent)
{
    const std::pair<QString, Plan> plans[] = {
        {QStringLiteral("sample"), testing::samplePlan()},
        {QStringLiteral("varied"), testing::variedAmountsPlan(1000)},
        {QStringLiteral("edges"), errorsAndEdgesPlan()},
    };
    QStringList files;
    for (const auto& [name, plan] : plans)
        files << saveWithStaleResults(name, plan);
    // One LibreOffice run converts them all: starting it is the slow part.
    const auto r
        = testing::LibreOffice(dir.filePath("profile")).convert(testing::kCsvAsStored, files, dir.filePath("out"));
    ASSERT_TRUE(r.succeeded()) << r.output.toStdString();
    for (const auto& [name, plan] : plans)
        expectTotalsAreTheFigures(dir.filePath("out/" + name + ".csv"), plan);
}

}  // namespace
}  // namespace jubilo
