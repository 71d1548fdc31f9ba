#pragma once
// Colours of the workbook palette: entries 1 to 56; anything else is
// automatic and takes the colour the caller gives.

#include "spreadsheet/format/palette.h"

#include <QColor>

namespace jubilo::spreadsheet::picture {

bool isPaletteIndex(int index);
QColor paletteColor(const Palette& palette, int index, const QColor& automatic);

}  // namespace jubilo::spreadsheet::picture
