#include "spreadsheet/model/worksheet.h"

#include "host/constants/xl_constants.h"
#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/formula/parser_p.h"
#include "spreadsheet/formula/printer_p.h"
#include "spreadsheet/format/number_format.h"
#include "spreadsheet/input/typed_input.h"
#include "spreadsheet/model/workbook.h"

#include <cmath>

namespace jubilo::spreadsheet {

namespace {

constexpr double kMaxColumnWidth = 255;
constexpr double kMaxRowHeight = 409;

}  // namespace

Worksheet::Worksheet(Workbook& book, const QString& name)
    : book_(&book)
    , name_(name)
{
}

Workbook& Worksheet::workbook() const
{
    if (!book_)
        throw SpreadsheetError(QStringLiteral("The worksheet \"%1\" no longer exists").arg(name_));
    return *book_;
}

void Worksheet::setName(const QString& name) { workbook().renameSheet(*this, name); }

void Worksheet::setFormulaR1C1(int row, int col, const QString& text)
{
    // A longer text is refused here rather than when the workbook is saved.
    constexpr qsizetype kMaxCellText = xl::kMaxCellTextLength;
    if (text.size() > kMaxCellText)
        throw SpreadsheetError(QStringLiteral("A cell holds at most %4 characters; the text for %1%2 has %3.")
                                   .arg(columnName(col))
                                   .arg(row + 1)
                                   .arg(text.size())
                                   .arg(kMaxCellText));
    Workbook& book = workbook();
    const quint32 xf = effectiveXf(row, col);
    const bool textFormat = book.formats().isTextFormat(book.formats().format(xf).numberFormat);
    // Dates typed without a year fall in the clock's year.
    TypedInput in = readTypedInput(text, {book.locale(), QDate(), textFormat});
    ++generation_;
    if (in.kind == TypedInput::Kind::Empty) {
        if (Cell* cell = cells_.find(row, col)) {
            cell->value = {};
            cell->formula.reset();
        }
        return;
    }
    Cell& cell = cells_.obtain(row, col, xf);
    cell.formula.reset();
    cell.value = {};
    if (in.kind == TypedInput::Kind::Formula) {
        if (auto tokens = formula::parseR1C1(in.formula, {row, col})) {
            cell.formula = std::make_unique<FormulaCell>();
            cell.formula->tokens = std::move(*tokens);
            return;
        }
    }
    cell.value = std::move(in.value);  // a formula that does not parse stays as its text
    setNumberFormatIfGeneral(row, col, in.numberFormat, in.quotePrefix);
}

// Typed input only brings its format into a cell that has none yet, the way
// a spreadsheet keeps a format the user chose.
void Worksheet::setNumberFormatIfGeneral(int row, int col, const QString& code, bool quotePrefix)
{
    FormatTable& table = workbook().formats();
    Cell* cell = cells_.find(row, col);
    const CellFormat& current = table.format(cell->xf);
    const bool newFormat = !code.isEmpty() && current.numberFormat == 0;
    if (!newFormat && current.quotePrefix == quotePrefix)
        return;
    CellFormat f = current;
    if (newFormat)
        f.numberFormat = table.internNumberFormat(code);
    f.quotePrefix = quotePrefix;
    cell->xf = table.intern(f);
}

QString Worksheet::formulaR1C1(int row, int col) const
{
    const Cell* cell = cells_.find(row, col);
    if (!cell)
        return {};
    if (cell->formula)
        return u'=' + formula::printR1C1(cell->formula->tokens, {row, col});
    const Value& v = cell->value;
    if (const auto* d = std::get_if<double>(&v))
        return QString::number(*d, 'g', 15);
    if (const auto* s = std::get_if<QString>(&v))
        return cell->xf && workbook().formats().format(cell->xf).quotePrefix ? u'\'' + *s : *s;
    return formatValue(v, QStringLiteral("General"), workbook().locale());
}

QString Worksheet::text(int row, int col)
{
    const Value v = value(row, col);
    const FormatTable& table = workbook().formats();
    return formatValue(v, table.numberFormat(effectiveFormat(row, col).numberFormat), workbook().locale());
}

void Worksheet::clear(const CellRect& rect)
{
    ++generation_;
    cells_.erase(rect);
    merges_.removeIntersecting(rect);
    if (rect.spansAllColumns())
        cells_.forEachRow(rect.top, rect.bottom, [](int, RowStore& row) { row.xf.reset(); });
    if (rect.spansAllRows())
        for (int c = rect.left; c <= rect.right; ++c)
            columns_[c].xf.reset();
    if (rect.spansAllRows() && rect.spansAllColumns())
        sheetXf_ = 0;
}

double Worksheet::columnWidth(int col) const { return columns_[col].width.value_or(kDefaultColumnWidth); }

void Worksheet::setColumnWidth(int first, int last, double width)
{
    if (!std::isfinite(width) || width < 0 || width > kMaxColumnWidth)
        throw SpreadsheetError(
            QStringLiteral("Column width %1 is out of range (0 to %2)").arg(width).arg(kMaxColumnWidth));
    for (int c = first; c <= last; ++c)
        columns_[c].width = width;
}

double Worksheet::rowHeight(int row) const
{
    const RowStore* r = cells_.row(row);
    return r && r->height ? *r->height : kDefaultRowHeight;
}

bool Worksheet::hasCustomHeight(int row) const
{
    const RowStore* r = cells_.row(row);
    return r && r->height;
}

void Worksheet::setRowHeight(int first, int last, double points)
{
    if (!std::isfinite(points) || points < 0 || points > kMaxRowHeight)
        throw SpreadsheetError(
            QStringLiteral("Row height %1 is out of range (0 to %2 points)").arg(points).arg(kMaxRowHeight));
    for (int r = first; r <= last; ++r)
        cells_.obtainRow(r).height = points;
}

// Merging keeps the top-left value and drops the others, as a spreadsheet
// does once it is told not to ask.
void Worksheet::merge(const CellRect& rect)
{
    if (rect.isCell())
        return;
    merges_.add(rect);
    ++generation_;
    cells_.forEach(rect, [&](int row, Cell& cell) {
        if (row != rect.top || cell.col != rect.left) {
            cell.value = {};
            cell.formula.reset();
        }
    });
}

void Worksheet::select(const CellRect& rect)
{
    CellRect area = rect;
    for (bool grown = true; grown;) {
        grown = false;
        for (const CellRect& m : merges_.intersecting(area)) {
            if (!area.contains(m)) {
                area = area.united(m);
                grown = true;
            }
        }
    }
    selection_ = area;
    active_ = {area.top, area.left};
}

CellRect Worksheet::usedRange() const
{
    std::optional<CellRect> box = cells_.bounds();
    if (const std::optional<CellRect> merged = merges_.bounds())
        box = box ? box->united(*merged) : *merged;
    return box.value_or(CellRect::at(0, 0));
}

}  // namespace jubilo::spreadsheet
