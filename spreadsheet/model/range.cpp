#include "spreadsheet/model/range.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/model/xl_codes.h"

namespace jubilo::spreadsheet {

namespace {

constexpr qint64 kMaxCellsPerWrite = 1'000'000;
constexpr int kMaxIndent = 15;

}  // namespace

Range::Range(const std::shared_ptr<Worksheet>& sheet, const CellRect& rect, RangeKind kind)
    : sheet_(sheet)
    , rect_(rect)
    , kind_(kind)
{
}

Range Range::cell(const std::shared_ptr<Worksheet>& sheet, int row, int column)
{
    if (row < 1 || row > kRowCount || column < 1 || column > kColumnCount)
        throw SpreadsheetError(QStringLiteral("Cells(%1, %2) is off the sheet (rows 1 to %3, columns 1 to %4)")
                                   .arg(row)
                                   .arg(column)
                                   .arg(kRowCount)
                                   .arg(kColumnCount));
    return {sheet, CellRect::at(row - 1, column - 1)};
}

Range Range::spanning(const std::shared_ptr<Worksheet>& sheet, const Range& cell1, const Range& cell2)
{
    for (const Range* corner : {&cell1, &cell2}) {
        if (corner->worksheet() != sheet)
            throw SpreadsheetError(QStringLiteral("Cannot make a range of %1 on the sheet \"%2\": it lies on \"%3\"")
                                       .arg(corner->address(), sheet->name(), corner->worksheet()->name()));
    }
    return {sheet, cell1.rect().united(cell2.rect())};
}

std::shared_ptr<Worksheet> Range::worksheet() const
{
    auto sheet = sheet_.lock();
    if (!sheet || !sheet->isAttached())
        throw SpreadsheetError(
            QStringLiteral("The range %1 belongs to a sheet that no longer exists").arg(absoluteAddress(rect_)));
    return sheet;
}

QString Range::address() const { return absoluteAddress(rect_); }

void Range::select() const
{
    auto sheet = worksheet();
    if (sheet->workbook().activeSheet() != sheet)
        throw SpreadsheetError(
            QStringLiteral("Cannot select %1: its sheet \"%2\" is not the active sheet").arg(address(), sheet->name()));
    sheet->select(rect_);
}

void Range::merge() const { worksheet()->merge(rect_); }
void Range::clear() const { worksheet()->clear(rect_); }

void Range::setFormulaR1C1(const QString& text) const
{
    auto sheet = worksheet();
    if (rect_.area() > kMaxCellsPerWrite)
        throw SpreadsheetError(QStringLiteral("The range %1 is too large to fill cell by cell").arg(address()));
    for (int r = rect_.top; r <= rect_.bottom; ++r)
        for (int c = rect_.left; c <= rect_.right; ++c)
            sheet->setFormulaR1C1(r, c, text);
}

QString Range::formulaR1C1() const { return worksheet()->formulaR1C1(rect_.top, rect_.left); }
Value Range::value() const { return worksheet()->value(rect_.top, rect_.left); }
QString Range::text() const { return worksheet()->text(rect_.top, rect_.left); }

RangeFont Range::font() const { return RangeFont(*this); }
RangeInterior Range::interior() const { return RangeInterior(*this); }
RangeBorder Range::borders(int index) const { return RangeBorder(*this, index); }

void Range::setHorizontalAlignment(int xl) const
{
    const HAlign a = horizontalFromXl(xl);
    worksheet()->editFormat(
        rect_, [a](CellFormat& f, const Edges&) { f.hAlign = a; }, false, setterKey(FormatSetter::HAlign, quint32(a)));
}

int Range::horizontalAlignment() const
{
    return horizontalToXl(worksheet()->effectiveFormat(rect_.top, rect_.left).hAlign);
}

void Range::setVerticalAlignment(int xl) const
{
    const VAlign a = verticalFromXl(xl);
    worksheet()->editFormat(
        rect_, [a](CellFormat& f, const Edges&) { f.vAlign = a; }, false, setterKey(FormatSetter::VAlign, quint32(a)));
}

int Range::verticalAlignment() const
{
    return verticalToXl(worksheet()->effectiveFormat(rect_.top, rect_.left).vAlign);
}

void Range::setIndentLevel(int level) const
{
    if (level < 0 || level > kMaxIndent)
        throw SpreadsheetError(QStringLiteral("Indent level %1 is out of range (0 to 15)").arg(level));
    worksheet()->editFormat(
        rect_, [level](CellFormat& f, const Edges&) { f.indent = quint8(level); }, false,
        setterKey(FormatSetter::Indent, quint32(level)));
}

int Range::indentLevel() const { return worksheet()->effectiveFormat(rect_.top, rect_.left).indent; }

void Range::setWrapText(bool wrap) const
{
    worksheet()->editFormat(
        rect_, [wrap](CellFormat& f, const Edges&) { f.wrap = wrap; }, false, setterKey(FormatSetter::Wrap, wrap));
}

bool Range::wrapText() const { return worksheet()->effectiveFormat(rect_.top, rect_.left).wrap; }

void Range::setNumberFormat(const QString& code) const
{
    auto sheet = worksheet();
    const quint16 index
        = sheet->workbook().formats().internNumberFormat(code.isEmpty() ? QStringLiteral("General") : code);
    sheet->editFormat(
        rect_, [index](CellFormat& f, const Edges&) { f.numberFormat = index; }, false,
        setterKey(FormatSetter::NumberFormat, index));
}

QString Range::numberFormat() const
{
    auto sheet = worksheet();
    return sheet->workbook().formats().numberFormat(sheet->effectiveFormat(rect_.top, rect_.left).numberFormat);
}

void Range::setColumnWidth(double width) const { worksheet()->setColumnWidth(rect_.left, rect_.right, width); }
double Range::columnWidth() const { return worksheet()->columnWidth(rect_.left); }
void Range::setRowHeight(double points) const { worksheet()->setRowHeight(rect_.top, rect_.bottom, points); }
double Range::rowHeight() const { return worksheet()->rowHeight(rect_.top); }

int Range::count() const
{
    switch (kind_) {
    case RangeKind::Rows:
        return rect_.rowCount();
    case RangeKind::Columns:
        return rect_.columnCount();
    default:
        return int(rect_.area());
    }
}

Range Range::item(int index) const
{
    auto sheet = worksheet();
    if (index < 1 || index > count())
        throw SpreadsheetError(
            QStringLiteral("Item %1 is outside %2 (count %3)").arg(index).arg(address()).arg(count()));
    const int i = index - 1;
    switch (kind_) {
    case RangeKind::Rows:
        return {sheet, {rect_.top + i, rect_.left, rect_.top + i, rect_.right}};
    case RangeKind::Columns:
        return {sheet, {rect_.top, rect_.left + i, rect_.bottom, rect_.left + i}};
    default: {
        const int r = rect_.top + i / rect_.columnCount(), c = rect_.left + i % rect_.columnCount();
        return {sheet, CellRect::at(r, c)};
    }
    }
}

}  // namespace jubilo::spreadsheet
