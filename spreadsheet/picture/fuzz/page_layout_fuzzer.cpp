// libFuzzer entry for page layout: a sheet with a hostile page setup laid
// out as printing and the PDF lay it out. The input picks the paper, the
// orientation, the margins, a zoom or fit-to counts, the print area, the
// order, centring, header and footer texts, row heights and column widths
// over any rows and columns, a merged area and a cell anywhere on the grid.
// Setters and the layout may refuse with a SpreadsheetError; nothing may
// crash, hang or take memory beyond what the pages it lays out need. A
// layout must tile its area with at most kMaxPrintedPages pages, and one of
// a few pages is drawn and painted too, headers and footers with it.

#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/application.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/page_drawing.h"
#include "spreadsheet/picture/page_layout.h"
#include "spreadsheet/picture/page_limits.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace jubilo::spreadsheet;

constexpr std::size_t kDrawnPages = 4;  // layouts of at most this many pages are drawn too
constexpr int kMaxEdits = 6;  // row heights and column widths each input sets at most

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "page layout: %s\n", what);
    std::abort();
}

// Sets a value as a workbook's would arrive; a refusal is an answer too.
template <typename F>
void attempt(F&& set)
{
    try {
        set();
    } catch (const SpreadsheetError&) {
    }
}

QString someText(FuzzedDataProvider& in, std::size_t most)
{
    return QString::fromUtf8(in.ConsumeRandomLengthString(most));
}

// Mostly points within the widest paper, now and then any double at all.
double someMargin(FuzzedDataProvider& in)
{
    return in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : in.ConsumeFloatingPointInRange<double>(-1, 3600);
}

CellRect someRange(FuzzedDataProvider& in)
{
    const int top = in.ConsumeIntegralInRange(0, kLastRow);
    const int left = in.ConsumeIntegralInRange(0, kLastColumn);
    return {top, left, in.ConsumeIntegralInRange(top, kLastRow), in.ConsumeIntegralInRange(left, kLastColumn)};
}

QString somePrintArea(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return {};
    case 1:
        return someText(in, 24);  // anything: read as a range or refused
    default:
        return absoluteAddress(someRange(in));
    }
}

void setMargins(PageSetup& page, FuzzedDataProvider& in)
{
    for (auto set : {&PageSetup::setLeftMargin, &PageSetup::setRightMargin, &PageSetup::setTopMargin,
                     &PageSetup::setBottomMargin, &PageSetup::setHeaderMargin, &PageSetup::setFooterMargin}) {
        const double points = someMargin(in);
        attempt([&] { (page.*set)(points); });
    }
}

void setPage(PageSetup& page, FuzzedDataProvider& in)
{
    attempt([&] { page.setPaperSize(in.ConsumeIntegralInRange(-1, 300)); });
    attempt([&] { page.setOrientation(in.ConsumeIntegralInRange(0, 3)); });
    setMargins(page, in);
    if (in.ConsumeBool())
        attempt([&] { page.setZoom(std::nullopt); });
    else
        attempt([&] { page.setZoom(in.ConsumeIntegralInRange(0, 500)); });
    attempt([&] { page.setFitToPagesWide(in.ConsumeIntegralInRange(-1, 40000)); });
    attempt([&] { page.setFitToPagesTall(in.ConsumeIntegralInRange(-1, 40000)); });
    attempt([&] { page.setPrintArea(somePrintArea(in)); });
    attempt([&] { page.setOrder(in.ConsumeIntegralInRange(0, 3)); });
    page.setCenterHorizontally(in.ConsumeBool());
    page.setCenterVertically(in.ConsumeBool());
    attempt([&] { page.setHeader(someText(in, 300)); });
    attempt([&] { page.setFooter(someText(in, 300)); });
}

void shapeSheet(Worksheet& sheet, FuzzedDataProvider& in)
{
    for (int i = in.ConsumeIntegralInRange(0, kMaxEdits); i > 0; --i) {
        const CellRect rows = someRange(in);
        const double points = in.ConsumeFloatingPointInRange<double>(-1, 500);
        attempt([&] { sheet.setRowHeight(rows.top, rows.bottom, points); });
    }
    for (int i = in.ConsumeIntegralInRange(0, kMaxEdits); i > 0; --i) {
        const CellRect columns = someRange(in);
        const double characters = in.ConsumeFloatingPointInRange<double>(-1, 300);
        attempt([&] { sheet.setColumnWidth(columns.left, columns.right, characters); });
    }
    if (in.ConsumeBool()) {
        const CellRect merged = someRange(in);
        attempt([&] { sheet.merge(merged); });
    }
    const int row = in.ConsumeIntegralInRange(0, kLastRow), column = in.ConsumeIntegralInRange(0, kLastColumn);
    attempt([&] { sheet.setFormulaR1C1(row, column, someText(in, 40)); });
    attempt([&] { sheet.setFormulaR1C1(0, 0, someText(in, 40)); });
}

// Every cell of the area on exactly one page, no more pages than print.
void checkLayout(const picture::PageLayout& layout)
{
    if (layout.pages.size() > std::size_t(picture::kMaxPrintedPages))
        fail("more pages laid out than print");
    if (qint64(layout.pages.size()) != qint64(layout.pagesWide) * layout.pagesTall)
        fail("the pages are not as many as across times down");
    if (!(layout.scale >= 0.1 && layout.scale <= 4))
        fail("a scale outside 10% to 400%");
    qint64 cells = 0;
    for (const picture::PrintedPage& page : layout.pages) {
        if (!layout.area.contains(page.cells))
            fail("a page holds cells outside the printed area");
        cells += qint64(page.cells.rowCount()) * page.cells.columnCount();
    }
    if (cells != qint64(layout.area.rowCount()) * layout.area.columnCount())
        fail("the pages do not hold the printed area's cells once each");
}

void drawPages(Worksheet& sheet)
{
    const picture::PageDrawing pages(sheet, QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
    QImage image(64, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < pages.pageCount(); ++i)
        pages.paintPage(painter, i, 0.1);
}

void layOut(Worksheet& sheet)
{
    picture::PageLayout layout;
    try {
        layout = picture::layoutPages(sheet);
    } catch (const SpreadsheetError&) {
        return;  // a refusal with the limit, before anything was laid out
    }
    checkLayout(layout);
    if (layout.pages.size() <= kDrawnPages)
        drawPages(sheet);
}

}  // namespace

// Fontconfig keeps what it reads of the fonts for the process's life, and
// every font name a header asks for adds to it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);  // fonts for the headers and the cells
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto app = Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
    FuzzedDataProvider in(data, size);
    const auto book = app->addWorkbook();
    Worksheet& sheet = *book->activeSheet();
    setPage(sheet.pageSetup(), in);
    shapeSheet(sheet, in);
    layOut(sheet);
    book->close();
    return 0;
}
