#pragma once
// What the store holds of a table's text, row by row, so that a change is
// stored as a splice of the rows it touched: a row of a list of thousands
// is encoded, checked and written alone, never the whole list again.

#include "plan/plan_tables.h"
#include "plan/settings_store.h"

#include <QString>

#include <optional>
#include <vector>

namespace jubilo {

class StoredTableText {
public:
    // What storing the table now changes. `splice` is the change to the
    // text last stored; none before the first commit, when that text is
    // not known and the whole text must be written.
    struct Update {
        std::optional<ValueSplice> splice;
        std::size_t first = 0, last = 0;  // the rows of the text it replaces
        std::vector<PlanRow> rows;  // ...by these
        std::vector<qsizetype> lengths;  // their lengths in the text
    };

    // Throws SeparatorInTextError, as encodeTableText does, for a changed
    // row the store cannot hold.
    Update prepare(const PlanTable& table) const;
    // Takes the update as stored: call once the store has taken it.
    void commit(Update update);

private:
    std::vector<PlanRow> rows_;  // the rows the text is of, sharing their cells with the table's
    std::vector<qsizetype> lengths_;  // each row's length in the text
    qsizetype length_ = 0;
    bool known_ = false;
};

}  // namespace jubilo
