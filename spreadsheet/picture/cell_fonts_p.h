#pragma once
// Fonts for drawing cells. Sheets name the fonts of the desktop they were
// made for; where those are missing, metric or look-alike stand-ins are
// registered with Qt as substitutes, so text keeps the widths the column
// widths were chosen for. The workbook keeps the names it was given.

#include "spreadsheet/format/cell_format.h"

#include <QFont>

namespace jubilo::spreadsheet::picture {

// Registers the substitutes once per process; later calls do nothing. Needs
// a QGuiApplication.
void registerFontSubstitutes();

// The font a cell is drawn with: the family asked for, its size in whole
// pixels at 96 dpi, weight, slant, underline and strike-out.
QFont cellFont(const Font& font);

}  // namespace jubilo::spreadsheet::picture
