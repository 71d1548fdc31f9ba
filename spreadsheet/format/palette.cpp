#include "spreadsheet/format/palette.h"

#include "host/constants/color_packing.h"
#include "spreadsheet/xls/xls_workbook.h"

namespace jubilo::spreadsheet {

// The file format defines the default palette; the engine keeps it as
// 0x00BBGGRR.
const Palette& defaultPalette()
{
    static const Palette palette = [] {
        const auto& colours = xls::defaultPalette();
        Palette p{};
        for (int i = 0; i < kPaletteSize; ++i) {
            const xls::XlsColor& c = colours[static_cast<std::size_t>(i)];
            p[i] = xl::packBgr(c.red, c.green, c.blue);
        }
        return p;
    }();
    return palette;
}

}  // namespace jubilo::spreadsheet
