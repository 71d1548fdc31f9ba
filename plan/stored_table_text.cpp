#include "plan/stored_table_text.h"

#include "plan/table_text.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace jubilo {

StoredTableText::Update StoredTableText::prepare(const PlanTable& table) const
{
    const auto count = static_cast<std::size_t>(table.rowCount());
    Update update;
    if (!known_) {
        update.last = rows_.size();
        for (int position = 1; position <= table.rowCount(); ++position) {
            update.rows.push_back(table.row(position));
            update.lengths.push_back(storedRowLength(table.row(position), table.columnCount()));
        }
        return update;
    }
    const auto [head, tail] = sharedEnds(rows_, table.allRows());
    update.first = head;
    update.last = rows_.size() - tail;
    ValueSplice splice;
    for (std::size_t i = head; i < count - tail; ++i) {
        const int position = static_cast<int>(i) + 1;
        const QString text = encodeTableRow(table, position);
        update.rows.push_back(table.row(position));
        update.lengths.push_back(text.size());
        splice.inserted += text;
    }
    const auto first = lengths_.begin() + static_cast<std::ptrdiff_t>(update.first);
    const auto last = lengths_.begin() + static_cast<std::ptrdiff_t>(update.last);
    splice.oldLength = length_;
    splice.offset = std::accumulate(lengths_.begin(), first, qsizetype(0));
    splice.removed = std::accumulate(first, last, qsizetype(0));
    update.splice = std::move(splice);
    return update;
}

void StoredTableText::commit(Update update)
{
    const auto first = static_cast<std::ptrdiff_t>(update.first);
    const auto last = static_cast<std::ptrdiff_t>(update.last);
    length_ -= std::accumulate(lengths_.begin() + first, lengths_.begin() + last, qsizetype(0));
    length_ += std::accumulate(update.lengths.begin(), update.lengths.end(), qsizetype(0));
    rows_.erase(rows_.begin() + first, rows_.begin() + last);
    rows_.insert(rows_.begin() + first, std::make_move_iterator(update.rows.begin()),
                 std::make_move_iterator(update.rows.end()));
    lengths_.erase(lengths_.begin() + first, lengths_.begin() + last);
    lengths_.insert(lengths_.begin() + first, update.lengths.begin(), update.lengths.end());
    known_ = true;
}

}  // namespace jubilo
