#pragma once
// What formula evaluation works on: operands that are values or areas of
// the sheet, and the sheet behind them.

#include "spreadsheet/core/grid.h"
#include "spreadsheet/core/value.h"

#include <QLocale>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace jubilo::spreadsheet::formula {

struct Operand {
    Value value;  // when not an area
    std::optional<CellRect> area;  // a reference to cells
    bool missing = false;  // an argument left empty: f(1,,2)
};

// The sheet as a formula sees it.
class SheetView {
public:
    virtual ~SheetView() = default;
    virtual Value cellValue(int row, int col) const = 0;
    // Every cell in the area that holds a value, in row order.
    virtual void forEachValue(const CellRect& area, const std::function<void(const Value&)>& visit) const = 0;
    virtual const QLocale& locale() const = 0;
};

struct EvalContext {
    const SheetView& sheet;
    CellPos at;  // the cell whose formula runs
};

using Number = std::variant<double, ErrorCode>;

// A single value from an operand: an area gives the cell in the formula's
// own row or column (implicit intersection), else #VALUE!.
Value scalar(const Operand& operand, const EvalContext& ctx);

Number toNumber(const Value& v, const EvalContext& ctx);
std::variant<QString, ErrorCode> toText(const Value& v, const EvalContext& ctx);
std::variant<bool, ErrorCode> toBool(const Value& v, const EvalContext& ctx);

}  // namespace jubilo::spreadsheet::formula
