#include "spreadsheet/xls/xls_workbook.h"

#include <cmath>

namespace jubilo::xls {

const std::array<XlsColor, kPaletteSize>& defaultPalette()
{
    static const std::array<XlsColor, kPaletteSize> palette = [] {
        constexpr uint32_t rrggbb[kPaletteSize] = {
            0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
            0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
            0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
            0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
            0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
            0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
        };
        std::array<XlsColor, kPaletteSize> out{};
        for (std::size_t i = 0; i < kPaletteSize; ++i)
            out[i] = colorFromRrggbb(rrggbb[i]);
        return out;
    }();
    return palette;
}

XlsWorkbook makeDefaultWorkbook()
{
    XlsWorkbook wb;
    wb.fonts.assign(4, XlsFont{});

    // Style formats 0-14: Normal, then the hidden built-in styles' formats
    // (fonts 1 and 2 for the outline styles, as spreadsheets write them).
    XlsXf normal;
    normal.isStyle = true;
    wb.xfs.push_back(normal);
    for (int i = 1; i <= 14; ++i) {
        XlsXf style = normal;
        style.font = i <= 2 ? 1 : (i <= 4 ? 2 : 0);
        style.usedAttributes = 0x3D;  // all but the font: not part of these styles
        wb.xfs.push_back(style);
    }
    XlsXf cell;  // format 15: the default cell format
    wb.xfs.push_back(cell);

    XlsStyle normalStyle;
    normalStyle.xf = 0;
    normalStyle.builtIn = true;
    normalStyle.builtInId = 0;
    wb.styles.push_back(normalStyle);

    wb.sheets.push_back(XlsSheet{});
    return wb;
}

namespace {

int padding(int digit) { return 2 * ((digit + 3) / 4) + 1; }

}  // namespace

uint16_t columnWidthUnits(double characters, int digit)
{
    if (digit <= 0)
        digit = 7;
    if (!(characters > 0))
        return 0;
    const double units = std::floor((characters * digit + padding(digit)) / digit * 256.0);
    return units >= 65535.0 ? uint16_t(65535) : uint16_t(units);
}

double columnWidthCharacters(uint16_t units, int digit)
{
    if (digit <= 0)
        digit = 7;
    const double pixels = double(units) / 256.0 * digit - padding(digit);
    if (pixels <= 0)
        return 0;
    return std::floor(pixels / digit * 100.0 + 0.5) / 100.0;
}

}  // namespace jubilo::xls
