#pragma once

#include <stdexcept>
#include <string>

namespace jubilo::xls {

// Every failure of the .xls layer: a workbook that cannot be written as it
// stands, or a file that is damaged, truncated, too large or not a BIFF8
// workbook. The message says which, in words a user can be shown.
class XlsError : public std::runtime_error {
public:
    explicit XlsError(const std::string& what)
        : std::runtime_error(what)
    {
    }
};

}  // namespace jubilo::xls
