#include "lists/pasted_rows.h"

#include "lists/delimited_reader.h"
#include "plan/row_rules.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PastedRows)
};

QString reasonText(DelimitedTextError::Reason reason)
{
    switch (reason) {
    case DelimitedTextError::Reason::UnterminatedQuote:
        return Texts::tr("it starts a quoted cell that is never closed");
    case DelimitedTextError::Reason::QuoteInField:
        return Texts::tr("it has a quote inside a cell that is not quoted");
    case DelimitedTextError::Reason::FieldTooLong:
        return Texts::tr("it has a cell longer than 1 MB");
    case DelimitedTextError::Reason::RowTooLong:
        return Texts::tr("it has a row longer than 4 MB");
    case DelimitedTextError::Reason::OutOfMemory:
        return Texts::tr("there is not enough memory to read it");
    }
    return {};
}

bool namesColumns(const TableSpec& table, const PlanRow& row)
{
    if (row.size() != table.columnCount)
        return false;
    // The headers as exported files write them (English), or as the window
    // shows them in the run's language.
    const auto names = [&](int column, const QString& header) {
        return row[column].trimmed().compare(header, Qt::CaseInsensitive) == 0;
    };
    for (int column = 0; column < table.columnCount; ++column) {
        if (!names(column, QString::fromUtf8(table.columns[static_cast<std::size_t>(column)].header))
            && !names(column, shownColumnHeader(table, column)))
            return false;
    }
    return true;
}

PastedRows refused(int line, QString reason) { return PastedRows{{}, PasteRefusal{line, std::move(reason)}}; }

}  // namespace

char pastedDelimiter(const QString& text)
{
    bool quoted = false;
    bool comma = false;
    bool semicolon = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('\t'))
            return '\t';
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        comma = comma || c == QLatin1Char(',');
        semicolon = semicolon || c == QLatin1Char(';');
    }
    return comma ? ',' : semicolon ? ';' : '\t';
}

PastedRows readPastedRows(const TableSpec& table, const QString& text, int room)
{
    std::vector<std::pair<int, PlanRow>> read;
    try {
        DelimitedReader reader(pastedDelimiter(text), [&](int line, DelimitedReader::Row fields) {
            PlanRow row;
            row.reserve(fields.size());
            for (const QByteArray& field : fields)
                row.append(QString::fromUtf8(field));
            read.emplace_back(line, normalisedRow(table, std::move(row)));
        });
        reader.feed(text.toUtf8());
        reader.finish();
    } catch (const DelimitedTextError& error) {
        return refused(error.line(), reasonText(error.reason()));
    }
    const std::size_t first = !read.empty() && namesColumns(table, read.front().second) ? 1 : 0;
    PastedRows pasted;
    pasted.rows.reserve(read.size() - first);
    for (std::size_t i = first; i < read.size(); ++i) {
        auto& [line, row] = read[i];
        if (const std::optional<RowFault> fault = rowFault(table, row))
            return refused(line, rowFaultText(table, row, *fault));
        if (static_cast<int>(pasted.rows.size()) >= room) {
            return refused(line,
                           Texts::tr("it would make the %1 list longer than the %2 rows a list holds")
                               .arg(shownTableName(table.id))
                               .arg(PlanTable::kMaxRows));
        }
        pasted.rows.push_back(std::move(row));
    }
    return pasted;
}

}  // namespace jubilo
