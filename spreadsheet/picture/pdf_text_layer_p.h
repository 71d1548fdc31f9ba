#pragma once
// The text of lines a PDF would not give back (see pdf_read_back_p.h),
// added to the PDF Qt wrote as an invisible text layer. Those lines are
// drawn as outlines; the layer puts their text as typed over them, one
// character after another across the line's width (right to left for
// right-to-left text), in fonts of empty glyphs whose character maps name
// any character, so search, copy and text extraction find it.
//
// The layer is an incremental update appended to the file: new objects for
// its fonts and each page's layer, and new versions of the pages and their
// resources, so nothing Qt wrote moves.

#include <QByteArray>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace jubilo::spreadsheet::picture {

// A line of text to carry: where its baseline starts, its width and the
// font's size, in device pixels of the PDF writer from the page's top left.
struct CarriedText {
    QString text;
    QPointF start;
    double width;
    double size;
};
using CarriedTexts = std::vector<CarriedText>;

// `pdf` with the layer of each page's texts (`pages`, in page order) added;
// `pdf` itself when there are none, or when it is not laid out as Qt writes
// PDFs. `paper` is the pages' size in points, `pixelsPerPoint` the writer's
// resolution over 72.
QByteArray withTextLayer(const QByteArray& pdf, const std::vector<CarriedTexts>& pages, QSizeF paper,
                         double pixelsPerPoint);

}  // namespace jubilo::spreadsheet::picture
