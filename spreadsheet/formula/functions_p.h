#pragma once
// The worksheet functions the engine knows, with the indexes BIFF8 gives
// them (the "iftab" of PtgFunc and PtgFuncVar) and the operand class each
// parameter takes.

#include "spreadsheet/formula/operand_p.h"
#include "spreadsheet/formula/token_p.h"

#include <QStringView>

namespace jubilo::spreadsheet::formula {

using Function = Value (*)(const std::vector<Operand>& args, const EvalContext& ctx);

struct FunctionInfo {
    const char* name;
    quint16 index;
    quint8 minArgs;
    quint8 maxArgs;
    // One letter per parameter, 'R' reference or 'V' value; the last repeats.
    const char* params;
    bool returnsReference;
    Function evaluate;

    bool fixedArity() const { return minArgs == maxArgs; }
    OperandClass paramClass(int arg) const;
};

inline constexpr quint16 kSumIndex = 4;
inline constexpr quint16 kIfIndex = 1;

const FunctionInfo* functionByName(QStringView name);
const FunctionInfo* functionByIndex(quint16 index);

// Implementations, grouped by file.
namespace fn {
Value sum(const std::vector<Operand>&, const EvalContext&);
Value average(const std::vector<Operand>&, const EvalContext&);
Value min(const std::vector<Operand>&, const EvalContext&);
Value max(const std::vector<Operand>&, const EvalContext&);
Value count(const std::vector<Operand>&, const EvalContext&);
Value counta(const std::vector<Operand>&, const EvalContext&);
Value product(const std::vector<Operand>&, const EvalContext&);
Value round(const std::vector<Operand>&, const EvalContext&);
Value abs(const std::vector<Operand>&, const EvalContext&);
Value intPart(const std::vector<Operand>&, const EvalContext&);
Value mod(const std::vector<Operand>&, const EvalContext&);
Value sqrt(const std::vector<Operand>&, const EvalContext&);
Value pi(const std::vector<Operand>&, const EvalContext&);
Value ifFn(const std::vector<Operand>&, const EvalContext&);
// The argument IF picks, as an operand: a reference stays a reference, so
// SUM(IF(c,R1C1:R3C1)) adds the cells and ISBLANK(IF(c,R5C1)) sees the cell.
Operand ifChoice(const std::vector<Operand>&, const EvalContext&);
Value andFn(const std::vector<Operand>&, const EvalContext&);
Value orFn(const std::vector<Operand>&, const EvalContext&);
Value notFn(const std::vector<Operand>&, const EvalContext&);
Value trueFn(const std::vector<Operand>&, const EvalContext&);
Value falseFn(const std::vector<Operand>&, const EvalContext&);
Value na(const std::vector<Operand>&, const EvalContext&);
Value isError(const std::vector<Operand>&, const EvalContext&);
Value isBlank(const std::vector<Operand>&, const EvalContext&);
Value len(const std::vector<Operand>&, const EvalContext&);
Value upper(const std::vector<Operand>&, const EvalContext&);
Value lower(const std::vector<Operand>&, const EvalContext&);
Value trim(const std::vector<Operand>&, const EvalContext&);
Value left(const std::vector<Operand>&, const EvalContext&);
Value right(const std::vector<Operand>&, const EvalContext&);
Value concatenate(const std::vector<Operand>&, const EvalContext&);
}  // namespace fn

}  // namespace jubilo::spreadsheet::formula
