#pragma once
// What a sheet drawing keeps: everything it draws, copied out of the sheet
// in structures that grow with the cells that hold something, never with
// the pixels. Positions are picture pixels at 100% (see sheet_geometry_p.h).
//
// Rows whose cells look alike share one pattern: the look of each column's
// cell and where it lies in a merged area. Consecutive rows with the same
// pattern make one band, so a thousand plain rows cost one entry.

#include "spreadsheet/format/cell_format.h"
#include "spreadsheet/picture/line_axis_p.h"
#include "spreadsheet/picture/vertical_index_p.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>

#include <array>
#include <unordered_map>
#include <vector>

namespace jubilo::spreadsheet::picture {

struct BorderPen {
    LineStyle style = LineStyle::None;
    QRgb color = 0;
    bool operator==(const BorderPen&) const = default;
};

// A cell's fill and borders.
struct CellLook {
    bool filled = false;
    QRgb fill = 0;
    std::array<BorderPen, 4> borders{};  // by BorderSide
};

// Where a cell lies in a merged area, as bits.
inline constexpr quint32 kInMerge = 1, kMergeLeft = 2, kMergeRight = 4, kMergeTop = 8, kMergeBottom = 16;

// A cell of a row pattern: its look's index and its MergePlace bits.
struct PatternCell {
    quint32 look : 24;
    quint32 merge : 8;
};
static_assert(sizeof(PatternCell) == 4);

struct RowBand {
    int first;  // row, counted from the drawing's first
    quint32 pattern;  // index of its first cell in DrawingData::patterns
};

// A merged area's box: its boundary lines, which may lie outside the picture.
struct MergedBox {
    int x0, y0, x1, y1;
    quint32 look;
};

// A font as cells draw it, with its colour.
struct FontLook {
    QFont font;
    QRgb color;
    double ascent;
};

// One line of a cell's text: its pen position on the baseline, and the part
// of the picture it shows in, [left, right) x [top, bottom). Text that fits
// is not clipped to it.
struct TextRun {
    quint32 text;  // index in DrawingData::strings
    quint32 font;  // index in DrawingData::fonts
    int x;
    quint32 typed;  // the text as typed, where `text` marks characters no font has (see missing_glyphs_p.h)
    double baseline;
    int left, right, top, bottom;
    bool clipped;
};

// A gridline segment that text running on into an empty cell covers:
// column boundary x over the pixels [top, bottom) of its row.
struct GridGap {
    int x, top, bottom;
};

struct DrawingData {
    QSize size;
    bool gridlines = true;
    LineAxis columns;
    LineAxis rows;
    std::vector<CellLook> looks;
    std::vector<PatternCell> patterns;  // columns.count() cells each
    std::vector<RowBand> bands;  // by first row
    std::vector<MergedBox> merges;  // by top
    VerticalIndex mergeIndex;
    std::vector<QString> strings;
    std::vector<FontLook> fonts;
    std::vector<TextRun> texts;  // by top
    VerticalIndex textIndex;
    std::vector<GridGap> gaps;  // by top
    VerticalIndex gapIndex;
    // Texts as shaped while placed, by string << 32 | font; kept only when asked.
    std::unordered_map<quint64, QList<QGlyphRun>> shapes;

    // The pattern of a row, columns.count() cells.
    const PatternCell* pattern(int row) const;
};

}  // namespace jubilo::spreadsheet::picture
