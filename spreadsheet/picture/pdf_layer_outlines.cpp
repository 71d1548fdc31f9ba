// The visible half of a page's layer: each glyph outline a form, written
// once, and each page's glyphs as the forms placed, in their lines' colours
// and clips, with their underlines and strike-outs.

#include "spreadsheet/picture/pdf_layer_parts_p.h"

#include <QColor>

namespace jubilo::spreadsheet::picture {

namespace {

// Outlines are in pixels of their font's size: two decimals keep them
// within a hundredth of a pixel.
constexpr int kOutlineDecimals = 2;

QByteArray point(double x, double y) { return pdfNumber(x, kOutlineDecimals) + ' ' + pdfNumber(y, kOutlineDecimals); }

// The path as PDF path operators, filled by the nonzero rule as glyphs are.
QByteArray fillOperators(const QPainterPath& path)
{
    QByteArray ops;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            ops += (i > 0 ? "h\n" : "") + point(e.x, e.y) + " m\n";
        } else if (e.isLineTo()) {
            ops += point(e.x, e.y) + " l\n";
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            ops += point(e.x, e.y) + ' ' + point(c2.x, c2.y) + ' ' + point(end.x, end.y) + " c\n";
            i += 2;
        }
    }
    return ops + "h f";
}

QByteArray rect(const QRectF& r) { return point(r.x(), r.y()) + ' ' + point(r.width(), r.height()) + " re"; }

// One line's glyphs, lines and clip, drawn in its colour.
QByteArray lineDrawing(const CarriedText& t)
{
    const QColor color = QColor::fromRgb(t.color);
    QByteArray ops = "q\n";
    if (!t.clip.isEmpty())
        ops += rect(t.clip) + " W n\n";
    ops += pdfNumber(color.redF()) + ' ' + pdfNumber(color.greenF()) + ' ' + pdfNumber(color.blueF()) + " rg\n";
    for (const PlacedOutline& g : t.glyphs)
        ops += "q " + pdfNumber(g.scale, 4) + " 0 0 " + pdfNumber(g.scale, 4) + ' ' + point(g.origin.x(), g.origin.y())
            + " cm /JbG" + QByteArray::number(g.outline) + " Do Q\n";
    for (const QRectF& line : t.lines)
        ops += rect(line) + " f\n";
    return ops + "Q\n";
}

}  // namespace

QByteArray addLayerOutlines(const CarriedOutlines& outlines, PdfUpdate& update)
{
    QByteArray entries;
    for (std::size_t i = 0; i < outlines.paths().size(); ++i) {
        const QPainterPath& path = outlines.paths()[i];
        const QRectF box = path.boundingRect().adjusted(-1, -1, 1, 1);
        const int form
            = update.add(PdfUpdate::stream(fillOperators(path),
                                           "/Type /XObject /Subtype /Form /BBox [" + point(box.left(), box.top()) + ' '
                                               + point(box.right(), box.bottom()) + "] "));
        entries += "/JbG" + QByteArray::number(qsizetype(i)) + ' ' + pdfReference(form) + '\n';
    }
    return entries;
}

// The writer's device pixels, y down from the top, to the page's points.
QByteArray layerDrawing(const CarriedTexts& texts, QSizeF paper, double pixelsPerPoint)
{
    const double k = 1 / pixelsPerPoint;
    QByteArray ops = "q\n" + pdfNumber(k, 6) + " 0 0 " + pdfNumber(-k, 6) + " 0 " + pdfNumber(paper.height()) + " cm\n";
    for (const CarriedText& t : texts)
        ops += lineDrawing(t);
    return ops + "Q\n";
}

}  // namespace jubilo::spreadsheet::picture
