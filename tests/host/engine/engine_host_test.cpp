#include "host/engine/engine_host.h"
#include "platform/bitmap_picture.h"
#include "spreadsheet/model/application.h"
#include "spreadsheet/model/worksheet.h"
#include "tests/support/scripted_system.h"

#include <QImage>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

class EngineHostTest : public testing::ScriptedSystemTest {
protected:
    void SetUp() override
    {
        sys.hostFactory = createEngineHost;
        sys.runningHostLookup = runningEngineHost;
    }
};

// A cut-down report run through nothing but the interface.
TEST_F(EngineHostTest, BuildsASheetTheWayTheReportDoes)
{
    std::unique_ptr<SpreadsheetHost> host = system().createHost("Excel.Application");
    host->setScreenUpdating(false);
    host->setDisplayAlerts(false);
    host->setEnableCancelKey(xl::kCancelKeyDisabled);
    host->setCursor(xl::kCursorWait);
    auto book = host->workbooks()->add();
    const int extra = host->sheets()->count() - 1;
    for (int i = 0; i < extra; ++i)
        host->sheets()->item(2)->remove();
    host->sheets()->item(host->sheets()->count())->setName("Holiday Party Plans");
    EXPECT_EQ(host->activeSheet()->name(), "Holiday Party Plans");

    book->setColors(19, 0xE8F8FE);
    EXPECT_EQ(book->colors(19), 0xE8F8FE);
    host->cells()->select();
    host->selection()->clear();
    host->selection()->font()->setName("Century Gothic");
    host->selection()->interior()->setColorIndex(2);
    host->columns("B:B")->setColumnWidth(19.14);
    host->rows("2:2")->setRowHeight(42.75);

    host->range("B3:F3")->select();
    host->activeCell()->setFormulaR1C1("Music");
    host->selection()->merge();
    host->selection()->font()->setBold(true);
    host->range("F4")->select();
    host->activeCell()->setFormulaR1C1("12.5");
    host->selection()->setNumberFormat("$#,##0.00");
    host->range("F5")->select();
    host->activeCell()->setFormulaR1C1("=SUM(R[-1]C:R[-1]C)");
    host->range("B3:F5")->borders(xl::kInsideVertical)->setLineStyle(xl::kContinuous);
    host->range("B3:F5")->borders(xl::kInsideVertical)->setColorIndex(48);

    auto page = host->activeSheet()->pageSetup();
    page->setPrintArea("$B$2:$F$5");
    page->setLeftMargin(host->inchesToPoints(0.5));
    page->setZoom(false);
    page->setFitToPagesWide(1);
    page->setPaperSize(xl::kPaperA4);
    page->setCenterVertically(true);
    page->setOrder(xl::kOverThenDown);
    host->range("C15")->select();

    EXPECT_EQ(host->selection()->address(), "$C$15");
    EXPECT_EQ(host->range("B3")->text(), "Music");
    EXPECT_TRUE(host->range("D3")->font()->bold());
    EXPECT_EQ(host->range("F4")->text(), "$12.50");
    EXPECT_EQ(host->range("F5")->value(), QVariant(12.5));
    EXPECT_EQ(host->range("F5")->formulaR1C1(), "=SUM(R[-1]C:R[-1]C)");
    EXPECT_EQ(host->range("C4")->borders(xl::kEdgeRight)->colorIndex(), 48);
    EXPECT_EQ(host->range("Z99")->interior()->colorIndex(), 2);
    EXPECT_DOUBLE_EQ(host->range("B1")->columnWidth(), 19.14);
    EXPECT_EQ(page->zoom(), QVariant(false));
    EXPECT_DOUBLE_EQ(page->leftMargin(), 36);
    EXPECT_FALSE(page->centerHorizontally());
    EXPECT_TRUE(page->centerVertically());
    EXPECT_EQ(page->order(), xl::kOverThenDown);

    auto used = host->activeSheet()->usedRange();
    EXPECT_EQ(used->rows()->item(used->rows()->count())->row(), 5);
    EXPECT_EQ(used->columns()->item(used->columns()->count())->column(), 6);
    host->quit();
}

TEST_F(EngineHostTest, HeaderAndFooterSectionsComposeTheStoredTexts)
{
    auto host = system().createHost("Excel.Application");
    host->workbooks()->add();
    auto page = host->activeSheet()->pageSetup();
    page->setCenterHeader("&A");
    page->setRightHeader("Page &P of &N");
    page->setLeftHeader("Plans");
    page->setCenterFooter("&D");
    page->setLeftFooter("x");
    page->setLeftFooter("");
    const spreadsheet::PageSetup& stored
        = spreadsheet::Application::running("Excel.Application")->activeSheet()->pageSetup();
    EXPECT_EQ(stored.header(), "&LPlans&C&A&RPage &P of &N");
    EXPECT_EQ(stored.footer(), "&C&D");
    EXPECT_EQ(page->leftHeader(), "Plans");
    EXPECT_EQ(page->centerHeader(), "&A");
    EXPECT_EQ(page->rightHeader(), "Page &P of &N");
    EXPECT_EQ(page->leftFooter(), "");
    EXPECT_EQ(page->centerFooter(), "&D");
    EXPECT_EQ(page->rightFooter(), "");
    page->setRightFooter(QString(240, u'r'));
    EXPECT_THROW(page->setLeftFooter(QString(20, u'l')), std::runtime_error);  // 255 characters at most
    EXPECT_EQ(page->leftFooter(), "");
    host->quit();
}

TEST_F(EngineHostTest, OnlyTheSpreadsheetClassCanBeCreated)
{
    EXPECT_THROW(system().createHost("Word.Application"), std::runtime_error);
    auto host = system().createHost("excel.application");
    EXPECT_EQ(host->version(), "16.0");
    EXPECT_FALSE(host->visible());
}

TEST_F(EngineHostTest, TheRunningInstanceAnswersUntilItQuits)
{
    EXPECT_EQ(system().runningHost("Excel.Application"), nullptr);
    auto host = system().createHost("Excel.Application");
    auto running = system().runningHost("Excel.Application");
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(running->defaultValue(), "Microsoft Excel");
    running->workbooks()->add();
    EXPECT_EQ(host->workbooks()->count(), 1);  // the same instance
    EXPECT_EQ(system().runningHost("Other.Application"), nullptr);
    host->quit();
    EXPECT_EQ(system().runningHost("Excel.Application"), nullptr);
    EXPECT_THROW(running->workbooks(), std::runtime_error);

    auto released = system().createHost("Excel.Application");
    released.reset();  // let go without quitting
    EXPECT_EQ(system().runningHost("Excel.Application"), nullptr);
}

TEST_F(EngineHostTest, FailuresArriveAsExceptionsNeverAsCrashes)
{
    auto host = system().createHost("Excel.Application");
    EXPECT_THROW(host->range("A1"), std::runtime_error);  // no workbook yet
    auto book = host->workbooks()->add();
    auto sheet = host->sheets()->item(3);
    sheet->remove();
    EXPECT_THROW(sheet->name(), std::runtime_error);
    EXPECT_THROW(host->range("B3:F"), std::runtime_error);
    EXPECT_THROW(host->range("A1")->borders(13), std::runtime_error);
    EXPECT_THROW(host->activeSheet()->pageSetup()->setZoom(true), std::runtime_error);
    EXPECT_THROW(host->activeSheet()->pageSetup()->setOrder(0), std::runtime_error);
    EXPECT_THROW(book->setColors(57, 0), std::runtime_error);
    host->range("A1:B1")->merge();
    EXPECT_THROW(host->range("B1:C1")->merge(), std::runtime_error);
    auto cell = host->range("A1");
    book->close();
    EXPECT_THROW(cell->text(), std::runtime_error);
    EXPECT_THROW(book->sheets(), std::runtime_error);
}

// Cells(row, column) and Range(cell1, cell2) on the application (the active
// sheet) and on any sheet; corners must be that sheet's and this host's.
TEST_F(EngineHostTest, CellsByNumberAndRangesBetweenThem)
{
    auto host = system().createHost("Excel.Application");
    host->workbooks()->add();
    host->range(*host->cells(3, 2), *host->cells(3, 6))->select();
    host->activeCell()->setFormulaR1C1("Music");
    host->selection()->merge();
    host->cells(5, 4)->setRowHeight(20);
    EXPECT_EQ(host->range("B3")->text(), "Music");
    EXPECT_EQ(host->selection()->address(), "$B$3:$F$3");
    EXPECT_DOUBLE_EQ(host->rows("5:5")->rowHeight(), 20);
    EXPECT_EQ(host->activeCell()->address(), "$B$3") << "setting a row height selects nothing";
    EXPECT_THROW(host->cells(65537, 1), std::runtime_error);
    EXPECT_THROW(host->cells(1, 0), std::runtime_error);

    auto second = host->sheets()->item(2);
    EXPECT_EQ(second->range(*second->cells(9, 1), *second->cells(2, 3))->address(), "$A$2:$C$9");
    EXPECT_THROW(host->range(*host->cells(1, 1), *second->cells(2, 2)), std::runtime_error);
    EXPECT_THROW(second->range(*host->cells(1, 1), *host->cells(2, 2)), std::runtime_error);

    auto other = system().createHost("Excel.Application");
    other->workbooks()->add();
    EXPECT_THROW(host->range(*host->cells(1, 1), *other->cells(2, 2)), std::runtime_error);
    other->quit();
    host->quit();
}

// CopyPicture keeps the picture on the application's own clipboard, where
// every handle to that application finds it and no other application does;
// the system clipboard keeps what the user put there.
TEST_F(EngineHostTest, CopyPictureFillsTheHostsOwnClipboardNotTheSystems)
{
    QImage users(7, 5, QImage::Format_RGB32);
    users.fill(Qt::magenta);
    const auto usersPicture = std::make_shared<BitmapPicture>(users);
    sys.clipboard = usersPicture;

    auto host = system().createHost("Excel.Application");
    auto other = system().createHost("Excel.Application");
    host->workbooks()->add();
    other->workbooks()->add();
    EXPECT_EQ(host->copiedPicture(), nullptr) << "a new host's clipboard is empty";
    host->range("A1:C3")->copyPicture();
    const auto copied = host->copiedPicture();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->size(), QSize(3 * 64 + 1, 3 * 17 + 1));
    EXPECT_EQ(system().runningHost("Excel.Application")->copiedPicture(), copied);
    EXPECT_EQ(other->copiedPicture(), nullptr);

    host->range("B2")->copyPicture();
    ASSERT_NE(host->copiedPicture(), nullptr);
    EXPECT_EQ(host->copiedPicture()->size(), QSize(64 + 1, 17 + 1)) << "the last copy replaces the one before";
    host->activeWorkbook()->close();
    EXPECT_NE(host->copiedPicture(), nullptr) << "kept once its workbook has closed";

    EXPECT_EQ(sys.clipboard, usersPicture);
    EXPECT_EQ(sys.clipboardPuts, 0);
    EXPECT_EQ(sys.clipboardFetches, 0);

    host->quit();
    EXPECT_THROW(host->copiedPicture(), std::runtime_error);
    other->quit();
}

TEST_F(EngineHostTest, ErrorValuesComeBackMarked)
{
    auto host = system().createHost("Excel.Application");
    host->workbooks()->add();
    host->range("A1")->setFormulaR1C1("=1/0");
    const QVariant v = host->range("A1")->value();
    ASSERT_TRUE(v.canConvert<HostCellError>());
    EXPECT_EQ(v.value<HostCellError>().text, "#DIV/0!");
    EXPECT_EQ(host->range("A2")->value(), QVariant());
    host->range("A3")->setFormulaR1C1("TRUE");
    EXPECT_EQ(host->range("A3")->value(), QVariant(true));
}

}  // namespace
}  // namespace jubilo
