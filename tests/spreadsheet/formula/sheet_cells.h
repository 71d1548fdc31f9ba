#pragma once
// A sheet for formulas to read without a workbook: cells by position, all
// others blank, in US English.

#include "spreadsheet/formula/operand_p.h"

#include <map>
#include <utility>

namespace jubilo::spreadsheet::testing {

class SheetCells : public formula::SheetView {
public:
    SheetCells() = default;
    explicit SheetCells(std::map<std::pair<int, int>, Value> cells)
        : cells_(std::move(cells))
    {
    }
    Value cellValue(int row, int col) const override
    {
        const auto it = cells_.find({row, col});
        return it == cells_.end() ? Value() : it->second;
    }
    void forEachValue(const CellRect& area, const std::function<void(const Value&)>& visit) const override
    {
        for (const auto& [at, v] : cells_)  // the map's order is row order
            if (area.contains(at.first, at.second))
                visit(v);
    }
    const QLocale& locale() const override { return locale_; }

private:
    std::map<std::pair<int, int>, Value> cells_;
    QLocale locale_{QLocale::English, QLocale::UnitedStates};
};

}  // namespace jubilo::spreadsheet::testing
