#pragma once
// Sheets built through the engine's object model, styled the way the report
// styles the plan sheet; engine tests and benchmarks share them.

#include "spreadsheet/core/address.h"
#include "spreadsheet/model/application.h"
#include "spreadsheet/model/range_style.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/model/xl_codes.h"

namespace jubilo::spreadsheet::testing {

inline constexpr double kPlanColumnWidths[] = {2.43, 19.14, 17.57, 7.29, 13.86, 27.86};  // A to F

inline std::shared_ptr<Application> englishApplication()
{
    return Application::create(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Writes the text into the range's top-left cell and merges the range.
inline Range putMerged(const Range& r, const QString& text)
{
    Range(r.worksheet(), CellRect::at(r.rect().top, r.rect().left)).setFormulaR1C1(text);
    r.merge();
    return r;
}

// Ranges of one sheet by A1 address.
struct SheetRanges {
    std::shared_ptr<Worksheet> sheet;

    Range operator()(const QString& a1) const { return {sheet, parseA1Range(a1)}; }
    Range columns(const QString& a1) const { return {sheet, parseColumns(a1), RangeKind::Columns}; }
    Range rows(const QString& a1) const { return {sheet, parseRows(a1), RangeKind::Rows}; }
    Range put(const QString& a1, const QString& text) const { return putMerged((*this)(a1), text); }
};

// The outline and the inside verticals continuous, the inside ones in a colour.
inline void frame(const Range& r, int insideColor)
{
    for (int edge : {xl::kEdgeLeft, xl::kEdgeTop, xl::kEdgeBottom, xl::kEdgeRight, xl::kInsideVertical})
        r.borders(edge).setLineStyle(xl::kContinuous);
    r.borders(xl::kInsideVertical).setColorIndex(insideColor);
}

inline void setFontLook(const Range& r, double size, int color, bool bold)
{
    r.font().setSize(size);
    r.font().setColorIndex(color);
    r.font().setBold(bold);
}

// Green 13, cream 19, pale green 35, greys 39 and 48, brown 53.
inline void setPlanPalette(Workbook& book)
{
    const auto bgr = [](int r, int g, int b) { return quint32(r) | quint32(g) << 8 | quint32(b) << 16; };
    book.setColor(13, bgr(129, 164, 120));
    book.setColor(19, bgr(254, 248, 232));
    book.setColor(35, bgr(219, 235, 203));
    book.setColor(39, bgr(234, 234, 234));
    book.setColor(48, bgr(207, 207, 207));
    book.setColor(53, bgr(153, 51, 0));
}

// The palette; Century Gothic 9, wrapped and centred, on white everywhere;
// the plan's widths and the heights of rows 1 and 2.
inline void stylePlanSheet(const SheetRanges& s)
{
    setPlanPalette(s.sheet->workbook());
    const Range all(s.sheet, CellRect::sheet());
    all.font().setName(QStringLiteral("Century Gothic"));
    all.font().setSize(9);
    all.setVerticalAlignment(xl::kCenter);
    all.setWrapText(true);
    all.interior().setColorIndex(2);
    for (int c = 0; c < 6; ++c)
        s.columns(columnName(c)).setColumnWidth(kPlanColumnWidths[c]);
    s.rows(QStringLiteral("1:1")).setRowHeight(4.5);
    s.rows(QStringLiteral("2:2")).setRowHeight(42.75);
}

// A framed block from row t (1-based): a title bar, n striped rows (item,
// C:D detail, Yes/No, an amount in money format) and a SUM total. Gives the
// row after it.
inline int addPlanBlock(const SheetRanges& s, int t, const QString& block, int n = 3)
{
    s.rows(QString::number(t)).setRowHeight(20);
    s(QStringLiteral("B%1:F%1").arg(t)).interior().setColorIndex(13);
    setFontLook(s.put(QStringLiteral("B%1").arg(t), block), 10, 35, true);
    setFontLook(s.put(QStringLiteral("C%1:D%1").arg(t), QStringLiteral("Format")), 9, 35, true);
    setFontLook(s.put(QStringLiteral("E%1").arg(t), QStringLiteral("Purchased?")), 9, 35, true);
    setFontLook(s.put(QStringLiteral("F%1").arg(t), QStringLiteral("Budget: $250")), 9, 35, true);
    frame(s(QStringLiteral("B%1:F%2").arg(t).arg(t + n + 1)), 48);
    for (int i = 1; i <= n; ++i) {
        const int r = t + i;
        s(QStringLiteral("B%1:F%1").arg(r)).interior().setColorIndex(i % 2 ? 19 : 2);
        s.rows(QString::number(r)).setRowHeight(14.25);
        s.put(QStringLiteral("B%1").arg(r), QStringLiteral("%1 item %2").arg(block).arg(i)).setIndentLevel(1);
        s.put(QStringLiteral("C%1:D%1").arg(r), QStringLiteral("detail %1").arg(i)).setIndentLevel(1);
        s.put(QStringLiteral("E%1").arg(r), i % 2 ? QStringLiteral("Yes") : QStringLiteral("No")).setIndentLevel(1);
        Range amount = s.put(QStringLiteral("F%1").arg(r), QString::number(i * 12.5 + t, 'f', 2));
        amount.setHorizontalAlignment(xl::kLeft);
        amount.setIndentLevel(1);
        amount.setNumberFormat(QStringLiteral("$#,##0.00"));
    }
    const int total = t + n + 1;
    s(QStringLiteral("B%1:F%1").arg(total)).interior().setColorIndex(35);
    Range label = s.put(QStringLiteral("B%1:E%1").arg(total), QStringLiteral("Total:"));
    setFontLook(label, 9, 53, true);
    label.setHorizontalAlignment(xl::kRight);
    s(QStringLiteral("F%1").arg(total)).interior().setColorIndex(39);
    Range sum = s.put(QStringLiteral("F%1").arg(total), QStringLiteral("=SUM(R[-%1]C:R[-1]C)").arg(n));
    sum.setHorizontalAlignment(xl::kLeft);
    sum.setIndentLevel(1);
    sum.setNumberFormat(QStringLiteral("$#,##0.00"));
    setFontLook(sum, 9, 53, true);
    return total + 1;
}

}  // namespace jubilo::spreadsheet::testing
