#pragma once
// Tokens to and from the byte form ("rgce") that BIFF8 FORMULA records
// carry after their fixed fields.

#include "spreadsheet/formula/token_p.h"

#include <QByteArray>

#include <optional>

namespace jubilo::spreadsheet::formula {

QByteArray encodeRgce(const Tokens& tokens);

// Nothing when the bytes are cut short or hold a token this engine does not
// read (array constants, names, 3-D references).
std::optional<Tokens> decodeRgce(const QByteArray& bytes);

}  // namespace jubilo::spreadsheet::formula
