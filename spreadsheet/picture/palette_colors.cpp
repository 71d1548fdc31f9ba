#include "spreadsheet/picture/palette_colors_p.h"

#include "host/constants/color_packing.h"

namespace jubilo::spreadsheet::picture {

bool isPaletteIndex(int index) { return index >= 1 && index <= kPaletteSize; }

QColor paletteColor(const Palette& palette, int index, const QColor& automatic)
{
    if (!isPaletteIndex(index))
        return automatic;
    const quint32 bgr = palette[std::size_t(index - 1)];
    return QColor(xl::redOfBgr(bgr), xl::greenOfBgr(bgr), xl::blueOfBgr(bgr));
}

}  // namespace jubilo::spreadsheet::picture
