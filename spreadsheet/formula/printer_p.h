#pragma once
// Writes tokens back as R1C1 formula text (without the leading "="), with
// relative references shown as offsets from the formula's cell.

#include "spreadsheet/formula/token_p.h"

namespace jubilo::spreadsheet::formula {

// Nothing-shaped token lists (as a damaged file could hold) give "#VALUE!".
QString printR1C1(const Tokens& tokens, CellPos at);

}  // namespace jubilo::spreadsheet::formula
