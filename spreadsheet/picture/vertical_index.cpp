#include "spreadsheet/picture/vertical_index_p.h"

#include <algorithm>

namespace jubilo::spreadsheet::picture {

void VerticalIndex::add(int top, int bottom)
{
    tops_.push_back(top);
    reach_.push_back(reach_.empty() ? bottom : std::max(reach_.back(), bottom));
}

std::pair<std::size_t, std::size_t> VerticalIndex::slice(int from, int to) const
{
    const auto first = std::lower_bound(reach_.begin(), reach_.end(), from);
    const auto last = std::upper_bound(tops_.begin(), tops_.end(), to);
    const std::size_t a = std::size_t(first - reach_.begin()), b = std::size_t(last - tops_.begin());
    return {a, std::max(a, b)};
}

}  // namespace jubilo::spreadsheet::picture
