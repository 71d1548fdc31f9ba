// Laying a sheet out on pages: where pages break, the order they come in,
// the zoom or the fitted scale, centring, and the paper in each orientation;
// margins that leave no room and more pages than print are refused.

#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/picture/page_layout.h"
#include "spreadsheet/picture/page_limits.h"
#include "tests/support/engine_workbook.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

using spreadsheet::testing::EngineWorkbookTest;

// 17-pixel default rows: on A4 inside the default margins (734 points, 978
// pixels at 100%) a page holds 57 rows; 64-pixel columns, 10 to a page.
constexpr int kRowsPerA4Page = 57;
constexpr int kColumnsPerA4Page = 10;

TEST(PageBreaksTest, PagesHoldWholeRowsAndAtLeastOne)
{
    const std::vector<int> bounds{0, 10, 20, 30, 40};
    // The closing line counts: two rows take 21 pixels.
    EXPECT_EQ(pageBreaks(bounds, 1.0, 21), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(pageBreaks(bounds, 1.0, 20.9), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(pageBreaks(bounds, 0.5, 10.5), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(pageBreaks(bounds, 1.0, 1000), (std::vector<int>{0, 4}));
    // A row taller than the page still takes a page of its own.
    EXPECT_EQ(pageBreaks({0, 5, 500, 505}, 1.0, 100), (std::vector<int>{0, 1, 2, 3}));
}

TEST(PaperTest, PaperNumbersAndOrientation)
{
    EXPECT_EQ(paperPoints(xl::kPaperA4), QSizeF(595, 842));
    EXPECT_EQ(paperPoints(xl::kPaperLetter), QSizeF(612, 792));
    EXPECT_EQ(paperPoints(256), QSizeF(612, 792));  // a size of the user's: Letter
}

class PageLayoutTest : public EngineWorkbookTest {
protected:
    PageSetup& setup() { return sheet->pageSetup(); }

    // Text in the first column of rows 1 to n and in column `farColumn`.
    void fillRows(int n, int farColumn = 0)
    {
        for (int r = 0; r < n; ++r) {
            sheet->setFormulaR1C1(r, 0, QStringLiteral("Row %1").arg(r + 1));
            if (farColumn > 0)
                sheet->setFormulaR1C1(r, farColumn, QStringLiteral("Far %1").arg(r + 1));
        }
    }

    // Each cell of the area on exactly one page, every page inside the
    // printable rectangle.
    static void expectTiled(const PageLayout& layout)
    {
        qint64 cells = 0;
        for (const PrintedPage& page : layout.pages) {
            EXPECT_TRUE(layout.area.contains(page.cells));
            cells += qint64(page.cells.rowCount()) * page.cells.columnCount();
            EXPECT_TRUE(layout.printable.adjusted(-0.01, -0.01, 0.01, 0.01).contains(page.placed));
        }
        EXPECT_EQ(cells, qint64(layout.area.rowCount()) * layout.area.columnCount());
        EXPECT_EQ(int(layout.pages.size()), layout.pagesWide * layout.pagesTall);
    }
};

TEST_F(PageLayoutTest, PrintAreaAtTheZoomSplitsDownThenOver)
{
    setup().setPaperSize(xl::kPaperA4);
    setup().setPrintArea(QStringLiteral("A1:N120"));
    fillRows(200, 13);
    const PageLayout layout = layoutPages(*sheet);
    EXPECT_EQ(layout.area, parseA1Range(QStringLiteral("A1:N120")));
    EXPECT_EQ(layout.scale, 1.0);
    ASSERT_EQ(layout.pagesWide, 2);
    ASSERT_EQ(layout.pagesTall, 3);
    expectTiled(layout);
    const auto& pages = layout.pages;
    EXPECT_EQ(pages[0].cells, CellRect(0, 0, kRowsPerA4Page - 1, kColumnsPerA4Page - 1));
    EXPECT_EQ(pages[1].cells, CellRect(kRowsPerA4Page, 0, 2 * kRowsPerA4Page - 1, kColumnsPerA4Page - 1));
    EXPECT_EQ(pages[2].cells, CellRect(2 * kRowsPerA4Page, 0, 119, kColumnsPerA4Page - 1));
    EXPECT_EQ(pages[3].cells, CellRect(0, kColumnsPerA4Page, kRowsPerA4Page - 1, 13));
    // Each page's part starts where its first cell does.
    EXPECT_EQ(pages[1].part.top(), kRowsPerA4Page * 17);
    EXPECT_EQ(pages[3].part.left(), kColumnsPerA4Page * 64);
    EXPECT_EQ(pages[1].placed.topLeft(), layout.printable.topLeft());
}

TEST_F(PageLayoutTest, OverThenDownAndTheZoom)
{
    setup().setPaperSize(xl::kPaperA4);
    setup().setPrintArea(QStringLiteral("A1:N120"));
    setup().setZoom(50);
    setup().setOrder(xl::kOverThenDown);
    PageLayout layout = layoutPages(*sheet);
    EXPECT_EQ(layout.scale, 0.5);
    EXPECT_EQ(layout.pagesWide, 1);
    EXPECT_EQ(layout.pagesTall, 2);
    EXPECT_EQ(layout.pages[1].cells.top, 2 * kRowsPerA4Page + 1);  // twice the rows and the line between

    setup().setZoom(100);
    layout = layoutPages(*sheet);
    ASSERT_EQ(layout.pages.size(), 6u);
    EXPECT_EQ(layout.pages[1].cells, CellRect(0, kColumnsPerA4Page, kRowsPerA4Page - 1, 13));
    EXPECT_EQ(layout.pages[2].cells.top, kRowsPerA4Page);
    expectTiled(layout);
}

TEST_F(PageLayoutTest, FittedScaleIsTheLargestWholePercentThatFits)
{
    setup().setPaperSize(xl::kPaperA4);
    fillRows(100);
    setup().setZoom(std::nullopt);
    const PageLayout layout = layoutPages(*sheet);
    EXPECT_EQ(layout.area, parseA1Range(QStringLiteral("A1:A100")));
    ASSERT_EQ(layout.pages.size(), 1u);
    expectTiled(layout);
    // 100 rows of 17 pixels and the closing line: 1,275.75 points at 100%.
    const double full = (100 * 17 + 1) * 0.75;
    EXPECT_LE(layout.scale * full, layout.printable.height());
    EXPECT_GT((layout.scale + 0.01) * full, layout.printable.height());

    // Only the width limited: a narrow area prints at 100% over many pages.
    setup().setFitToPagesTall(0);
    const PageLayout wide = layoutPages(*sheet);
    EXPECT_EQ(wide.scale, 1.0);
    EXPECT_EQ(wide.pagesTall, 2);  // 100 rows, 57 to a page
}

// Fitted to pages only below kMinLegibleFitPercent, the range is fitted to
// the pages wide alone and its rows run over as many pages as they need;
// the width alone still shrinks to the 10% floor. On A4 inside the default
// margins 115 rows fit a page at 50%, 116 only at 49%.
TEST_F(PageLayoutTest, FittingBelowHalfFitsTheWidthAlone)
{
    struct Case {
        const char* area;
        int wide, tall;
        double scale;
        int pagesWide, pagesTall;
    };
    const Case cases[] = {
        {"A1:A115", 1, 1, 0.5, 1, 1},  // 50%: still fitted both ways
        {"A1:A116", 1, 1, 1.0, 1, 3},  // 49%: fitted to the width, 57 rows a page
        {"A1:A6000", 1, 1, 1.0, 1, 106},  // was a strip at 10%
        {"A1:A300", 0, 1, 1.0, 1, 6},  // one page tall, any width
        {"A1:A300", 1, 2, 1.0, 1, 6},  // two pages tall take 38%
        {"A1:A300", 1, 3, 0.57, 1, 3},  // three take 57%
        {"A1:T300", 1, 1, 0.51, 1, 3},  // 20 columns fit one page at 51%
        {"A1:CV1", 1, 1, 0.1, 1, 1},  // 100 columns only at 10%
        {"A1:CV6000", 1, 1, 0.1, 1, 11},  // 575 rows a page at 10%
        {"A1:CV6000", 2, 1, 0.2, 2, 21},  // two pages wide at 20%
    };
    setup().setPaperSize(xl::kPaperA4);
    setup().setZoom(std::nullopt);
    for (const Case& c : cases) {
        setup().setPrintArea(QString::fromLatin1(c.area));
        setup().setFitToPagesWide(c.wide);
        setup().setFitToPagesTall(c.tall);
        const PageLayout layout = layoutPages(*sheet);
        EXPECT_DOUBLE_EQ(layout.scale, c.scale) << c.area << " " << c.wide << "x" << c.tall;
        EXPECT_EQ(layout.pagesWide, c.pagesWide) << c.area << " " << c.wide << "x" << c.tall;
        EXPECT_EQ(layout.pagesTall, c.pagesTall) << c.area << " " << c.wide << "x" << c.tall;
        expectTiled(layout);
    }
    // The workbook's own setup is left as it was.
    EXPECT_EQ(setup().zoom(), std::nullopt);
    EXPECT_EQ(setup().fitToPagesTall(), 1);
}

TEST_F(PageLayoutTest, CentringAndMarginsAndOrientation)
{
    setup().setOrientation(xl::kLandscape);
    setup().setLeftMargin(36);
    setup().setTopMargin(72);
    setup().setRightMargin(18);
    setup().setBottomMargin(0);
    setup().setPrintArea(QStringLiteral("B2:C3"));
    PageLayout layout = layoutPages(*sheet);
    EXPECT_EQ(layout.paper, QSizeF(792, 612));
    EXPECT_EQ(layout.printable, QRectF(36, 72, 792 - 54, 612 - 72));
    EXPECT_EQ(layout.pages.at(0).placed, QRectF(36, 72, 129 * 0.75, 35 * 0.75));

    setup().setCenterHorizontally(true);
    setup().setCenterVertically(true);
    layout = layoutPages(*sheet);
    EXPECT_EQ(layout.pages.at(0).placed.center(), layout.printable.center());
}

// Letter without margins at 400%: 204 by 264 pixels a page, which hold 3
// columns of 64 pixels and 15 rows of 17, so IV<n> is 86 pages wide.
class PageLimitsTest : public PageLayoutTest {
protected:
    void SetUp() override
    {
        setup().setPaperSize(xl::kPaperLetter);
        for (auto set : {&PageSetup::setLeftMargin, &PageSetup::setRightMargin, &PageSetup::setTopMargin,
                         &PageSetup::setBottomMargin})
            (setup().*set)(0);
        setup().setZoom(400);
    }

    std::string refusal()
    {
        try {
            const PageLayout layout = layoutPages(*sheet);
            return "laid out " + std::to_string(layout.pages.size()) + " pages";
        } catch (const SpreadsheetError& e) {
            return e.what();
        }
    }
};

TEST_F(PageLimitsTest, PagesAreCountedBeforeTheyAreLaidOut)
{
    setup().setPrintArea(QStringLiteral("A1:IV1740"));  // 116 pages tall: 9,976
    const PageLayout most = layoutPages(*sheet);
    EXPECT_EQ(most.pagesWide, 86);
    EXPECT_EQ(most.pagesTall, 116);
    EXPECT_EQ(most.pages.size(), 9976u);

    setup().setPrintArea(QStringLiteral("A1:IV1755"));  // 117 tall: 10,062
    EXPECT_THROW(layoutPages(*sheet), TooManyPages);
    EXPECT_EQ(refusal(),
              "The sheet would print on 10,062 pages (86 across, 117 down); at most 10,000 pages print. "
              "A smaller print area or zoom, or narrower margins, print fewer.");
    setup().setPrintArea(QStringLiteral("A1:IV15000"));
    EXPECT_NE(refusal().find("86,000 pages (86 across, 1,000 down)"), std::string::npos) << refusal();
    // Fitted to no pages at all, 100%: rows of 400 points take a page each.
    sheet->setRowHeight(0, 14999, 400);
    setup().setZoom(std::nullopt);
    setup().setFitToPagesWide(0);
    setup().setFitToPagesTall(0);
    EXPECT_NE(refusal().find("330,000 pages (22 across, 15,000 down)"), std::string::npos) << refusal();
}

TEST_F(PageLimitsTest, MarginsThatLeaveNoRoomAreRefused)
{
    setup().setPrintArea(QStringLiteral("A1:B2"));
    struct Case {
        double left, right, top, bottom;
        int orientation;
        bool refused;
    };
    // Letter is 612 by 792 points.
    const Case cases[] = {
        {306, 305.9, 396, 395.9, xl::kPortrait, false},  // a tenth of a point each way
        {306, 306, 0, 0, xl::kPortrait, true},          {0, 0, 400, 392, xl::kPortrait, true},
        {3520, 0, 0, 0, xl::kPortrait, true},  // 48.9 inches
        {0, 0, 700, 0, xl::kPortrait, false},           {0, 0, 700, 0, xl::kLandscape, true},  // 612 points down
        {700, 0, 0, 0, xl::kLandscape, false},
    };
    for (const Case& c : cases) {
        setup().setLeftMargin(c.left);
        setup().setRightMargin(c.right);
        setup().setTopMargin(c.top);
        setup().setBottomMargin(c.bottom);
        setup().setOrientation(c.orientation);
        const std::string outcome = refusal();
        EXPECT_EQ(outcome.starts_with("The page margins leave no room to print"), c.refused)
            << c.left << " " << c.right << " " << c.top << " " << c.bottom << ": " << outcome;
    }
    setup().setOrientation(xl::kPortrait);
    setup().setLeftMargin(3520.8);
    setup().setTopMargin(700);
    EXPECT_THROW(layoutPages(*sheet), NoRoomToPrint);
    EXPECT_EQ(refusal(),
              "The page margins leave no room to print: they take 48.90 by 9.72 inches of paper 8.50 by "
              "11.00 inches");
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
