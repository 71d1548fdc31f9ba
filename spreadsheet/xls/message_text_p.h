#pragma once

// Pieces of the messages the layer gives: texts, cells and numbers as a
// user reads them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace jubilo::xls {

// UTF-8 of a UTF-16 text; half a surrogate pair becomes U+FFFD, so the
// result is always valid UTF-8.
std::string utf8(std::u16string_view s);
// A column as "F", a cell as "F26".
std::string columnName(uint16_t column);
std::string cellName(uint16_t row, uint16_t column);
// A count with thousands separators: "32,767".
std::string withThousands(std::size_t n);

}  // namespace jubilo::xls
