// Formula results are computed when asked for and kept until the sheet's
// content changes. The cells a formula needs are computed first, in an
// explicit depth-first walk (no recursion, so long chains cannot exhaust the
// stack); a cell met again while its own inputs are being computed closes a
// circle, and every cell on that circle shows 0.

#include "spreadsheet/formula/evaluator_p.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <unordered_map>

namespace jubilo::spreadsheet {

class Worksheet::View : public formula::SheetView {
public:
    explicit View(Worksheet& sheet)
        : sheet_(sheet)
    {
    }

    Value cellValue(int row, int col) const override
    {
        const Cell* cell = sheet_.cells_.find(row, col);
        return cell ? cell->shown() : Value();
    }
    void forEachValue(const CellRect& area, const std::function<void(const Value&)>& visit) const override
    {
        sheet_.cells_.forEach(area, [&](int, const Cell& cell) {
            if (!isEmpty(cell.shown()))
                visit(cell.shown());
        });
    }
    const QLocale& locale() const override { return sheet_.workbook().locale(); }

private:
    Worksheet& sheet_;
};

Value Worksheet::value(int row, int col)
{
    Cell* cell = cells_.find(row, col);
    if (!cell)
        return {};
    if (cell->formula && cell->formula->computedAt != generation_)
        recalculate(row, col);
    return cell->shown();
}

void Worksheet::recalculate(int row, int col)
{
    struct Frame {
        CellPos at;
        FormulaCell* formula;
        std::vector<CellPos> inputs;
        std::size_t next = 0;
        bool circular = false;
    };
    std::vector<Frame> stack;
    std::unordered_map<const FormulaCell*, std::size_t> onStack;
    const auto stale = [&](int r, int c) -> FormulaCell* {
        Cell* cell = cells_.find(r, c);
        return cell && cell->formula && cell->formula->computedAt != generation_ ? cell->formula.get() : nullptr;
    };
    const auto push = [&](CellPos at, FormulaCell* f) {
        Frame frame{at, f, {}, 0, false};
        for (const CellRect& area : formula::referencedAreas(f->tokens))
            cells_.forEach(area, [&](int r, const Cell& cell) {
                if (cell.formula)
                    frame.inputs.push_back({r, cell.col});
            });
        onStack.emplace(f, stack.size());
        stack.push_back(std::move(frame));
    };
    const View view(*this);
    push({row, col}, stale(row, col));
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.inputs.size()) {
            const CellPos input = top.inputs[top.next++];
            FormulaCell* f = stale(input.row, input.col);
            if (!f)
                continue;
            const auto cycle = onStack.find(f);
            if (cycle == onStack.end()) {
                push(input, f);
                continue;
            }
            for (std::size_t i = cycle->second; i < stack.size(); ++i)
                stack[i].circular = true;
            continue;
        }
        top.formula->result = top.circular ? Value(0.0) : formula::evaluate(top.formula->tokens, {view, top.at});
        top.formula->computedAt = generation_;
        onStack.erase(top.formula);
        stack.pop_back();
    }
}

}  // namespace jubilo::spreadsheet
