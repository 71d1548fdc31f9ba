#pragma once
// Characters no installed font has. Qt draws them with the cell font's
// "missing glyph", which many fonts leave empty, so they would vanish
// without a sign; cells show a mark in their place instead. The text as
// typed is kept beside the marked one for the PDF's text (see
// pdf_text_layer_p.h).

#include <QFontMetricsF>
#include <QString>

namespace jubilo::spreadsheet::picture {

// Replaces each character of `text` that neither the font of `metrics` nor
// any font Qt falls back to can draw by U+FFFD (or '?' where no font has
// that either); true when there was one. The length stays: a character
// beyond the BMP becomes the mark and a word joiner, which draws nothing.
// Spaces, controls and format characters (joiners, variation selectors)
// are never marked.
bool markMissing(QString& text, const QFontMetricsF& metrics);

}  // namespace jubilo::spreadsheet::picture
