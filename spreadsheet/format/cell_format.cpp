#include "spreadsheet/format/cell_format.h"

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

// Interning hashes a format for every cell styled, so the fields are packed
// into two words and mixed once instead of one by one.
std::size_t hashFormat(const CellFormat& f)
{
    const quint64 look = quint64(f.font) | quint64(f.numberFormat) << 16 | quint64(f.hAlign) << 32
        | quint64(f.vAlign) << 36 | quint64(f.indent) << 40 | quint64(f.fillColor) << 48 | quint64(f.wrap) << 56
        | quint64(f.quotePrefix) << 57;
    quint64 lines = 0;
    for (const BorderLine& b : f.borders)
        lines = lines << 16 | quint64(b.style) << 8 | b.colorIndex;
    return mix(look * 0x9e3779b97f4a7c15ULL, lines * 0xc2b2ae3d27d4eb4fULL);
}

}  // namespace jubilo::spreadsheet
