// The stored plan loaded and written with no window: what loading reads and
// reports, the PDF and the workbook it writes, read back by poppler's tools
// and by the engine, and what a failure leaves behind.

#include "files/path_bytes.h"
#include "plan_export_fixture.h"
#include "plan/plan.h"
#include "plan/table_text.h"
#include "report/host_checks.h"
#include "report/plan_export.h"
#include "report/plan_sheet.h"
#include "report/report_run.h"
#include "tests/support/external_tools.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {
namespace {

using testing::readFile;
using testing::runProcess;

QString storeKey(TableId id) { return QString::fromUtf8(tableSpec(id).storeKey); }

class PlanExportTest : public testing::PlanExportFixture {
protected:
    static QString tool(const QString& program, const QStringList& arguments)
    {
        const auto result = runProcess(program, arguments, 60'000);
        EXPECT_TRUE(result.succeeded()) << program.toStdString() << ": " << result.output.toStdString();
        return result.output;
    }

    testing::MemorySettingsStore& store = sys.memoryStore;
};

TEST_F(PlanExportTest, LoadsTablesDateAndBudgetsReadingOnly)
{
    const Plan sample = testing::samplePlan();
    testing::storePlan(store, sample);
    store.write(kStoreApplication, kStoreSection, kDateKey, sample.date());
    store.write(kStoreApplication, kStoreSection, "Music Budget", "15.00");
    store.writtenKeys.clear();

    Plan plan;
    EXPECT_TRUE(loadStoredPlan(store, plan, sys.clock).empty());
    for (TableId id : SavedPlan::tableOrder()) {
        ASSERT_EQ(plan.table(id).rowCount(), 1) << storeKey(id).toStdString();
        EXPECT_EQ(plan.table(id).row(1), sample.table(id).row(1));
    }
    EXPECT_EQ(plan.date(), "2021 | August 31 | 09 PM");
    EXPECT_EQ(plan.budget(BudgetId::Music), "15.00");
    EXPECT_TRUE(store.writtenKeys.empty());

    store.values.remove(kStoreApplication + "/" + kStoreSection + "/" + kDateKey);
    Plan undated;
    loadStoredPlan(store, undated, sys.clock);
    EXPECT_EQ(undated.date(), "2024 | May 06 | 03 PM");
}

TEST_F(PlanExportTest, AFailingReadNamesItsKeyAndALongTableIsCut)
{
    store.failReads = true;
    Plan plan;
    try {
        loadStoredPlan(store, plan, sys.clock);
        ADD_FAILURE() << "loading read nothing and did not fail";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString(error.what()).contains("\"Guests\"")) << error.what();
    }

    store.failReads = false;
    QString text;
    for (int i = 0; i < PlanTable::kMaxRows + 5; ++i)
        text += "Song" + kCellSeparator + "CD" + kCellSeparator + "No" + kCellSeparator + "1.00" + kRowTerminator;
    store.write(kStoreApplication, kStoreSection, storeKey(TableId::Music), text);
    Plan cut;
    const std::vector<KeptTable> kept = loadStoredPlan(store, cut, sys.clock);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].id, TableId::Music);
    EXPECT_EQ(kept[0].storedRows, PlanTable::kMaxRows + 5);
    EXPECT_EQ(cut.table(TableId::Music).rowCount(), PlanTable::kMaxRows);
}

TEST_F(PlanExportTest, PdfIsOnePageHoldingThePlansValues)
{
    if (!runProcess("pdfinfo", {"-v"}).started)
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) is not installed";
    const QString path = dir.filePath("plan.pdf");
    exportPlan(testing::samplePlan(), ExportFormat::Pdf, path);

    EXPECT_TRUE(tool("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text = tool("pdftotext", {"-layout", path, "-"});
    for (const char* value : {"Holiday Party Plans", "2021 | August 31 | 09 PM", "John", "NY City", "Garland",
                              "Barbeque", "Lights", "Buy meals", "Dancing", "Budget: $15.00"})
        EXPECT_TRUE(text.contains(value)) << value << " is missing from:\n" << text.toStdString();
    EXPECT_EQ(runningEngineHost(kHostClassName), nullptr) << "the host was told to quit";
}

TEST_F(PlanExportTest, XlsReadsBackAsThePlanSheet)
{
    const QString path = dir.filePath("plan.xls");
    exportPlan(testing::samplePlan(), ExportFormat::Xls, path);

    const auto host = openWorkbookInNewHost(path);
    EXPECT_EQ(host->activeSheet()->name(), kPlanSheetTitle);
    EXPECT_EQ(host->sheets()->count(), 1);
    EXPECT_EQ(host->range("B2")->text(), kPlanSheetTitle);
    EXPECT_EQ(host->range("E2")->text(), "2021 | August 31 | 09 PM");
    EXPECT_EQ(host->range("F6")->text(), "Budget: $15.00");
    EXPECT_EQ(host->range("B26")->text(), "Dancing");
    host->quit();
}

TEST_F(PlanExportTest, FailuresNameThePathAndLeaveAnExistingFileAlone)
{
    for (ExportFormat format : {ExportFormat::Pdf, ExportFormat::Xls}) {
        const QString unwritable = "/proc/jubilo-export/plan.out";
        try {
            exportPlan(testing::samplePlan(), format, unwritable);
            ADD_FAILURE() << "wrote under /proc";
        } catch (const std::runtime_error& error) {
            EXPECT_TRUE(QString(error.what()).contains(unwritable)) << error.what();
        }
    }

    // More rows than the sheet's 65,536: the build fails before anything is written.
    const Plan tooLong = testing::planWithRows(8200);
    for (ExportFormat format : {ExportFormat::Pdf, ExportFormat::Xls}) {
        const QString existing = dir.filePath("kept.out");
        testing::writeFile(existing, "keep me");
        try {
            exportPlan(tooLong, format, existing);
            ADD_FAILURE() << "a sheet of more than 65,536 rows was built";
        } catch (const std::runtime_error& error) {
            EXPECT_TRUE(QString(error.what()).contains("65536")) << error.what();
        }
        EXPECT_EQ(readFile(existing), "keep me");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.out"});
    }
}

// Names as bytes: two names that are not UTF-8 land on two files under
// exactly those names; a link planted in a shared folder is refused.
TEST_F(PlanExportTest, NamesAreWrittenAsGivenAndPlantedLinksRefused)
{
    const QByteArray folder = QFile::encodeName(dir.path());
    for (const char* name : {"/caf\xe9.xls", "/caf\xe8.xls"})
        exportPlan(testing::samplePlan(), ExportFormat::Xls, files::nameFromBytes(folder + name));
    for (const char* name : {"/caf\xe9.xls", "/caf\xe8.xls"}) {
        EXPECT_EQ(::access((folder + name).constData(), F_OK), 0) << name;
        std::filesystem::remove((folder + name).toStdString());  // Qt could not remove them
    }

    const QString shared = dir.filePath("tmp");
    ASSERT_TRUE(QDir().mkdir(shared));
    ::chmod(QFile::encodeName(shared).constData(), 01777);
    const QString victim = dir.filePath("bashrc");
    testing::writeFile(victim, "the user's own");
    const QString planted = QDir(shared).filePath("party-plan.pdf");
    ASSERT_TRUE(QFile::link(victim, planted));
    if (::lchown(QFile::encodeName(planted).constData(), 65534, 65534) != 0)
        GTEST_SKIP() << "only root can make a link that belongs to another user";
    for (ExportFormat format : {ExportFormat::Pdf, ExportFormat::Xls}) {
        try {
            exportPlan(testing::samplePlan(), format, planted);
            ADD_FAILURE() << "wrote through a planted link";
        } catch (const std::runtime_error& error) {
            EXPECT_TRUE(QString(error.what()).contains("another user")) << error.what();
        }
    }
    EXPECT_EQ(readFile(victim), "the user's own");
}

}  // namespace
}  // namespace jubilo
