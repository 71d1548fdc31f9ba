#pragma once
// Reads formula text in R1C1 notation ("SUM(R[-3]C:R[-1]C)", "RC[1]*2",
// "IF(R2C3>0,\"yes\",\"no\")") into tokens. References are resolved against
// the cell the formula lives in, so they come out absolute with relative
// flags. Unknown functions and names become #NAME?; references that fall
// off the grid become #REF!.

#include "spreadsheet/formula/token_p.h"

#include <QStringView>

#include <optional>

namespace jubilo::spreadsheet::formula {

// `text` is the formula without its leading "=". Nothing when the text is
// not a well-formed formula.
std::optional<Tokens> parseR1C1(QStringView text, CellPos at);

// Gives every reference and function token the operand class its place in
// the expression asks for (reference where a function takes a reference,
// value elsewhere), as the file format expects.
void assignOperandClasses(Tokens& tokens);

// How many operands a token takes off the evaluation stack, and whether it
// leaves one. -1 for a token the engine does not know.
int tokenArity(const Token& t);

}  // namespace jubilo::spreadsheet::formula
