#include "spreadsheet/model/application.h"
#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/picture/range_picture.h"
#include "spreadsheet/picture/sheet_geometry_p.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/model/xl_codes.h"
#include "spreadsheet/xls/xls_workbook.h"
#include "tests/support/engine_workbook.h"
#include "tests/support/pixels.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace jubilo::spreadsheet::picture {
namespace {

const QColor kWhite(255, 255, 255), kCream(254, 248, 232), kGreen(129, 164, 120), kPaleGreen(219, 235, 203),
    kGrey(207, 207, 207), kBrown(153, 51, 0), kBlack(0, 0, 0), kGridline = QColor::fromRgb(kGridlineColor);

// The bounding box of the pixels in `area` that differ clearly from
// `background`, gridlines aside.
QRect inkBox(const QImage& image, const QRect& area, const QColor& background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == kGridline)
                continue;
            const int d = std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                + std::abs(c.blue() - background.blue());
            if (d > 96)
                box = box.united(QRect(x, y, 1, 1));
        }
    return box;
}

class RangePicture : public spreadsheet::testing::EngineWorkbookTest {
protected:
    void SetUp() override { spreadsheet::testing::setPlanPalette(*book); }
    Range put(const char* a1, const QString& text) const { return spreadsheet::testing::putMerged(range(a1), text); }
    QImage draw(const char* a1, const PictureOptions& options = {}) const
    {
        return drawRange(*sheet, range(a1).rect(), options);
    }
    RangeGeometry geometry(const char* a1) const { return measureRange(*sheet, range(a1).rect()); }
    // The inside of a cell of `g` (without its boundary lines).
    static QRect inside(const RangeGeometry& g, int row, int col, int lastCol = -1)
    {
        const int right = g.right(lastCol < 0 ? col : lastCol);
        return QRect(QPoint(g.left(col) + 1, g.top(row) + 1), QPoint(right - 1, g.bottom(row) - 1));
    }
    void planColumns() const
    {
        for (int c = 0; c < 6; ++c)
            sheet->setColumnWidth(c, c, spreadsheet::testing::kPlanColumnWidths[c]);
    }
};

TEST(PictureGeometry, ColumnWidthsAndRowHeightsInPixels)
{
    // Character widths as a spreadsheet shows them next to their pixels.
    const std::pair<double, int> columns[] = {{8.43, 64},   {2.43, 22},   {19.14, 139}, {17.57, 128}, {7.29, 56},
                                              {13.86, 102}, {27.86, 200}, {1, 12},      {0, 0},       {255, 1790}};
    for (auto [characters, pixels] : columns)
        EXPECT_EQ(columnPixels(characters), pixels) << characters;
    const std::pair<double, int> rows[]
        = {{12.75, 17}, {14.25, 19}, {20, 27}, {4.5, 6}, {42.75, 57}, {0, 0}, {409, 545}};
    for (auto [points, pixels] : rows)
        EXPECT_EQ(pointsToPixels(points), pixels) << points;
}

TEST(PictureGeometry, ColumnPixelsAgreeWithTheWidthsTheFileStores)
{
    // A width saved to .xls and drawn from there gives the same pixels.
    for (int hundredths = 1; hundredths <= 25500; hundredths += 7) {
        const double characters = hundredths / 100.0;
        const int stored = xls::columnWidthUnits(characters, kDefaultDigitWidth);
        EXPECT_EQ(columnPixels(characters), (stored + 128 / 7) * 7 / 256) << characters;
        EXPECT_EQ(columnPixels(xls::columnWidthCharacters(quint16(stored), kDefaultDigitWidth)),
                  columnPixels(characters))
            << characters;
    }
}

TEST_F(RangePicture, SizeIsTheColumnsAndRowsPlusTheClosingBoundary)
{
    EXPECT_EQ(draw("A1:C3").size(), QSize(3 * 64 + 1, 3 * 17 + 1));

    planColumns();
    sheet->setRowHeight(1, 1, 42.75);
    sheet->setRowHeight(2, 2, 20);
    sheet->setRowHeight(3, 4, 14.25);
    const QImage image = draw("B2:F6");  // row 6 keeps the default height
    EXPECT_EQ(image.size(), QSize(139 + 128 + 56 + 102 + 200 + 1, 57 + 27 + 19 + 19 + 17 + 1));
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 96, 0.1);

    const RangeGeometry g = geometry("B2:F6");
    EXPECT_EQ(g.left(3), 139 + 128);  // D
    EXPECT_EQ(g.top(3), 57 + 27);  // row 4
    sheet->setColumnWidth(2, 2, 0);  // a hidden column takes no room
    EXPECT_EQ(draw("B2:F6").width(), 139 + 56 + 102 + 200 + 1);
}

TEST_F(RangePicture, LargeRangesAreCutAtTheSizeLimitFromTheTopLeft)
{
    put("A1", "first");
    range("A1900").interior().setColorIndex(13);  // rows 1 to 1899 take 32,283 pixels
    range("A1928").interior().setColorIndex(13);  // starts at 32,759: partly in
    const QImage tall = draw("A1:B3000");
    EXPECT_EQ(tall.size(), QSize(129, kMaxPictureSide));
    EXPECT_FALSE(inkBox(tall, QRect(1, 1, 62, 15), kWhite).isNull());  // the top-left cell's text is there
    EXPECT_PIXEL(tall, 10, 1899 * 17 + 8, kGreen);
    EXPECT_PIXEL(tall, 10, kMaxPictureSide - 1, kGreen);
    EXPECT_EQ(measureRange(*sheet, range("A1:B3000").rect()).drawn.bottom, 1927);

    sheet->setColumnWidth(0, 255, 255);  // 256 columns of 1,790 pixels
    const QImage wide = draw("A1:IV2");
    EXPECT_EQ(wide.size(), QSize(kMaxPictureSide, 2 * 17 + 1));
    EXPECT_EQ(draw("A1:IV65536", {true, 500}).size(), QSize(500, 500));
}

// Merged areas reaching outside the drawn part are placed by offsets that
// add up the rows between; only rows with heights of their own are visited.
TEST_F(RangePicture, OffsetsOfFarRowsAddUpEveryRowBetween)
{
    for (int row : {0, 255, 256, 511, 1000, 4095, 4096, kLastRow - 1, kLastRow})
        sheet->setRowHeight(row, row, 3.0 + row % 40);
    sheet->setRowHeight(700, 710, 0);  // hidden
    const auto naive = [&](int from, int to) {  // rows from..to-1
        int at = 0;
        for (int r = from; r < to; ++r)
            at += pointsToPixels(sheet->rowHeight(r));
        return at;
    };
    const RangeGeometry g = measureRange(*sheet, CellRect{300, 1, 310, 2});
    for (int row : {0, 1, 255, 256, 257, 299, 300, 305, 311, 312, 700, 711, 4096, kLastRow, kRowCount}) {
        const int expected = row < 300 ? -naive(row, 300) : naive(300, row);
        EXPECT_EQ(rowOffset(*sheet, g, row), expected) << "row " << row;
    }
}

TEST_F(RangePicture, FillsComeFromTheWorkbookPaletteAndHideGridlines)
{
    planColumns();
    range("B3:F3").interior().setColorIndex(13);  // a title bar
    for (int r = 4; r <= 7; ++r)  // stripes, cream first
        range(QStringLiteral("B%1:F%1").arg(r).toLatin1().constData()).interior().setColorIndex(r % 2 == 0 ? 19 : 2);
    const RangeGeometry g = geometry("A2:G8");
    const QImage image = draw("A2:G8");

    EXPECT_PIXEL(image, g.left(3) + 10, g.top(2) + 5, kGreen);
    EXPECT_PIXEL(image, g.left(2) + 10, g.top(3) + 5, kCream);
    EXPECT_PIXEL(image, g.left(5) + 10, g.top(4) + 5, kWhite);
    EXPECT_PIXEL(image, g.left(5) + 10, g.top(5) + 5, kCream);
    EXPECT_PIXEL(image, g.left(4) + 10, g.top(6) + 5, kWhite);
    // Boundaries between filled cells take the fill; unfilled cells keep gridlines.
    EXPECT_PIXEL(image, g.left(3), g.top(3) + 5, kCream);
    EXPECT_PIXEL(image, g.left(3) + 10, g.top(4), kWhite);
    EXPECT_PIXEL(image, g.left(1), g.top(3) + 5, kCream);  // the left edge of the filled block
    EXPECT_PIXEL(image, g.left(0) + 5, g.top(3), kGridline);
    EXPECT_PIXEL(image, g.left(6), g.top(1) + 5, kGridline);
    EXPECT_PIXEL(image, g.left(6) + 5, g.top(1) + 5, kWhite);
    EXPECT_PIXEL(draw("A2:G8", {false, kMaxPictureSide}), g.left(6), g.top(1) + 5, kWhite);

    // A sheet filled white shows no gridlines at all.
    app->cells().interior().setColorIndex(2);
    const QImage white = draw("A1:C3");
    EXPECT_TRUE(inkBox(white, white.rect(), kWhite).isNull());
}

TEST_F(RangePicture, BordersDrawTheirLinesAndColours)
{
    planColumns();
    range("B3:F6").interior().setColorIndex(19);
    put("C3:D3", "merged");
    spreadsheet::testing::frame(range("B3:F6"), 48);
    const RangeGeometry g = geometry("A1:G8");
    const QImage image = draw("A1:G8");

    const int mid = g.top(3) + 8;  // inside row 4
    EXPECT_PIXEL(image, g.left(1), mid, kBlack);  // left edge
    EXPECT_PIXEL(image, g.right(5), mid, kBlack);  // right edge
    EXPECT_PIXEL(image, g.left(3) - 30, g.top(2), kBlack);  // top edge
    EXPECT_PIXEL(image, g.left(3) - 30, g.bottom(5), kBlack);  // bottom edge
    EXPECT_PIXEL(image, g.left(2), mid, kGrey);  // inside vertical between B and C
    EXPECT_PIXEL(image, g.left(3), mid, kGrey);  // between C and D below the merge
    EXPECT_PIXEL(image, g.left(5), mid, kGrey);
    EXPECT_PIXEL(image, g.left(3) - 30, g.top(4), kCream);  // no inside horizontal lines
    EXPECT_PIXEL(image, g.left(1) - 1, mid, kWhite);  // the lines are one pixel wide
    EXPECT_PIXEL(image, g.left(2) + 1, mid, kCream);
    // The merged C3:D3 is one cell: no line between C and D in row 3.
    EXPECT_PIXEL(image, g.left(3), g.top(2) + 3, kCream);

    range("B7").borders(xl::kEdgeBottom).setLineStyle(xl::kDouble);
    const QImage twin = draw("A1:G8");
    EXPECT_PIXEL(twin, g.left(1) + 20, g.bottom(6) - 1, kBlack);
    EXPECT_PIXEL(twin, g.left(1) + 20, g.bottom(6), kGridline);
    EXPECT_PIXEL(twin, g.left(1) + 20, g.bottom(6) + 1, kBlack);
}

TEST_F(RangePicture, MergedTextIsCentredOverTheWholeArea)
{
    planColumns();
    const Range title = put("B3:F3", "Schedule");
    title.setHorizontalAlignment(xl::kCenter);
    title.interior().setColorIndex(13);
    title.font().setColorIndex(35);
    title.font().setBold(true);
    const RangeGeometry g = geometry("A2:G4");
    const QImage image = draw("A2:G4");

    const QRect area = inside(g, 2, 1, 5);
    const QRect ink = inkBox(image, area, kGreen);
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.center().x(), area.center().x(), 2);
    EXPECT_NEAR(ink.center().y(), area.center().y(), 3);  // bottom alignment, but the row fits one line
    // It lies across the D/E boundary, where no line is drawn.
    EXPECT_LT(ink.left(), g.left(4));
    EXPECT_GT(ink.right(), g.left(4));
    EXPECT_PIXEL(image, g.left(4), g.top(2) + 1, kGreen);
}

TEST_F(RangePicture, HorizontalAlignmentAndIndents)
{
    planColumns();
    put("B2", "Left");
    put("B3", "Right").setHorizontalAlignment(xl::kRight);
    put("B4", "Indented").setIndentLevel(1);
    put("B5", "12.5");  // General: numbers to the right, text to the left
    put("B6", "Two").setIndentLevel(2);
    const Range right2 = put("B7", "Back");
    right2.setHorizontalAlignment(xl::kRight);
    right2.setIndentLevel(1);
    const RangeGeometry g = geometry("A1:C8");
    const QImage image = draw("A1:C8");
    const auto ink = [&](int row) { return inkBox(image, inside(g, row, 1), kWhite); };

    const int left = g.left(1), right = g.right(1);
    EXPECT_NEAR(ink(1).left(), left + 1 + kTextMargin, 2);
    EXPECT_NEAR(ink(2).right(), right - kTextMargin - 1, 2);
    EXPECT_NEAR(ink(3).left(), left + 1 + kTextMargin + kIndentPixels, 2);
    EXPECT_NEAR(ink(5).left(), left + 1 + kTextMargin + 2 * kIndentPixels, 2);
    EXPECT_NEAR(ink(4).right(), right - kTextMargin - 1, 2);
    EXPECT_NEAR(ink(6).right(), right - kTextMargin - kIndentPixels - 1, 2);
    EXPECT_GT(ink(2).left(), left + (right - left) / 2);
}

TEST_F(RangePicture, VerticalAlignmentPlacesTextInTallRows)
{
    sheet->setRowHeight(0, 0, 60);
    put("A1", "Bottom");
    put("B1", "Top").setVerticalAlignment(xl::kTop);
    put("C1", "Mid").setVerticalAlignment(xl::kCenter);
    const RangeGeometry g = geometry("A1:C1");
    const QImage image = draw("A1:C1");
    const int top = g.top(0), bottom = g.bottom(0);
    EXPECT_GT(inkBox(image, inside(g, 0, 0), kWhite).top(), top + 40);
    EXPECT_LT(inkBox(image, inside(g, 0, 1), kWhite).bottom(), top + 20);
    EXPECT_NEAR(inkBox(image, inside(g, 0, 2), kWhite).center().y(), (top + bottom) / 2.0, 3);
}

TEST_F(RangePicture, NumberFormatsAndFormulaResultsAreDrawnAsTheCellShowsThem)
{
    planColumns();
    const Range money = put("F3", "1234.5");
    money.setHorizontalAlignment(xl::kLeft);
    money.setIndentLevel(1);
    money.setNumberFormat("$#,##0.00");
    put("F4", "1");
    put("F5", "2");
    const Range total = put("F6", "=SUM(R[-3]C:R[-1]C)");
    total.setNumberFormat("$#,##0.00");
    total.font().setBold(true);
    ASSERT_EQ(money.text(), "$1,234.50");
    ASSERT_EQ(total.text(), "$1,237.50");
    const RangeGeometry g = geometry("E2:F7");
    const QImage image = draw("E2:F7");

    const QFontMetricsF plain(cellFont(Font{}));
    const QRect ink = inkBox(image, inside(g, 2, 5), kWhite);
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left(), g.left(5) + 1 + kTextMargin + kIndentPixels, 2);
    // As wide as "$1,234.50" is in the cell's font, not "1234.5".
    EXPECT_NEAR(ink.width(), plain.horizontalAdvance(QStringLiteral("$1,234.50")), 3);
    EXPECT_GT(ink.width(), plain.horizontalAdvance(QStringLiteral("1234.5")) + 8);

    Font bold;
    bold.bold = true;
    const QRect sum = inkBox(image, inside(g, 5, 5), kWhite);
    EXPECT_NEAR(sum.width(), QFontMetricsF(cellFont(bold)).horizontalAdvance(QStringLiteral("$1,237.50")), 3);
    EXPECT_NEAR(sum.right(), g.right(5) - kTextMargin - 1, 2);  // General: numbers right

    // A number wider than its cell shows as #### and does not run on.
    sheet->setColumnWidth(4, 4, 3);
    put("E8", "123456789");
    const RangeGeometry narrow = geometry("E8:F8");
    const QImage hashes = draw("E8:F8");
    EXPECT_TRUE(inkBox(hashes, inside(narrow, 7, 5), kWhite).isNull());
    EXPECT_FALSE(inkBox(hashes, inside(narrow, 7, 4), kWhite).isNull());
}

TEST_F(RangePicture, TextRunsOnIntoEmptyNeighboursUnlessItWraps)
{
    const QString text = QStringLiteral("A caption that runs on and on");
    put("A1", text);
    put("A2", text);
    put("B2", "x");
    put("A3", text).setWrapText(true);
    sheet->setRowHeight(2, 2, 40);
    const RangeGeometry g = geometry("A1:D3");
    const QImage image = draw("A1:D3");

    const QRect runOn = inkBox(image, QRect(QPoint(1, 1), QPoint(g.right(3) - 1, g.bottom(0) - 1)), kWhite);
    EXPECT_GT(runOn.right(), g.left(2));
    EXPECT_PIXEL(image, g.left(1), g.top(0) + 1, kWhite);  // the gridline under the text gives way
    EXPECT_PIXEL(image, g.left(3), g.top(0) + 1, kGridline);
    EXPECT_LT(inkBox(image, inside(g, 1, 1), kWhite).width(), 10);  // B2 shows its "x" only
    EXPECT_PIXEL(image, g.left(1), g.top(1) + 1, kGridline);

    // Wrapped: several lines inside the cell, one below the other.
    const QRect wrapped
        = inkBox(image, QRect(QPoint(1, g.top(2) + 1), QPoint(g.right(3) - 1, g.bottom(2) - 1)), kWhite);
    EXPECT_LT(wrapped.right(), g.right(0));
    EXPECT_GT(wrapped.height(), 2 * QFontMetricsF(cellFont(Font{})).ascent());
}

TEST_F(RangePicture, FontsKeepTheirColourWeightAndSize)
{
    planColumns();
    sheet->setRowHeight(1, 1, 42.75);
    const Range title = put("B2", "Holiday Party Plans");
    title.font().setName("Palatino Linotype");
    title.font().setSize(24);
    title.font().setBold(true);
    title.font().setItalic(true);
    title.font().setColorIndex(53);
    put("B3", "Regular");
    put("C3", "Regular").font().setBold(true);
    const RangeGeometry g = geometry("A1:F3");
    const QImage image = draw("A1:F3");

    const QRect big
        = inkBox(image, QRect(QPoint(g.left(1) + 1, g.top(1) + 1), QPoint(g.right(5) - 1, g.bottom(1) - 1)), kWhite);
    EXPECT_GT(big.right(), g.right(1));  // runs on past B
    EXPECT_GE(big.height(), 20);
    bool brown = false;
    for (int y = big.top(); y <= big.bottom() && !brown; ++y)
        for (int x = big.left(); x <= big.right() && !brown; ++x)
            brown = image.pixelColor(x, y) == kBrown;
    EXPECT_TRUE(brown) << "solid strokes take the font colour";
    const QRect regular = inkBox(image, inside(g, 2, 1), kWhite), bold = inkBox(image, inside(g, 2, 2), kWhite);
    EXPECT_GT(bold.width(), regular.width());
}

TEST(CellFonts, MissingFamiliesHaveStandIns)
{
    registerFontSubstitutes();
    const auto family = [](const char* name) {
        Font f;
        f.name = QString::fromLatin1(name);
        return QFontInfo(cellFont(f)).family();
    };
    EXPECT_TRUE(family("Century Gothic").contains("URW Gothic", Qt::CaseInsensitive)
                || family("Century Gothic").contains("Adventor", Qt::CaseInsensitive))
        << family("Century Gothic").toStdString();
    EXPECT_TRUE(family("Palatino Linotype").contains("P052", Qt::CaseInsensitive)
                || family("Palatino Linotype").contains("Pagella", Qt::CaseInsensitive))
        << family("Palatino Linotype").toStdString();
    EXPECT_TRUE(family("Arial").contains("Liberation Sans", Qt::CaseInsensitive)) << family("Arial").toStdString();

    Font nine;
    nine.height = 180;
    EXPECT_EQ(cellFont(nine).pixelSize(), 12);
    EXPECT_EQ(cellFont(Font{}).pixelSize(), 13);
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
