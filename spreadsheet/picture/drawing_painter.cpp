#include "spreadsheet/picture/drawing_painter_p.h"

#include "spreadsheet/picture/text_cache_p.h"

#include <QPaintEngine>

#include <algorithm>
#include <limits>

namespace jubilo::spreadsheet::picture {

namespace {

// Picture pixels painted beyond the area on each side, so that the thick
// lines and the glyphs of the cells next to it reach into it.
constexpr int kSlack = 2;

}  // namespace

DrawingPainter::DrawingPainter(const DrawingData& data, TextCache& texts, QPainter& painter, const QRect& area,
                               double scale, CarriedPage* carried)
    : d_(data)
    , texts_(texts)
    , painter_(painter)
    , carried_(carried)
    , size_(area.size())
    , grid_(scale, area.topLeft())
{
    seen_ = grid_.pictureArea(size_, kSlack).intersected(QRect(QPoint(0, 0), d_.size));
    if (seen_.isEmpty())
        return;
    firstRow_ = d_.rows.lineAt(seen_.top());
    lastRow_ = d_.rows.lineAt(seen_.bottom());
    firstColumn_ = d_.columns.lineAt(seen_.left());
    lastColumn_ = d_.columns.lineAt(seen_.right());
}

void DrawingPainter::paint()
{
    if (seen_.isEmpty() || size_.isEmpty())
        return;
    painter_.save();
    painter_.setClipRect(QRect(QPoint(0, 0), size_), Qt::IntersectClip);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(Qt::NoPen);
    paintCells();
    paintTexts();
    painter_.setPen(Qt::NoPen);
    paintBorders();
    painter_.restore();
}

// A filled cell outside merged areas: it takes the boundary lines it shares.
bool DrawingPainter::owns(const PatternCell* row, int col) const
{
    return row && col >= 0 && !(row[col].merge & kInMerge) && d_.looks[row[col].look].filled;
}

// The neighbours that show: columns and rows of no size are passed over.
int DrawingPainter::columnRightOf(int col) const
{
    const int x = d_.columns.offset(col + 1);
    return x < d_.columns.length() ? d_.columns.lineAt(x) : -1;
}

int DrawingPainter::columnLeftOf(int col) const
{
    const int x = d_.columns.offset(col);
    return x > 0 ? d_.columns.lineAt(x - 1) : -1;
}

int DrawingPainter::rowBelow(int row) const
{
    const int y = d_.rows.offset(row + 1);
    return y < d_.rows.length() ? d_.rows.lineAt(y) : -1;
}

void DrawingPainter::paintTexts()
{
    std::vector<std::size_t> shown = shownTexts();
    std::stable_sort(shown.begin(), shown.end(),
                     [&](std::size_t a, std::size_t b) { return d_.texts[a].font < d_.texts[b].font; });
    const double scale = grid_.scale();
    const QTransform base = painter_.transform();
    // The raster engine draws a static text from its glyph cache; the others
    // (PDF, printers) would lay it out again at every draw, so they get
    // glyph runs shaped once, under one transform.
    const bool runs = painter_.paintEngine() && painter_.paintEngine()->type() != QPaintEngine::Raster;
    const QTransform scaled = QTransform::fromScale(scale, scale) * base;
    if (runs)
        painter_.setTransform(scaled);
    quint32 font = std::numeric_limits<quint32>::max();
    for (std::size_t i : shown) {
        const TextRun& run = d_.texts[i];
        const FontLook& look = d_.fonts[run.font];
        if (run.font != font) {
            font = run.font;
            painter_.setFont(look.font);
            painter_.setPen(QColor::fromRgb(look.color));
        }
        if (run.clipped) {
            painter_.save();
            painter_.setTransform(base);
            painter_.setClipRect(grid_.pixels(run.left, run.top, run.right - 1, run.bottom - 1), Qt::IntersectClip);
            painter_.setTransform(scaled);
        }
        // The pen position on whole device pixels, the glyphs scaled from
        // there; a static text is placed by its top.
        if (runs) {
            const QPointF top(grid_.x(run.x) / scale, grid_.y(run.baseline) / scale - look.ascent);
            const QList<QGlyphRun>& shaped = texts_.glyphs(d_, run.text, run.font);
            if (carries(run))
                carry(run, top, shaped);
            else
                for (const QGlyphRun& glyphs : shaped)
                    painter_.drawGlyphRun(top, glyphs);
        } else {
            painter_.setTransform(QTransform(scale, 0, 0, scale, grid_.x(run.x), grid_.y(run.baseline)) * base);
            painter_.drawStaticText(QPointF(0, -look.ascent), texts_.line(d_, run.text, run.font, scale));
        }
        if (run.clipped)
            painter_.restore();
    }
    painter_.setTransform(base);
}

// The texts that may show in the area: those that fit their cells may
// reach past them by a glyph's overhang.
std::vector<std::size_t> DrawingPainter::shownTexts() const
{
    std::vector<std::size_t> shown;
    const auto [first, last] = d_.textIndex.slice(seen_.top(), seen_.bottom());
    for (std::size_t i = first; i < last; ++i) {
        const TextRun& run = d_.texts[i];
        const int overhang = run.clipped ? 0 : d_.fonts[run.font].font.pixelSize();
        if (run.bottom >= seen_.top() && run.right + overhang >= seen_.left() && run.left - overhang <= seen_.right())
            shown.push_back(i);
    }
    return shown;
}

}  // namespace jubilo::spreadsheet::picture
