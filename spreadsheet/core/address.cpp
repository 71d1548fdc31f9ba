#include "spreadsheet/core/address.h"

#include "spreadsheet/core/error.h"

#include <algorithm>
#include <optional>

namespace jubilo::spreadsheet {

namespace {

// One side of an A1 range: a cell, a bare column or a bare row.
struct Part {
    std::optional<int> row;
    std::optional<int> col;
};

[[noreturn]] void badAddress(const QString& text)
{
    throw SpreadsheetError(QStringLiteral("\"%1\" is not a valid cell address").arg(text));
}

[[noreturn]] void offGrid(const QString& text)
{
    throw SpreadsheetError(QStringLiteral("\"%1\" lies outside the sheet (columns A to %2, rows 1 to %3)")
                               .arg(text, columnName(kLastColumn))
                               .arg(kRowCount));
}

std::optional<int> readColumn(QStringView s, qsizetype& i, const QString& whole)
{
    qint64 col = 0;
    qsizetype start = i;
    while (i < s.size() && s[i].isLetter() && s[i].unicode() < 128) {
        col = col * 26 + (s[i].toUpper().unicode() - 'A' + 1);
        if (col > kColumnCount)
            offGrid(whole);
        ++i;
    }
    if (i == start)
        return std::nullopt;
    return int(col - 1);
}

std::optional<int> readRow(QStringView s, qsizetype& i, const QString& whole)
{
    qint64 row = 0;
    qsizetype start = i;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        row = row * 10 + (s[i].unicode() - '0');
        if (row > kRowCount)
            offGrid(whole);
        ++i;
    }
    if (i == start)
        return std::nullopt;
    if (row == 0)
        offGrid(whole);
    return int(row - 1);
}

Part readPart(QStringView s, const QString& whole)
{
    qsizetype i = s.startsWith(u'$') ? 1 : 0;
    Part part;
    part.col = readColumn(s, i, whole);
    if (i < s.size() && s[i] == u'$') {
        if (!part.col)
            badAddress(whole);
        ++i;
    }
    part.row = readRow(s, i, whole);
    if (i != s.size() || (!part.col && !part.row))
        badAddress(whole);
    return part;
}

}  // namespace

QString columnName(int col)
{
    QString name;
    for (int c = col + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

CellRect parseA1Range(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(u':');
    const QStringView view(trimmed);
    const Part a = readPart(colon < 0 ? view : view.left(colon), text);
    const Part b = colon < 0 ? a : readPart(view.mid(colon + 1), text);
    const bool cells = a.row && a.col && b.row && b.col;
    const bool columns = !a.row && !b.row && a.col && b.col && colon >= 0;
    const bool rows = !a.col && !b.col && a.row && b.row && colon >= 0;
    if (!cells && !columns && !rows)
        badAddress(text);
    CellRect r = CellRect::sheet();
    if (a.row) {
        r.top = qMin(*a.row, *b.row);
        r.bottom = qMax(*a.row, *b.row);
    }
    if (a.col) {
        r.left = qMin(*a.col, *b.col);
        r.right = qMax(*a.col, *b.col);
    }
    return r;
}

CellRect parseColumns(const QString& text)
{
    const QString t = text.trimmed();
    const QStringView letters = QStringView(t).mid(t.startsWith(u'$') ? 1 : 0);
    const bool bare
        = !letters.isEmpty() && std::all_of(letters.begin(), letters.end(), [](QChar c) { return c.isLetter(); });
    CellRect r = parseA1Range(bare ? t + u':' + t : t);
    r.top = 0;
    r.bottom = kLastRow;
    return r;
}

CellRect parseRows(const QString& text)
{
    const QString t = text.trimmed();
    const QStringView digits = QStringView(t).mid(t.startsWith(u'$') ? 1 : 0);
    const bool bare
        = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    CellRect r = parseA1Range(bare ? t + u':' + t : t);
    r.left = 0;
    r.right = kLastColumn;
    return r;
}

QString absoluteAddress(const CellRect& r)
{
    const auto cell = [](int row, int col) { return QStringLiteral("$%1$%2").arg(columnName(col)).arg(row + 1); };
    if (r.spansAllRows() && !r.spansAllColumns())
        return QStringLiteral("$%1:$%2").arg(columnName(r.left), columnName(r.right));
    if (r.spansAllColumns() && !r.spansAllRows())
        return QStringLiteral("$%1:$%2").arg(r.top + 1).arg(r.bottom + 1);
    if (r.isCell())
        return cell(r.top, r.left);
    return cell(r.top, r.left) + u':' + cell(r.bottom, r.right);
}

}  // namespace jubilo::spreadsheet
