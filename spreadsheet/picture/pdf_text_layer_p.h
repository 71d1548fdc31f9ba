#pragma once
// The lines of text a PDF would not give back (see pdf_read_back_p.h),
// added to the PDF Qt wrote as a layer of its own. Qt does not draw them;
// the layer draws their glyphs as outlines, each outline written once for
// the file as a form and placed wherever the glyph shows, and puts their
// text as typed over them, invisible, one character after another across
// the line's width (right to left for right-to-left text), in fonts of
// empty glyphs whose character maps name any character, so search, copy
// and text extraction find it. The outlines draw over what Qt drew, as
// text does.
//
// The layer is an incremental update (see pdf_update_p.h): new objects for
// its outlines, fonts and each page's content, and new versions of the
// pages and their resources.

#include <QByteArray>
#include <QHash>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace jubilo::spreadsheet::picture {

// The glyph outlines the layer draws, each kept once for the file.
class CarriedOutlines {
public:
    // The outline of `glyph` in `font`, at the font's pixel size.
    quint32 id(const QRawFont& font, quint32 glyph);
    const std::vector<QPainterPath>& paths() const { return paths_; }

private:
    QHash<QPair<QRawFont, quint32>, quint32> ids_;
    std::vector<QPainterPath> paths_;
};

// A glyph of a carried line: its outline, where the outline's origin lands
// and its scale.
struct PlacedOutline {
    quint32 outline;
    QPointF origin;
    double scale;
};

// A line of text to carry, in device pixels of the PDF writer from the
// page's top left: its glyphs, underlines and strike-outs in its colour,
// clipped to `clip` unless that is empty; where its baseline starts, its
// width and the font's size, for its text.
struct CarriedText {
    QString text;
    QRgb color;
    QRectF clip;
    std::vector<PlacedOutline> glyphs;
    std::vector<QRectF> lines;
    QPointF start;
    double width;
    double size;
};
using CarriedTexts = std::vector<CarriedText>;

// What painting one page gives the layer.
struct CarriedPage {
    CarriedOutlines* outlines;
    CarriedTexts texts;
};

// `pdf` with the layer of each page (`pages`, in page order, all sharing
// `outlines`) added, or `pdf` itself when there are no texts; nothing when
// `pdf` is not laid out as Qt writes PDFs. `paper` is the pages' size in
// points, `pixelsPerPoint` the writer's resolution over 72.
std::optional<QByteArray> withTextLayer(const QByteArray& pdf, const CarriedOutlines& outlines,
                                        const std::vector<CarriedPage>& pages, QSizeF paper, double pixelsPerPoint);

}  // namespace jubilo::spreadsheet::picture
