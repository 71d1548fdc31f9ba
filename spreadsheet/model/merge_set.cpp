#include "spreadsheet/model/merge_set_p.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"

#include <algorithm>

namespace jubilo::spreadsheet {

namespace {

constexpr qint64 kIndexedArea = 1024;

quint32 key(int row, int col) { return quint32(row) << 8 | quint32(col); }

}  // namespace

void MergeSet::index(int id, const CellRect& area, bool add)
{
    if (area.area() > kIndexedArea) {
        if (add)
            large_.push_back(id);
        else
            large_.erase(std::remove(large_.begin(), large_.end(), id), large_.end());
        return;
    }
    for (int r = area.top; r <= area.bottom; ++r)
        for (int c = area.left; c <= area.right; ++c)
            add ? void(byCell_[key(r, c)] = id) : void(byCell_.erase(key(r, c)));
}

std::vector<int> MergeSet::idsIntersecting(const CellRect& rect) const
{
    std::vector<int> ids;
    if (rect.area() > kIndexedArea * 4) {
        for (const auto& [id, area] : areas_)
            if (area.intersects(rect))
                ids.push_back(id);
        return ids;
    }
    for (int r = rect.top; r <= rect.bottom; ++r) {
        for (int c = rect.left; c <= rect.right; ++c) {
            const auto it = byCell_.find(key(r, c));
            if (it != byCell_.end() && std::find(ids.begin(), ids.end(), it->second) == ids.end())
                ids.push_back(it->second);
        }
    }
    for (int id : large_)
        if (areas_.at(id).intersects(rect))
            ids.push_back(id);
    return ids;
}

void MergeSet::add(const CellRect& area)
{
    const std::vector<int> clash = idsIntersecting(area);
    if (clash.size() == 1 && areas_.at(clash.front()) == area)
        return;
    if (!clash.empty())
        throw SpreadsheetError(QStringLiteral("Cannot merge %1: it overlaps the merged cells %2")
                                   .arg(absoluteAddress(area), absoluteAddress(areas_.at(clash.front()))));
    const int id = nextId_++;
    areas_.emplace(id, area);
    index(id, area, true);
}

std::vector<CellRect> MergeSet::intersecting(const CellRect& rect) const
{
    std::vector<CellRect> out;
    for (int id : idsIntersecting(rect))
        out.push_back(areas_.at(id));
    return out;
}

void MergeSet::removeIntersecting(const CellRect& rect)
{
    for (int id : idsIntersecting(rect)) {
        index(id, areas_.at(id), false);
        areas_.erase(id);
    }
}

std::vector<CellRect> MergeSet::areas() const
{
    std::vector<CellRect> out;
    out.reserve(areas_.size());
    for (const auto& [id, area] : areas_)
        out.push_back(area);
    return out;
}

}  // namespace jubilo::spreadsheet
