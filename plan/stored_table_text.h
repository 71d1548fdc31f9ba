#pragma once
// A table's stored text kept up to date row by row: after a change only
// the rows it touched are encoded again, so storing a one-row change to a
// list of thousands costs little more than the row itself.

#include "plan/plan_tables.h"

#include <QString>

#include <vector>

namespace jubilo {

class StoredTableText {
public:
    // The text of the table's rows now, exactly as encodeTableText gives it.
    // Throws SeparatorInTextError as it does, and then stays as it was.
    const QString& update(const PlanTable& table);

private:
    std::vector<PlanRow> rows_;  // the rows the text is of, sharing their cells with the table's
    std::vector<qsizetype> lengths_;  // each row's length in the text
    QString text_;
};

}  // namespace jubilo
