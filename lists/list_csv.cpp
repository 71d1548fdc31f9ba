#include "lists/list_csv.h"

#include "lists/delimited_writer.h"

namespace jubilo {

namespace {

constexpr char kComma = ',';

}  // namespace

QByteArray listCsv(const PlanTable& table)
{
    QStringList headers;
    for (int column = 0; column < table.columnCount(); ++column)
        headers << table.header(column);
    QByteArray csv(kUtf8ByteOrderMark);
    csv += delimitedLine(headers, kComma);
    for (const PlanRow& row : table.allRows())
        csv += delimitedLine(row, kComma);
    return csv;
}

}  // namespace jubilo
