#pragma once
// A sum of typed amounts as the sheet's SUM makes it: numbers add, text and
// empty cells are passed over, the first error value makes the sum that
// error, and a sum past the largest number is #NUM!.

#include "host/interface/host_typed_input.h"

#include <QString>

namespace jubilo {

struct SheetSum {
    double value = 0;
    QString error;  // empty, or the error the total shows ("#N/A")

    bool isError() const { return !error.isEmpty(); }
    void add(const HostTypedValue& amount);
    void add(const SheetSum& other);  // for totals the sheet does not have
    // After the last add: what the sheet's total would show.
    void finish();
};

}  // namespace jubilo
