#pragma once
// The merged areas of a sheet. Areas never overlap; small ones are indexed
// by cell so that looking up the merges around a selection stays cheap when
// a sheet holds thousands of them.

#include "spreadsheet/core/grid.h"

#include <map>
#include <unordered_map>
#include <vector>

namespace jubilo::spreadsheet {

class MergeSet {
public:
    // Throws SpreadsheetError when the area overlaps a different merge;
    // merging an existing area again changes nothing.
    void add(const CellRect& area);
    std::vector<CellRect> intersecting(const CellRect& rect) const;
    void removeIntersecting(const CellRect& rect);
    std::vector<CellRect> areas() const;
    std::size_t size() const { return areas_.size(); }

private:
    std::vector<int> idsIntersecting(const CellRect& rect) const;
    void index(int id, const CellRect& area, bool add);

    std::map<int, CellRect> areas_;
    std::unordered_map<quint32, int> byCell_;  // areas up to kIndexedArea cells
    std::vector<int> large_;
    int nextId_ = 0;
};

}  // namespace jubilo::spreadsheet
