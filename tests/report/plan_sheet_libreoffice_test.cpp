// Plan sheets saved as .xls and read by LibreOffice: its own recalculation of
// every total must equal the sum of the amounts above it, and the sheet must
// print on exactly one A4 portrait page.

#include "saved_plan_sheet.h"
#include "tests/support/external_tools.h"
#include "tests/support/sample_plans.h"

#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

const QSet<QString> kBlockTitles = {"Guests",         "Music",       "Decorations", "Food and Drinks",
                                    "Other Supplies", "Incidentals", "Schedule",    "At The Party"};

Plan oddPlan()
{
    Plan plan = testing::planWithRows(2);
    plan.table(TableId::Music).append({"=1+2", "Ελληνικά 🎉", "Yes", "abc"});
    plan.table(TableId::Decorations).append({"(5)", "=(", "No", "-7.5"});
    plan.setDate("12/25/2026");
    return plan;
}

class PlanSheetInLibreOfficeTest : public ::testing::Test {
protected:
    QString save(const QString& name, const Plan& plan) { return testing::savePlanSheet(dir, name, plan); }

    // Walks up from every "Total:" row to its block's title, summing column F.
    void expectTotalsAddUp(const QString& csvPath, int expectedTotals)
    {
        const QList<QStringList> rows = testing::readCsv(csvPath);
        ASSERT_FALSE(rows.isEmpty()) << csvPath.toStdString();
        int totals = 0;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (rows[r].value(1) != "Total:")
                continue;
            ++totals;
            double sum = 0;
            qsizetype up = r - 1;
            for (; up >= 0 && !kBlockTitles.contains(rows[up].value(1)); --up) {
                bool number = false;
                const double amount = rows[up].value(5).toDouble(&number);
                if (number)
                    sum += amount;
            }
            ASSERT_GE(up, 0) << "no title above the total in row " << r + 1;
            bool number = false;
            const double total = rows[r].value(5).toDouble(&number);
            ASSERT_TRUE(number) << "total of row " << r + 1 << ": " << rows[r].value(5).toStdString();
            EXPECT_NEAR(total, sum, 1e-9) << csvPath.toStdString() << " row " << r + 1;
        }
        EXPECT_EQ(totals, expectedTotals);
    }

    void expectOneA4PortraitPage(const QString& pdfPath)
    {
        const testing::PdfPages pages = testing::readPdfPages(pdfPath);
        EXPECT_EQ(pages.count, 1) << pdfPath.toStdString();
        ASSERT_FALSE(pages.firstSize.isEmpty()) << pdfPath.toStdString();
        EXPECT_NEAR(pages.firstSize.width(), 595.3, 1.0);  // A4 in points, portrait
        EXPECT_NEAR(pages.firstSize.height(), 841.9, 1.0);
    }

    testing::UsEnglishLocale english;
    QTemporaryDir dir;
};

TEST_F(PlanSheetInLibreOfficeTest, TotalsAddUpAndEverySheetPrintsOnOneA4Page)
{
    const QStringList files = {save("sample", testing::planWithRows(1)), save("empty", Plan()),
                               save("several", testing::planWithRows(12)), save("odd", oddPlan())};
    for (const QString& filter : {QString(testing::kCsvAsStored), QStringLiteral("pdf")}) {
        const auto r = testing::LibreOffice(dir.filePath("profile")).convert(filter, files, dir.filePath("out"));
        ASSERT_TRUE(r.succeeded()) << r.output.toStdString();
    }
    for (const QString& file : files) {
        const QString out = dir.filePath("out/" + QFileInfo(file).completeBaseName());
        expectTotalsAddUp(out + ".csv", 6);
        expectOneA4PortraitPage(out + ".pdf");
    }
}

}  // namespace
}  // namespace jubilo
