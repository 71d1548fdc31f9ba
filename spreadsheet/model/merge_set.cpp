#include "spreadsheet/model/merge_set_p.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"

#include <algorithm>

namespace jubilo::spreadsheet {

// An area that intersects rect starts at most tallestShort_ - 1 rows above
// it, so the ordered walk begins there and ends below rect's last row.
template <typename F>
void MergeSet::forEachIntersecting(const CellRect& rect, F&& f) const
{
    for (auto it = short_.lower_bound(rect.top - (tallestShort_ - 1));
         it != short_.end() && it->area.top <= rect.bottom; ++it)
        if (it->area.intersects(rect))
            f(*it);
    for (const Entry& entry : tall_)
        if (entry.area.intersects(rect))
            f(entry);
}

void MergeSet::add(const CellRect& area)
{
    std::vector<CellRect> clash = intersecting(area);
    if (clash.size() == 1 && clash.front() == area)
        return;
    if (!clash.empty())
        throw SpreadsheetError(QStringLiteral("Cannot merge %1: it overlaps the merged cells %2")
                                   .arg(absoluteAddress(area), absoluteAddress(clash.front())));
    const Entry entry{area, added_++};
    if (area.rowCount() > kShortRows) {
        tall_.push_back(entry);
        return;
    }
    short_.insert(short_.end(), entry);  // the hint holds when areas come top to bottom
    tallestShort_ = std::max(tallestShort_, area.rowCount());
}

std::vector<CellRect> MergeSet::intersecting(const CellRect& rect) const
{
    std::vector<CellRect> out;
    forEachIntersecting(rect, [&](const Entry& entry) { out.push_back(entry.area); });
    return out;
}

void MergeSet::removeIntersecting(const CellRect& rect)
{
    std::vector<Entry> gone;
    forEachIntersecting(rect, [&](const Entry& entry) { gone.push_back(entry); });
    for (const Entry& entry : gone)
        short_.erase(entry);
    std::erase_if(tall_, [&](const Entry& entry) { return entry.area.intersects(rect); });
}

std::vector<CellRect> MergeSet::areas() const
{
    std::vector<Entry> all(short_.begin(), short_.end());
    all.insert(all.end(), tall_.begin(), tall_.end());
    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.order < b.order; });
    std::vector<CellRect> out;
    out.reserve(all.size());
    for (const Entry& entry : all)
        out.push_back(entry.area);
    return out;
}

std::optional<CellRect> MergeSet::bounds() const
{
    std::optional<CellRect> box;
    const auto take = [&box](const Entry& entry) { box = box ? box->united(entry.area) : entry.area; };
    std::for_each(short_.begin(), short_.end(), take);
    std::for_each(tall_.begin(), tall_.end(), take);
    return box;
}

}  // namespace jubilo::spreadsheet
