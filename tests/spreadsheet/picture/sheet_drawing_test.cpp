// A sheet drawing painted in parts and at the preview's zooms: a part is
// the same pixels as that part of the whole, text and lines stay sharp when
// zoomed in, the far end of a very tall drawing lands where it belongs, and
// what a drawing keeps does not grow with its height.

#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/range_picture.h"
#include "spreadsheet/picture/sheet_drawing.h"
#include "tests/support/engine_workbook.h"
#include "tests/support/pixels.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace jubilo::spreadsheet::picture {
namespace {

constexpr double kLargestZoom = 3.75;
const QColor kMagenta(255, 0, 255);
// Glyphs too large for the glyph cache are filled as outlines, and one cut
// by the edge of a part may shade its edge pixels a little differently.
constexpr int kGlyphShading = 24;

// Counts pixels of one colour.
int pixelsOf(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color.rgb();
    return count;
}

// The area painted as a window of a larger canvas would be: the painter
// moved to the window. Nothing lands outside it.
QImage painted(const SheetDrawing& drawing, const QRect& area, double scale)
{
    constexpr int kMargin = 16;
    QImage canvas(area.size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_RGB32);
    canvas.fill(kMagenta);
    QPainter painter(&canvas);
    painter.translate(kMargin, kMargin);
    drawing.paint(painter, area, scale);
    painter.end();
    QImage window = canvas.copy(QRect(QPoint(kMargin, kMargin), area.size()));
    EXPECT_EQ(pixelsOf(canvas, kMagenta) - pixelsOf(window, kMagenta),
              canvas.width() * canvas.height() - window.width() * window.height());
    return window;
}

// Pixels that differ between two images of one size.
int differences(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// The largest difference of one colour channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max(
                {largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

int lightness(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)); }

// The pixels between background (above 230) and ink (below 60) on the way
// from `from` to the first ink, walking by `step`.
int greysBeforeInk(const QImage& image, QPoint from, QPoint step)
{
    int greys = 0;
    for (QPoint p = from; image.rect().contains(p); p += step) {
        const int l = lightness(image, p.x(), p.y());
        if (l < 60)
            return greys;
        greys += l <= 230;
    }
    return -1;
}

class SheetDrawingTest : public spreadsheet::testing::EngineWorkbookTest {
protected:
    void SetUp() override { spreadsheet::testing::setPlanPalette(*book); }
    Range put(const char* a1, const QString& text) const { return spreadsheet::testing::putMerged(range(a1), text); }

    // Fills, a frame, merged areas, text running on, wrapped and centred,
    // a hidden row and column, double and dashed lines.
    void buildMixedSheet() const
    {
        for (int c = 0; c < 6; ++c)
            sheet->setColumnWidth(c, c, spreadsheet::testing::kPlanColumnWidths[c]);
        sheet->setRowHeight(1, 1, 42.75);
        sheet->setRowHeight(6, 6, 0);
        sheet->setColumnWidth(6, 6, 0);
        put("B2", "Holiday Party Plans").font().setSize(24);
        put("A3", "A caption that runs on and on");
        put("D3", "Right runs left a long way").setHorizontalAlignment(xl::kRight);
        put("B5", "A wrapped text over several lines").setWrapText(true);
        sheet->setRowHeight(4, 4, 40);
        put("C5:D6", "merged and wrapped over two rows").setWrapText(true);
        range("B8:F10").interior().setColorIndex(19);
        range("C9").interior().setColorIndex(13);
        spreadsheet::testing::frame(range("B8:F10"), 48);
        range("B11:F11").borders(xl::kEdgeTop).setLineStyle(xl::kDouble);
        range("B12:F12").borders(xl::kEdgeTop).setLineStyle(xl::kDashDot);
        put("B9:C9", "merged fill");
        put("E9", "1234.5").setNumberFormat("$#,##0.00");
        put("A14", "last");
    }
    CellRect mixed() const { return CellRect{0, 0, 14, 7}; }
};

TEST_F(SheetDrawingTest, APartIsThatPartOfTheWhole)
{
    buildMixedSheet();
    const SheetDrawing drawing(*sheet, mixed());
    EXPECT_EQ(drawing.size(), drawRange(*sheet, mixed()).size());
    for (double scale : {1.0, kLargestZoom}) {
        const QSize size(int(drawing.size().width() * scale), int(drawing.size().height() * scale));
        const QImage whole = painted(drawing, QRect(QPoint(0, 0), size), scale);
        EXPECT_EQ(pixelsOf(whole, kMagenta), 0) << "every pixel is painted at scale " << scale;
        EXPECT_EQ(whole.pixelColor(whole.width() - 1, whole.height() - 1), QColor::fromRgb(kGridlineColor));
        // Parts cutting through text, merged areas, fills and lines, and one
        // reaching past the drawing, which it leaves alone.
        const QSize full = drawing.size();
        for (const QRect part : {QRect(0, 0, 150, 40), QRect(100, 30, 333, 77), QRect(201, 97, 180, 120),
                                 QRect(37, 140, 450, 101), QRect(full.width() - 50, full.height() - 30, 80, 60)}) {
            const QRect area(part.topLeft() * scale, part.size() * scale);
            const QImage image = painted(drawing, area, scale);
            const QRect inside = area.intersected(whole.rect());
            const QImage mine = image.copy(inside.translated(-area.topLeft())), theirs = whole.copy(inside);
            if (scale == 1.0)
                EXPECT_EQ(differences(mine, theirs), 0) << "part " << part.x() << "," << part.y();
            else
                EXPECT_LE(largestDifference(mine, theirs), kGlyphShading) << "part " << part.x() << "," << part.y();
            if (inside != area) {
                EXPECT_PIXEL(image, area.width() - 1, area.height() - 1, kMagenta);
            }
        }
    }
}

// The line two fills share takes the later cell's fill (below, or to the
// right), so fills of different colours may be drawn in any order; a fill
// next to an unfilled cell keeps the line.
TEST_F(SheetDrawingTest, FillsMeetingOnALineGiveItToTheLaterCell)
{
    const QColor green(129, 164, 120), cream(254, 248, 232);
    range("A1").interior().setColorIndex(13);
    range("B1").interior().setColorIndex(19);
    range("A2").interior().setColorIndex(19);
    range("B2").interior().setColorIndex(13);
    range("A3").interior().setColorIndex(13);
    range("C2").interior().setColorIndex(13);
    const QImage image = drawRange(*sheet, CellRect{0, 0, 3, 3});
    EXPECT_PIXEL(image, 64, 8, cream);  // A1|B1
    EXPECT_PIXEL(image, 30, 17, cream);  // A1 over A2
    EXPECT_PIXEL(image, 64, 17, green);  // the corner: B2
    EXPECT_PIXEL(image, 64, 25, green);  // A2|B2
    EXPECT_PIXEL(image, 100, 17, green);  // B1 over B2
    EXPECT_PIXEL(image, 128, 25, green);  // B2|C2, one colour
    EXPECT_PIXEL(image, 64, 42, green);  // A3 next to the unfilled B3
    EXPECT_PIXEL(image, 30, 51, green);  // A3 over the unfilled A4
    EXPECT_PIXEL(image, 128, 8, cream);  // B1 next to the unfilled C1
    EXPECT_PIXEL(image, 192, 8, QColor::fromRgb(kGridlineColor));  // C1|D1, both unfilled
    EXPECT_PIXEL(image, 160, 17, green);  // C1 (unfilled) over C2
}

TEST_F(SheetDrawingTest, TextAndLinesStaySharpWhenZoomedIn)
{
    sheet->setRowHeight(0, 0, 30);
    const Range cell = put("B1", "llll");
    cell.font().setSize(20);
    range("B3").borders(xl::kEdgeTop).setLineStyle(xl::kContinuous);
    const SheetDrawing drawing(*sheet, CellRect{0, 0, 3, 2}, false);
    const QRect zoomed(QPoint(0, 0), drawing.size() * kLargestZoom);
    const QImage sharp = painted(drawing, zoomed, kLargestZoom);
    // The same drawn at 100% and stretched.
    const QImage stretched = painted(drawing, QRect(QPoint(0, 0), drawing.size()), 1.0)
                                 .scaled(zoomed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // Across the first stem of the text, from the cell's left.
    const int stemRow = int(20 * kLargestZoom), cellLeft = int(65 * kLargestZoom);
    EXPECT_LE(greysBeforeInk(sharp, {cellLeft, stemRow}, {1, 0}), 2);
    EXPECT_GE(greysBeforeInk(stretched, {cellLeft, stemRow}, {1, 0}), 3);

    // Down through the line between rows 2 and 3: ink from its first pixel,
    // as thick as a pixel is zoomed.
    const int lineX = int(100 * kLargestZoom), lineY = int((40 + 17) * kLargestZoom);
    EXPECT_EQ(greysBeforeInk(sharp, {lineX, lineY - 8}, {0, 1}), 0);
    int ink = 0;
    for (int y = lineY - 8; y < lineY + 8; ++y)
        ink += lightness(sharp, lineX, y) < 60;
    EXPECT_EQ(ink, int(std::lround(kLargestZoom)));
    EXPECT_GE(greysBeforeInk(stretched, {lineX, lineY - 8}, {0, 1}), 2);
}

// Row 60,000 lies a million pixels down. Painted there, the tall drawing
// shows what a drawing of that row alone shows.
TEST_F(SheetDrawingTest, TheEndOfAVeryTallDrawingLandsInPlace)
{
    constexpr int kLast = 59'999;
    sheet->setFormulaR1C1(0, 0, QStringLiteral("first"));
    sheet->setFormulaR1C1(kLast, 0, QStringLiteral("the last row"));
    sheet->setFormulaR1C1(kLast, 1, QStringLiteral("42"));
    Range(sheet, CellRect{kLast, 0, kLast, 1}).borders(xl::kEdgeBottom).setLineStyle(xl::kContinuous);
    Range(sheet, CellRect{kLast, 1, kLast, 1}).interior().setColorIndex(35);
    const SheetDrawing tall(*sheet, CellRect{0, 0, kLast, 2});
    const SheetDrawing last(*sheet, CellRect{kLast, 0, kLast, 2});
    ASSERT_EQ(tall.size(), QSize(3 * 64 + 1, 60'000 * 17 + 1));

    for (double scale : {1.0, kLargestZoom}) {
        const int top = int(std::lround(kLast * 17 * scale));
        const int bottomLine = int(std::lround((kLast + 1) * 17 * scale)) - top;
        const QSize size(int(last.size().width() * scale), bottomLine + 1);
        const QImage alone = painted(last, QRect(QPoint(0, 0), size), scale);
        const QImage atEnd = painted(tall, QRect(QPoint(0, top), size), scale);
        EXPECT_EQ(differences(alone, atEnd), 0) << "scale " << scale;
        EXPECT_PIXEL(atEnd, int(10 * scale), bottomLine, QColor(0, 0, 0));
        EXPECT_PIXEL(atEnd, int(100 * scale), bottomLine - 2, QColor(219, 235, 203));
        EXPECT_LT(lightness(atEnd, 0, 0), 255);  // not left blank
    }
}

TEST_F(SheetDrawingTest, WhatItKeepsDoesNotGrowWithItsHeight)
{
    const auto keptFor = [&](int row) {
        sheet->clear(CellRect::sheet());
        sheet->setFormulaR1C1(row, 0, QStringLiteral("one"));
        return SheetDrawing(*sheet, CellRect{0, 0, row, 4}).storedItems();
    };
    const std::size_t near = keptFor(9);
    EXPECT_LE(near, 16u);
    EXPECT_EQ(keptFor(59'999), near);
    sheet->clear(CellRect::sheet());
    sheet->setRowHeight(0, kLastRow, 409);  // 35 million pixels high
    sheet->setFormulaR1C1(kLastRow, 0, QStringLiteral("one"));
    const SheetDrawing tallest(*sheet, CellRect{0, 0, kLastRow, 4});
    EXPECT_EQ(tallest.size().height(), kRowCount * 545 + 1);
    EXPECT_EQ(tallest.storedItems(), near);

    // A drawing is still refused past its number of cells.
    EXPECT_THROW(SheetDrawing(*sheet, CellRect{0, 0, kLastRow, 61}), PictureTooLarge);
    EXPECT_THROW(SheetDrawing(*sheet, CellRect{0, 0, kRowCount, 1}), SpreadsheetError);
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
