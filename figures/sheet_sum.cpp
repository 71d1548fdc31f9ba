#include "figures/sheet_sum.h"

#include <cmath>

namespace jubilo {

void SheetSum::add(const HostTypedValue& amount)
{
    if (isError())
        return;
    if (amount.kind == HostTypedValue::Kind::Error)
        error = amount.error;
    else if (amount.kind == HostTypedValue::Kind::Number)
        value += amount.number;
}

void SheetSum::add(const SheetSum& other)
{
    if (isError())
        return;
    if (other.isError())
        error = other.error;
    else
        value += other.value;
}

void SheetSum::finish()
{
    if (!isError() && !std::isfinite(value))
        error = QStringLiteral("#NUM!");
    if (isError())
        value = 0;
}

}  // namespace jubilo
