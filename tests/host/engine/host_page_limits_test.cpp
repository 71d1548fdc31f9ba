// A workbook of a few kilobytes that asks for millions of pages, opened
// from its .xls through the host: the PDF export and PrintOut refuse it
// with the limit before laying out a page, and PrintOut without a printer
// says so without laying out any.

#include "host/engine/engine_host.h"
#include "spreadsheet/picture/page_limits.h"
#include "tests/support/far_cell_workbook.h"
#include "tests/support/scripted_system.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using spreadsheet::testing::FarCellPages;

class HostPageLimits : public testing::ScriptedSystemTest {
protected:
    // The far-cell workbook saved, then opened through a new host.
    std::unique_ptr<HostWorkbook> open(const FarCellPages& pages = {})
    {
        EXPECT_TRUE(dir.isValid());
        spreadsheet::testing::farCellWorkbook(*spreadsheet::testing::englishApplication(), saved, pages);
        return host->workbooks()->open(saved);
    }

    std::string exportRefusal(HostWorkbook& book)
    {
        try {
            book.exportAsFixedFormat(xl::kTypePDF, pdf);
            return "exported";
        } catch (const std::runtime_error& e) {
            return e.what();
        }
    }

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("far.xls"));
    const QString pdf = dir.filePath(QStringLiteral("far.pdf"));
    std::unique_ptr<SpreadsheetHost> host = createEngineHost(QStringLiteral("Excel.Application"));
};

TEST_F(HostPageLimits, MarginsWithoutRoomAreRefusedByExportAndPrint)
{
    const auto book = open();
    EXPECT_LT(QFileInfo(saved).size(), 8 * 1024);
    const std::string refusal = exportRefusal(*book);
    EXPECT_NE(refusal.find(pdf.toStdString()), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("The page margins leave no room to print: they take 97.80 by 97.80 inches"),
              std::string::npos)
        << refusal;
    EXPECT_FALSE(QFileInfo::exists(pdf));

    sys.printResults = {PrintResult::NoPrinter};
    EXPECT_EQ(book->activeSheet()->printOut(), PrintResult::NoPrinter);
    EXPECT_THROW(book->activeSheet()->printOut(), spreadsheet::picture::NoRoomToPrint);
    EXPECT_TRUE(sys.printed.empty());
}

TEST_F(HostPageLimits, TooManyPagesAreRefusedWithTheirCountAndTheLimit)
{
    const auto book = open({0, spreadsheet::testing::kFarCellRow, 400});
    const std::string refusal = exportRefusal(*book);
    EXPECT_NE(refusal.find("The sheet would print on 86,000 pages (86 across, 1,000 down); at most 10,000"),
              std::string::npos)
        << refusal;
    EXPECT_FALSE(QFileInfo::exists(pdf));

    sys.printResults = {PrintResult::NoPrinter, PrintResult::Cancelled};
    EXPECT_EQ(book->activeSheet()->printOut(), PrintResult::NoPrinter);
    EXPECT_THROW(book->activeSheet()->printOut(), spreadsheet::picture::TooManyPages);
    EXPECT_TRUE(sys.printed.empty());
}

}  // namespace
}  // namespace jubilo
