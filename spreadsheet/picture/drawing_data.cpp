#include "spreadsheet/picture/drawing_data_p.h"

#include <algorithm>

namespace jubilo::spreadsheet::picture {

const PatternCell* DrawingData::pattern(int row) const
{
    const auto after
        = std::upper_bound(bands.begin(), bands.end(), row, [](int r, const RowBand& band) { return r < band.first; });
    return patterns.data() + (after - 1)->pattern;
}

}  // namespace jubilo::spreadsheet::picture
