#include "lists/delimited_writer.h"

namespace jubilo {

namespace {

bool needsQuotes(const QByteArray& field, char delimiter)
{
    for (const char c : field) {
        if (c == delimiter || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

}  // namespace

QByteArray delimitedLine(const QStringList& cells, char delimiter)
{
    QByteArray line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += delimiter;
        QByteArray field = cells[i].toUtf8();
        if (needsQuotes(field, delimiter))
            field = '"' + field.replace('"', "\"\"") + '"';
        line += field;
    }
    return line + "\r\n";
}

}  // namespace jubilo
