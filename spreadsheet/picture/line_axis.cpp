#include "spreadsheet/picture/line_axis_p.h"

#include <algorithm>

namespace jubilo::spreadsheet::picture {

void LineAxis::append(int count, int size)
{
    if (count <= 0)
        return;
    if (runs_.empty() || runs_.back().size != size)
        runs_.push_back({count_, length_, size});
    count_ += count;
    length_ += count * size;
}

const LineAxis::Run& LineAxis::runOf(int line) const
{
    const auto after
        = std::upper_bound(runs_.begin(), runs_.end(), line, [](int l, const Run& run) { return l < run.first; });
    return *(after - 1);
}

int LineAxis::offset(int line) const
{
    if (line >= count_)
        return length_;
    const Run& run = runOf(line);
    return run.start + (line - run.first) * run.size;
}

int LineAxis::size(int line) const { return runOf(line).size; }

int LineAxis::lineAt(int pos) const
{
    if (runs_.empty() || pos < 0)
        return 0;
    if (pos >= length_)
        return count_ - 1;
    // The last run starting at or before pos; runs of no size start where
    // the next one does, so they are passed over.
    const auto after
        = std::upper_bound(runs_.begin(), runs_.end(), pos, [](int p, const Run& run) { return p < run.start; });
    const Run& run = *(after - 1);
    const int line = run.size > 0 ? run.first + (pos - run.start) / run.size : run.first;
    return std::min(line, count_ - 1);
}

}  // namespace jubilo::spreadsheet::picture
