#pragma once
// The merged areas of a sheet. Areas never overlap. They are kept ordered
// by their top row, so finding the merges around a range looks only at the
// areas that start in or just above its rows: a whole-row selection on a
// sheet of thousands of merges reads the few in that row.

#include "spreadsheet/core/grid.h"

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace jubilo::spreadsheet {

class MergeSet {
public:
    // Throws SpreadsheetError when the area overlaps a different merge;
    // merging an existing area again changes nothing.
    void add(const CellRect& area);
    std::vector<CellRect> intersecting(const CellRect& rect) const;
    void removeIntersecting(const CellRect& rect);
    // In the order they were added.
    std::vector<CellRect> areas() const;
    // The box around every area; none when there are none.
    std::optional<CellRect> bounds() const;
    std::size_t size() const { return short_.size() + tall_.size(); }

    // Areas of more rows than this are few (a merged block, a banner) and
    // are checked against every lookup rather than ordered.
    static constexpr int kShortRows = 64;

private:
    struct Entry {
        CellRect area;
        std::uint64_t order;  // when it was added
    };
    // By top row, then by age; a bare row number finds the first area
    // starting there.
    struct ByTop {
        using is_transparent = void;
        bool operator()(const Entry& a, const Entry& b) const
        {
            return a.area.top != b.area.top ? a.area.top < b.area.top : a.order < b.order;
        }
        bool operator()(const Entry& a, int top) const { return a.area.top < top; }
        bool operator()(int top, const Entry& b) const { return top < b.area.top; }
    };

    template <typename F>
    void forEachIntersecting(const CellRect& rect, F&& f) const;

    std::set<Entry, ByTop> short_;
    std::vector<Entry> tall_;
    int tallestShort_ = 1;  // rows of the tallest area ever kept in short_
    std::uint64_t added_ = 0;
};

}  // namespace jubilo::spreadsheet
