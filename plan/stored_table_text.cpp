#include "plan/stored_table_text.h"

#include "plan/table_text.h"

#include <algorithm>
#include <numeric>

namespace jubilo {

namespace {

// A row the table has not touched since shares its cells with ours.
bool sameRow(const PlanRow& a, const PlanRow& b)
{
    return (a.size() == b.size() && a.constData() == b.constData()) || a == b;
}

}  // namespace

const QString& StoredTableText::update(const PlanTable& table)
{
    const auto count = static_cast<std::size_t>(table.rowCount());
    const std::size_t shorter = std::min(rows_.size(), count);
    std::size_t head = 0;
    while (head < shorter && sameRow(rows_[head], table.row(static_cast<int>(head) + 1)))
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && sameRow(rows_[rows_.size() - 1 - tail], table.row(static_cast<int>(count - tail))))
        ++tail;

    // Everything that can throw comes before the first change.
    std::vector<PlanRow> rows;
    std::vector<qsizetype> lengths;
    QString inserted;
    for (std::size_t i = head; i < count - tail; ++i) {
        const int position = static_cast<int>(i) + 1;
        const QString text = encodeTableRow(table, position);
        rows.push_back(table.row(position));
        lengths.push_back(text.size());
        inserted += text;
    }
    const auto first = static_cast<std::ptrdiff_t>(head);
    const auto last = static_cast<std::ptrdiff_t>(rows_.size() - tail);
    const qsizetype offset = std::accumulate(lengths_.begin(), lengths_.begin() + first, qsizetype(0));
    const qsizetype removed = std::accumulate(lengths_.begin() + first, lengths_.begin() + last, qsizetype(0));
    text_.replace(offset, removed, inserted);
    rows_.erase(rows_.begin() + first, rows_.begin() + last);
    rows_.insert(rows_.begin() + first, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    lengths_.erase(lengths_.begin() + first, lengths_.begin() + last);
    lengths_.insert(lengths_.begin() + first, lengths.begin(), lengths.end());
    return text_;
}

}  // namespace jubilo
