#include "model/table_text.h"

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

}  // namespace

QString encodeTableText(const PlanTable& table)
{
    QString text;
    for (int position = 1; position <= table.rowCount(); ++position) {
        const PlanRow& row = table.row(position);
        for (const QString& cell : row) {
            if (containsStoreSeparator(cell))
                throw SeparatorInTextError(std::string("Row ") + std::to_string(position) + " of " + table.spec().name
                                           + " holds a store separator (\"||MySeparator11||\" or \"||MySeparator12||\")"
                                             " and cannot be saved.");
        }
        appendRow(text, row, table.columnCount());
    }
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

std::vector<PlanRow> decodeTableText(const QString& text, int columnCount)
{
    std::vector<PlanRow> rows;
    const QStringView whole(text);
    for (QStringView piece : whole.split(kRowTerminator)) {
        if (piece.isEmpty())
            continue;
        PlanRow row;
        row.reserve(columnCount);
        for (int i = 0; i < columnCount; ++i)
            row.append(QString());
        int column = 0;
        for (QStringView cell : piece.split(kCellSeparator)) {
            if (column >= columnCount)
                break;
            row[column++] = cell.toString();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace jubilo
