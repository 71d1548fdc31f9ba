#include "spreadsheet/picture/sheet_drawing.h"

#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/picture/drawing_builder_p.h"
#include "spreadsheet/picture/drawing_painter_p.h"
#include "spreadsheet/picture/picture_limits_p.h"
#include "spreadsheet/picture/text_cache_p.h"

#include <limits>

namespace jubilo::spreadsheet::picture {

namespace {

constexpr int kNoSideLimit = std::numeric_limits<int>::max();

RangeGeometry measured(const Worksheet& sheet, const CellRect& range)
{
    checkOnGrid(range);
    return measureRange(sheet, range, kNoSideLimit);
}

}  // namespace

SheetDrawing::SheetDrawing(Worksheet& sheet, const CellRect& range, bool gridlines, TextShapes shapes)
    : SheetDrawing(sheet, measured(sheet, range), gridlines, shapes)
{
}

SheetDrawing::SheetDrawing(Worksheet& sheet, const RangeGeometry& geometry, bool gridlines, TextShapes shapes)
{
    checkCellCount(geometry);
    registerFontSubstitutes();
    data_ = std::make_unique<const DrawingData>(DrawingBuilder(sheet, geometry, gridlines, shapes).build());
    texts_ = std::make_unique<TextCache>();
}

SheetDrawing::SheetDrawing(SheetDrawing&&) noexcept = default;
SheetDrawing& SheetDrawing::operator=(SheetDrawing&&) noexcept = default;
SheetDrawing::~SheetDrawing() = default;

QSize SheetDrawing::size() const { return data_->size; }

void SheetDrawing::paint(QPainter& painter, const QRect& area, double scale, CarriedPage* carried) const
{
    if (area.isEmpty() || !(scale > 0))
        return;
    const std::lock_guard lock(texts_->mutex());
    DrawingPainter(*data_, *texts_, painter, area, scale, carried).paint();
}

std::size_t SheetDrawing::storedItems() const
{
    const DrawingData& d = *data_;
    return d.columns.runCount() + d.rows.runCount() + d.looks.size() + d.patterns.size() + d.bands.size()
        + d.merges.size() + d.fonts.size() + d.strings.size() + d.texts.size() + d.gaps.size();
}

}  // namespace jubilo::spreadsheet::picture
