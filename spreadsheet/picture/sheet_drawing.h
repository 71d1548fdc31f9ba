#pragma once
// A range of a sheet as the sheet shows it on screen (see range_picture.h),
// kept as what it draws rather than as pixels: any part of it paints at
// any scale, text and lines sharp at each. It owns all it draws, so it
// outlives its sheet, and it keeps a few entries for each cell that holds
// something, however many pixels the range covers.

#include "spreadsheet/core/grid.h"
#include "spreadsheet/picture/picture_limits.h"
#include "spreadsheet/picture/sheet_geometry_p.h"

#include <QPainter>
#include <QRect>
#include <QSize>

#include <memory>
#include <vector>

namespace jubilo::spreadsheet {
class Worksheet;
}

namespace jubilo::spreadsheet::picture {

struct DrawingData;
class TextCache;
struct CarriedPage;

// Whether a drawing keeps its texts as shaped while placing them. Kept
// suits a drawing painted once on a device that draws glyph runs (PDF,
// printers), which then shapes no text again; a picture kept for the screen
// would carry them for nothing.
enum class TextShapes { Painted, Kept };

class SheetDrawing {
public:
    // The whole range, at any size. Formula cells are computed first, so
    // the sheet is not const. Throws PictureTooLarge for a range of more
    // than kMaxPictureCells cells, SpreadsheetError for a range off the grid.
    SheetDrawing(Worksheet& sheet, const CellRect& range, bool gridlines = true,
                 TextShapes shapes = TextShapes::Painted);
    // The part of a range `geometry` measured (maybe cut to a side).
    SheetDrawing(Worksheet& sheet, const RangeGeometry& geometry, bool gridlines,
                 TextShapes shapes = TextShapes::Painted);
    SheetDrawing(SheetDrawing&&) noexcept;
    SheetDrawing& operator=(SheetDrawing&&) noexcept;
    ~SheetDrawing();

    // Pixels at 100%, 96 dpi.
    QSize size() const;

    // Paints the part `area` of the drawing scaled by `scale` (in pixels of
    // the scaled drawing) with the area's top left at the painter's origin.
    // Paints nothing outside the area, and every pixel of it the drawing
    // covers. For a PDF, `carried` takes the lines of text the PDF would
    // not give back, which are not painted (see pdf_text_layer_p.h).
    void paint(QPainter& painter, const QRect& area, double scale, CarriedPage* carried = nullptr) const;

    // The entries it keeps: runs of row heights and column widths, looks,
    // row patterns and bands, merged areas, fonts, texts and lines of text.
    std::size_t storedItems() const;

private:
    std::unique_ptr<const DrawingData> data_;
    std::unique_ptr<TextCache> texts_;
};

}  // namespace jubilo::spreadsheet::picture
