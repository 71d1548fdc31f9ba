#pragma once
// Paints part of a drawing at a scale. Only the rows and columns in the part
// are visited, found by binary search. Fills, gridlines and borders are
// collected per colour and filled one call each; texts come laid out from
// the drawing's cache and are drawn through the painter's scale, so glyphs
// are rendered at the device's resolution.
//
// Where two cells share a boundary line, a fill takes it from the cell
// below or to the right when that cell is filled, else from the cell above
// or to the left, so each boundary pixel has one owner and the fills of
// different colours may be drawn in any order. Merged areas draw over them.

#include "spreadsheet/picture/device_grid_p.h"
#include "spreadsheet/picture/drawing_data_p.h"
#include "spreadsheet/picture/pdf_text_layer_p.h"

#include <QPainter>

namespace jubilo::spreadsheet::picture {

class RectBatches;
class TextCache;

class DrawingPainter {
public:
    // `area`: the part of the scaled drawing to paint, which lands at the
    // painter's origin. With `carried`, lines of text a PDF would not give
    // back go there instead of being painted.
    DrawingPainter(const DrawingData& data, TextCache& texts, QPainter& painter, const QRect& area, double scale,
                   CarriedPage* carried = nullptr);
    void paint();

private:
    // drawing_painter.cpp
    bool owns(const PatternCell* row, int col) const;
    int columnRightOf(int col) const;
    int columnLeftOf(int col) const;
    int rowBelow(int row) const;
    void paintTexts();
    std::vector<std::size_t> shownTexts() const;

    // carried_text_painter.cpp
    bool carries(const TextRun& run) const;
    void carry(const TextRun& run, const QPointF& top, const QList<QGlyphRun>& glyphs);

    // cell_painter.cpp
    void paintCells();
    void paintRow(int row, RectBatches& whites, RectBatches& grid, RectBatches& fills) const;
    void paintFill(int row, int col, const PatternCell* cells, const PatternCell* below, RectBatches& fills) const;
    void outline(int x0, int y0, int x1, int y1, RectBatches& grid) const;
    void paintMerges(RectBatches& whites, RectBatches& grid, RectBatches& fills) const;
    void paintGaps(RectBatches& gaps) const;

    // border_painter.cpp
    void paintBorders() const;
    void paintLine(bool vertical, int at, int from, int to, const BorderPen& pen, RectBatches& lines) const;

    const DrawingData& d_;
    TextCache& texts_;
    QPainter& painter_;
    CarriedPage* carried_;
    QSize size_;
    DeviceGrid grid_;
    QRect seen_;  // the picture pixels the area shows, and a little more
    int firstRow_ = 0, lastRow_ = -1, firstColumn_ = 0, lastColumn_ = -1;
};

}  // namespace jubilo::spreadsheet::picture
