// Plan sheets saved as .xls and read by LibreOffice: its own recalculation of
// every total must equal the sum of the amounts above it, and the sheet must
// print on exactly one A4 portrait page.

#include "model/plan.h"
#include "engine_host/engine_host.h"
#include "report/plan_sheet.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

const QSet<QString> kBlockTitles = {"Guests",         "Music",       "Decorations", "Food and Drinks",
                                    "Other Supplies", "Incidentals", "Schedule",    "At The Party"};

Plan planWithRows(int rows)
{
    Plan plan;
    for (int i = 1; i <= rows; ++i) {
        const QString n = QString::number(i);
        plan.table(TableId::Guests).append({"Guest " + n, "Street " + n, "Yes", n});
        plan.table(TableId::Music).append({"Song " + n, "CD", "No", QString::number(i * 1.25)});
        plan.table(TableId::Decorations).append({"Deco " + n, "2", "Yes", "3.04"});
        plan.table(TableId::FoodAndDrinks).append({i % 3 ? "Cake" : "Punch", "Item " + n, "No", "1,000.10"});
        plan.table(TableId::OtherSupplies).append({"Supply " + n, "Yes", "14.99"});
        plan.table(TableId::Incidentals).append({"Other " + n, "No", "0.00"});
        plan.table(TableId::Schedules).append({"Task " + n, "11:10 AM", "Notes"});
        plan.table(TableId::Activities).append({"Dance " + n, "07:00 PM", "If guests want to"});
    }
    plan.setBudget(BudgetId::Music, "15.00");
    plan.setDate("2021 | August 31 | 09 PM");
    return plan;
}

Plan oddPlan()
{
    Plan plan = planWithRows(2);
    plan.table(TableId::Music).append({"=1+2", "Ελληνικά 🎉", "Yes", "abc"});
    plan.table(TableId::Decorations).append({"(5)", "=(", "No", "-7.5"});
    plan.setDate("12/25/2026");
    return plan;
}

QStringList csvFields(const QString& line)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.last() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            fields.append(QString());
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

class PlanSheetInLibreOfficeTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QString save(const QString& name, const Plan& plan)
    {
        auto host = createEngineHost("Excel.Application");
        auto book = host->workbooks()->add();
        buildPlanSheet(*host, plan);
        const QString path = dir.filePath(name + ".xls");
        book->saveAs(path, xl::kExcel8);
        host->quit();
        return path;
    }

    void convert(const QString& filter, const QStringList& files)
    {
        QProcess soffice;
        soffice.setProcessChannelMode(QProcess::MergedChannels);
        soffice.start("soffice", QStringList{"-env:UserInstallation=file://" + dir.filePath("profile"),
                                             "--headless", "--norestore", "--convert-to", filter,
                                             "--outdir", dir.filePath("out")}
                                     + files);
        ASSERT_TRUE(soffice.waitForFinished(300'000)) << "LibreOffice did not finish";
        ASSERT_EQ(soffice.exitCode(), 0) << soffice.readAll().toStdString();
    }

    QString output(const QString& xls, const QString& suffix)
    {
        return dir.filePath("out/" + QFileInfo(xls).completeBaseName() + suffix);
    }

    // Walks up from every "Total:" row to its block's title, summing column F.
    void expectTotalsAddUp(const QString& csvPath, int expectedTotals)
    {
        QFile csv(csvPath);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << csvPath.toStdString();
        QList<QStringList> rows;
        for (const QString& line : QString::fromUtf8(csv.readAll()).split('\n'))
            rows << csvFields(line);
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
        QFile pdf(pdfPath);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << pdfPath.toStdString();
        const QString bytes = QString::fromLatin1(pdf.readAll());
        EXPECT_EQ(bytes.count(QRegularExpression("/Type\\s*/Page[^s]")), 1) << pdfPath.toStdString();
        const auto box = QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)").match(bytes);
        ASSERT_TRUE(box.hasMatch());
        EXPECT_NEAR(box.captured(1).toDouble(), 595.3, 1.0);  // A4 in points, portrait
        EXPECT_NEAR(box.captured(2).toDouble(), 841.9, 1.0);
    }

    QTemporaryDir dir;
};

TEST_F(PlanSheetInLibreOfficeTest, TotalsAddUpAndEverySheetPrintsOnOneA4Page)
{
    const QStringList files = {save("sample", planWithRows(1)), save("empty", Plan()),
                               save("several", planWithRows(12)), save("odd", oddPlan())};
    convert("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false", files);
    convert("pdf", files);
    for (const QString& file : files) {
        expectTotalsAddUp(output(file, ".csv"), 6);
        expectOneA4PortraitPage(output(file, ".pdf"));
    }
}

}  // namespace
}  // namespace jubilo
