#include "plan/table_text.h"

namespace jubilo {

bool containsStoreSeparator(const QString& text)
{
    return text.contains(kCellSeparator) || text.contains(kRowTerminator);
}

namespace {

void appendRow(QString& text, const PlanRow& row, int columnCount)
{
    for (int column = 0; column < columnCount; ++column) {
        if (column > 0)
            text += kCellSeparator;
        if (column < row.size())
            text += row[column];
    }
    text += kRowTerminator;
}

[[noreturn]] void refuseRow(const PlanTable& table, int position, const char* why)
{
    throw SeparatorInTextError(std::string("Row ") + std::to_string(position) + " of " + table.spec().name + why
                               + " (\"||MySeparator11||\" or \"||MySeparator12||\") and cannot be saved.");
}

}  // namespace

// Rows typed in are refused before they reach a table (survivesStore), but
// a hand-edited store can load rows that would not come back: a cell that
// ends in "||MySeparator12|" makes a separator with the one after it.
QString encodeTableRow(const PlanTable& table, int position)
{
    const PlanRow& row = table.row(position);
    for (const QString& cell : row) {
        if (containsStoreSeparator(cell))
            refuseRow(table, position, " holds a store separator");
    }
    if (!survivesStore(row, table.columnCount()))
        refuseRow(table, position,
                  " would load back as other rows: its texts make a store separator with the ones"
                  " around them");
    QString text;
    appendRow(text, row, table.columnCount());
    return text;
}

QString encodeTableText(const PlanTable& table)
{
    QString text;
    for (int position = 1; position <= table.rowCount(); ++position)
        text += encodeTableRow(table, position);
    return text;
}

// The decoder splits at the leftmost separator, so a row that comes back
// alone comes back the same among any other rows.
bool survivesStore(const PlanRow& row, int columnCount)
{
    QString text;
    appendRow(text, row, columnCount);
    const std::vector<PlanRow> back = decodeTableText(text, columnCount);
    PlanRow expected = row.mid(0, columnCount);
    while (expected.size() < columnCount)
        expected.append(QString());
    return back.size() == 1 && back.front() == expected;
}

namespace {

// One row's cells, split at the leftmost separators; cells beyond
// columnCount are dropped, missing ones stay empty.
PlanRow decodeRow(QStringView piece, int columnCount)
{
    PlanRow row(columnCount);
    qsizetype from = 0;
    for (int column = 0; column < columnCount; ++column) {
        const qsizetype end = piece.indexOf(kCellSeparator, from);
        row[column] = piece.sliced(from, (end < 0 ? piece.size() : end) - from).toString();
        if (end < 0)
            break;
        from = end + kCellSeparator.size();
    }
    return row;
}

}  // namespace

// Scanned in place: a stored table of thousands of rows is read at start,
// and splitting it into lists of pieces first cost more than the rows.
std::vector<PlanRow> decodeTableText(const QString& text, int columnCount)
{
    std::vector<PlanRow> rows;
    const QStringView whole(text);
    for (qsizetype from = 0; from <= whole.size();) {
        qsizetype end = whole.indexOf(kRowTerminator, from);
        if (end < 0)
            end = whole.size();
        if (end > from)
            rows.push_back(decodeRow(whole.sliced(from, end - from), columnCount));
        from = end + kRowTerminator.size();
    }
    return rows;
}

}  // namespace jubilo
