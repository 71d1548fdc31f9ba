#pragma once
// Translation between the host interface's constants for alignment,
// borders and colours and the codes cell formats store.

#include "host/constants/xl_constants.h"
#include "spreadsheet/format/cell_format.h"

#include <optional>

namespace jubilo::spreadsheet {

// Each throws SpreadsheetError for a value the interface does not define.
HAlign horizontalFromXl(int value);
int horizontalToXl(HAlign a);
VAlign verticalFromXl(int value);
int verticalToXl(VAlign a);
LineStyle lineStyleFromXl(int value);
int lineStyleToXl(LineStyle s);

// Palette index 1..56, or 0 for "automatic"/"none".
quint8 colorIndexFromXl(int value);

}  // namespace jubilo::spreadsheet
