#pragma once
// The 56 colours a workbook's colour indexes point into, each as
// 0x00BBGGRR (red in the low byte), the form the host interface and the
// PALETTE record use.

#include <QtGlobal>

#include <array>

namespace jubilo::spreadsheet {

inline constexpr int kPaletteSize = 56;
using Palette = std::array<quint32, kPaletteSize>;

// The palette a new workbook starts with.
const Palette& defaultPalette();

}  // namespace jubilo::spreadsheet
