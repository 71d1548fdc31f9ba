#include "model/table_text.h"

namespace jubilo {

bool containsStoreSeparator(const QString& text)
{
    return text.contains(kCellSeparator) || text.contains(kRowTerminator);
}

QString encodeTableText(const PlanTable& table)
{
    QString text;
    for (int position = 1; position <= table.rowCount(); ++position) {
        for (int column = 0; column < table.columnCount(); ++column) {
            const QString cell = table.cell(position, column);
            if (containsStoreSeparator(cell))
                throw SeparatorInTextError(std::string("Row ") + std::to_string(position) + " of " + table.spec().name
                                           + " holds a store separator (\"||MySeparator11||\" or \"||MySeparator12||\")"
                                             " and cannot be saved.");
            if (column > 0)
                text += kCellSeparator;
            text += cell;
        }
        text += kRowTerminator;
    }
    return text;
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
