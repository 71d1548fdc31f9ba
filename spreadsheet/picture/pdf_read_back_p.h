#pragma once
// Whether a PDF gives a line's text back. Qt's PDF writer names the
// character of each glyph it embeds by the font's own character map: the
// first code point below U+10000 that maps to the glyph. That loses
// characters beyond the BMP (emoji), glyphs shaped from several characters
// or in context (the ligatures of the plan's font, "Office" read as
// "Oﬃce"; Devanagari conjuncts, Arabic letter forms), right-to-left runs'
// order, and ideographs that share their glyph with a radical (日 as ⽇).
// Lines it would lose are left to the PDF's layer, which draws them as
// outlines and writes their text as typed (see pdf_text_layer_p.h).

#include <QGlyphRun>
#include <QList>
#include <QString>

namespace jubilo::spreadsheet::picture {

// True when every character of `text` is drawn, left to right, as its own
// glyph, the one its font maps it to, and that glyph maps back to it.
bool pdfReadsBack(const QString& text, const QList<QGlyphRun>& runs);

}  // namespace jubilo::spreadsheet::picture
