#pragma once
// The 56 colours every plan workbook gets, as 0x00BBGGRR.

#include "host/constants/color_packing.h"

#include <array>
#include <cstdint>

namespace jubilo {

using SheetPalette = std::array<int, 56>;  // entry i is palette index i + 1

// Fills a palette with the plan's colours.
void initSheetPalette(SheetPalette& palette);
// Fills the palette every plan workbook gets; done once at start.
void initSheetPalette();
// That palette (filled on first use if the start has not done it).
const SheetPalette& sheetPalette();

// A palette entry from red, green and blue.
constexpr int paletteColour(int red, int green, int blue)
{
    return int(xl::packBgr(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)));
}

}  // namespace jubilo
