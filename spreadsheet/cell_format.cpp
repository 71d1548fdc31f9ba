#include "spreadsheet/cell_format.h"

#include <QHash>

namespace jubilo::spreadsheet {

namespace {

std::size_t mix(std::size_t seed, std::size_t v)
{
    return seed ^ (v + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

}  // namespace

std::size_t hashFont(const Font& f)
{
    std::size_t h = qHash(f.name);
    h = mix(h, f.height);
    h = mix(h, (f.bold << 0) | (f.italic << 1) | (f.underline << 2) | (f.strikeout << 3));
    return mix(h, f.colorIndex);
}

std::size_t hashFormat(const CellFormat& f)
{
    std::size_t h = mix(f.font, f.numberFormat);
    h = mix(h, (std::size_t(f.hAlign) << 0) | (std::size_t(f.vAlign) << 4) | (std::size_t(f.indent) << 8)
                   | (std::size_t(f.wrap) << 16) | (std::size_t(f.quotePrefix) << 17)
                   | (std::size_t(f.fillColor) << 24));
    for (const BorderLine& b : f.borders)
        h = mix(h, (std::size_t(b.style) << 8) | b.colorIndex);
    return h;
}

}  // namespace jubilo::spreadsheet
