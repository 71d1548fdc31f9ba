#include "plan/table_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace jubilo {

bool containsStoreSeparator(const QString& text)
{
    return text.contains(kCellSeparator) || text.contains(kRowTerminator);
}

namespace {

qsizetype storedLength(const PlanRow& row, int columnCount)
{
    qsizetype length = (columnCount - 1) * kCellSeparator.size() + kRowTerminator.size();
    for (int column = 0; column < columnCount && column < row.size(); ++column)
        length += row[column].size();
    return length;
}

// Writes the row's stored text at `out`, storedLength() units; returns
// where it ends.
QChar* writeRow(QChar* out, const PlanRow& row, int columnCount)
{
    const auto put = [&out](const QString& piece) { out = std::copy(piece.begin(), piece.end(), out); };
    for (int column = 0; column < columnCount; ++column) {
        if (column > 0)
            put(kCellSeparator);
        if (column < row.size())
            put(row[column]);
    }
    put(kRowTerminator);
    return out;
}

void appendRow(QString& text, const PlanRow& row, int columnCount)
{
    const qsizetype at = text.size();
    text.resize(at + storedLength(row, columnCount));
    writeRow(text.data() + at, row, columnCount);
}

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TableText)
};

enum class Refusal { HoldsSeparator, MakesSeparator };

[[noreturn]] void refuseRow(const PlanTable& table, int position, Refusal why)
{
    //: %1 is the row's number, %2 the list's name.
    QString text = Texts::tr("Row %1 of %2 holds a store separator (\"||MySeparator11||\" or \"||MySeparator12||\") "
                             "and cannot be saved.");
    if (why == Refusal::MakesSeparator) {
        //: %1 is the row's number, %2 the list's name.
        text = Texts::tr("Row %1 of %2 would load back as other rows: its texts make a store separator with the ones "
                         "around them (\"||MySeparator11||\" or \"||MySeparator12||\") and cannot be saved.");
    }
    throw SeparatorInTextError(text.arg(position).arg(shownTableName(table.spec().id)).toStdString());
}

// Both separators begin "||MySeparator1": a text can only form one with
// its neighbours when it holds a '|' or begins with the rest of that.
const QString kSeparatorBody = QStringLiteral("MySeparator1");

// True when the row, stored, certainly loads back as itself: no text holds
// a '|' or begins like a separator's body, so every separator in its
// stored text is one written between its texts, and it is not the empty
// text a one-column row of nothing would store. Saving checks only the
// other rows in full; a table of thousands of rows is saved on every change.
bool isPlainRow(const PlanRow& row, int columnCount)
{
    for (const QString& cell : row) {
        // Cells are short: a plain loop beats a vectorised search's setup.
        if (std::any_of(cell.begin(), cell.end(), [](QChar c) { return c == u'|'; }) || cell.startsWith(kSeparatorBody))
            return false;
    }
    return columnCount > 1 || (!row.isEmpty() && !row.front().isEmpty());
}

qsizetype storedLength(const PlanTable& table)
{
    qsizetype length = 0;
    for (int position = 1; position <= table.rowCount(); ++position)
        length += storedLength(table.row(position), table.columnCount());
    return length;
}

void checkRow(const PlanTable& table, int position)
{
    const PlanRow& row = table.row(position);
    for (const QString& cell : row) {
        if (containsStoreSeparator(cell))
            refuseRow(table, position, Refusal::HoldsSeparator);
    }
    if (!survivesStore(row, table.columnCount()))
        refuseRow(table, position, Refusal::MakesSeparator);
}

}  // namespace

// Rows typed in are refused before they reach a table (survivesStore), but
// a hand-edited store can load rows that would not come back: a cell that
// ends in "||MySeparator12|" makes a separator with the one after it.
QString encodeTableRow(const PlanTable& table, int position)
{
    const PlanRow& row = table.row(position);
    if (!isPlainRow(row, table.columnCount()))
        checkRow(table, position);
    QString text;
    appendRow(text, row, table.columnCount());
    return text;
}

qsizetype storedRowLength(const PlanRow& row, int columnCount) { return storedLength(row, columnCount); }

QString encodeTableText(const PlanTable& table)
{
    QString text(storedLength(table), Qt::Uninitialized);
    QChar* out = text.data();
    for (int position = 1; position <= table.rowCount(); ++position) {
        const PlanRow& row = table.row(position);
        if (!isPlainRow(row, table.columnCount()))
            checkRow(table, position);
        out = writeRow(out, row, table.columnCount());
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
