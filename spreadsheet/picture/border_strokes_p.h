#pragma once
// How each border style is drawn at 100%, in picture pixels.

#include "spreadsheet/format/cell_format.h"

#include <array>

namespace jubilo::spreadsheet::picture {

// A line's thickness, and the lengths of its alternating dashes and gaps
// (none for a solid line).
struct Stroke {
    int width = 1;
    std::array<int, 6> runs{};
    int runCount = 0;
    bool twin = false;  // two one-pixel lines with a gap
};

Stroke strokeOf(LineStyle style);

}  // namespace jubilo::spreadsheet::picture
