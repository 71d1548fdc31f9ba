#pragma once
// Runs a token list on a stack and gives the cell's result. The sheet
// supplies the values of referenced cells; it is responsible for having
// computed any formulas among them first.

#include "spreadsheet/formula/operand_p.h"
#include "spreadsheet/formula/token_p.h"

#include <vector>

namespace jubilo::spreadsheet::formula {

Value evaluate(const Tokens& tokens, const EvalContext& ctx);

// Every area the tokens refer to, so callers can compute those cells first.
std::vector<CellRect> referencedAreas(const Tokens& tokens);

}  // namespace jubilo::spreadsheet::formula
