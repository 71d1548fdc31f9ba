// The lines of text a PDF would not give back: drawn as outlines, their
// text as typed kept for the PDF's text layer (see pdf_text_layer_p.h).

#include "spreadsheet/picture/drawing_painter_p.h"
#include "spreadsheet/picture/text_cache_p.h"

#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <limits>

namespace jubilo::spreadsheet::picture {

namespace {

// The runs' underlines and strike-outs, which glyph outlines leave out.
void addDecorations(const QGlyphRun& glyphs, double left, double right, double baseline, QPainterPath& path)
{
    const QRawFont font = glyphs.rawFont();
    const double thickness = std::max(1.0, font.lineThickness());
    if (glyphs.underline())
        path.addRect(QRectF(left, baseline + font.underlinePosition(), right - left, thickness));
    if (glyphs.strikeOut())
        path.addRect(QRectF(left, baseline - font.xHeight() / 2, right - left, thickness));
}

}  // namespace

bool DrawingPainter::carries(const TextRun& run) const
{
    return carried_ && (run.typed != run.text || !texts_.readsBack(d_, run.text, run.font));
}

void DrawingPainter::paintCarried(const TextRun& run, const QPointF& top, const QList<QGlyphRun>& glyphs)
{
    const FontLook& look = d_.fonts[run.font];
    const double baseline = top.y() + look.ascent;
    double left = std::numeric_limits<double>::max(), right = std::numeric_limits<double>::lowest();
    QPainterPath outlines;
    for (const QGlyphRun& g : glyphs) {
        const QRawFont font = g.rawFont();
        const QList<quint32> ids = g.glyphIndexes();
        const QList<QPointF> at = g.positions();
        const QList<QPointF> advances = font.advancesForGlyphIndexes(ids);
        double runLeft = std::numeric_limits<double>::max(), runRight = std::numeric_limits<double>::lowest();
        for (qsizetype i = 0; i < ids.size(); ++i) {
            outlines.addPath(font.pathForGlyph(ids[i]).translated(top + at[i]));
            runLeft = std::min(runLeft, top.x() + at[i].x());
            runRight = std::max(runRight, top.x() + at[i].x() + advances.value(i).x());
        }
        if (ids.isEmpty())
            continue;
        addDecorations(g, runLeft, runRight, baseline, outlines);
        left = std::min(left, runLeft);
        right = std::max(right, runRight);
    }
    painter_.fillPath(outlines, QColor::fromRgb(look.color));
    if (left > right)
        return;
    const QTransform& toDevice = painter_.transform();
    const QPointF start = toDevice.map(QPointF(left, baseline));
    carried_->push_back({d_.strings[run.typed], start, toDevice.map(QPointF(right, baseline)).x() - start.x(),
                         look.font.pixelSize() * std::abs(toDevice.m22())});
}

}  // namespace jubilo::spreadsheet::picture
