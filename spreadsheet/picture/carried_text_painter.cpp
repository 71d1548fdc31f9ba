// The lines of text a PDF would not give back: not painted, but handed to
// the PDF's layer with their glyphs, lines and clip in device pixels (see
// pdf_text_layer_p.h).

#include "spreadsheet/picture/drawing_painter_p.h"
#include "spreadsheet/picture/text_cache_p.h"

#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <limits>

namespace jubilo::spreadsheet::picture {

namespace {

// The line's underline and strike-out, which glyph outlines leave out, in
// the metrics of its first run's font.
void addDecorations(const QGlyphRun& first, double left, double right, double baseline, const QTransform& toDevice,
                    std::vector<QRectF>& lines)
{
    const QRawFont font = first.rawFont();
    const double thickness = std::max(1.0, font.lineThickness());
    if (first.underline())
        lines.push_back(toDevice.mapRect(QRectF(left, baseline + font.underlinePosition(), right - left, thickness)));
    if (first.strikeOut())
        lines.push_back(toDevice.mapRect(QRectF(left, baseline - font.xHeight() / 2, right - left, thickness)));
}

}  // namespace

bool DrawingPainter::carries(const TextRun& run) const
{
    return carried_ && (run.typed != run.text || !texts_.readsBack(d_, run.text, run.font));
}

void DrawingPainter::carry(const TextRun& run, const QPointF& top, const QList<QGlyphRun>& glyphs)
{
    const FontLook& look = d_.fonts[run.font];
    const QTransform& toDevice = painter_.transform();
    const double scale = std::abs(toDevice.m11()), baseline = top.y() + look.ascent;
    const QRectF clip = painter_.hasClipping() ? toDevice.mapRect(painter_.clipBoundingRect()) : QRectF();
    CarriedText line{d_.strings[run.typed], look.color, clip, {}, {}, {}, 0, look.font.pixelSize() * scale};
    double left = std::numeric_limits<double>::max(), right = std::numeric_limits<double>::lowest();
    for (const QGlyphRun& g : glyphs) {
        const QRawFont font = g.rawFont();
        const QList<quint32> ids = g.glyphIndexes();
        const QList<QPointF> at = g.positions();
        const QList<QPointF> advances = font.advancesForGlyphIndexes(ids);
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const quint32 outline = carried_->outlines->id(font, ids[i]);
            if (!carried_->outlines->paths()[outline].isEmpty())
                line.glyphs.push_back({outline, toDevice.map(top + at[i]), scale});
            left = std::min(left, top.x() + at[i].x());
            right = std::max(right, top.x() + at[i].x() + advances.value(i).x());
        }
    }
    if (left > right)
        return;
    addDecorations(glyphs.first(), left, right, baseline, toDevice, line.lines);
    line.start = toDevice.map(QPointF(left, baseline));
    line.width = toDevice.map(QPointF(right, baseline)).x() - line.start.x();
    carried_->texts.push_back(std::move(line));
}

}  // namespace jubilo::spreadsheet::picture
