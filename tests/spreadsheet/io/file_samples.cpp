#include "file_samples.h"

#include "tests/support/engine_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace jubilo::spreadsheet::testing {

namespace {

// Page setup values away from their defaults.
void setOddPageSetup(PageSetup& page)
{
    page.setOrientation(xl::kLandscape);
    page.setPaperSize(xl::kPaperLetter);
    page.setZoom(85);
    page.setLeftMargin(10);
    page.setRightMargin(20.5);
    page.setTopMargin(30);
    page.setBottomMargin(40);
    page.setHeaderMargin(5);
    page.setFooterMargin(7.2);
    page.setPrintComments(xl::kPrintSheetEnd);
    page.setCenterHorizontally(true);
    page.setOrder(xl::kOverThenDown);
    page.setHeader(QStringLiteral("&L&\"Arial,Bold\"Ünïcödé ✓&C&A&RPage &P of &N"));
    page.setFooter(QStringLiteral("&L&F&C&D &T\nsecond line &&&R") + QString(200, u'z'));
}

}  // namespace

void buildOddValues(Worksheet& ws, bool corners)
{
    const SheetRanges s{ws.shared_from_this()};
    s("A1").setFormulaR1C1(QString(32767, QChar(u'é')));
    s("A2").setFormulaR1C1(QStringLiteral("Καλημέρα, мир, 你好, مرحبا, שלום"));
    s("A3").setFormulaR1C1(QStringLiteral("Party 🎉🥳 time 𝄞"));
    s("A4").setFormulaR1C1(QStringLiteral("TRUE"));
    s("A5").setFormulaR1C1(QStringLiteral("#N/A"));
    s("A6").setFormulaR1C1(QStringLiteral("'00123"));
    s("A7").setFormulaR1C1(QStringLiteral("FALSE"));
    s("B1").setFormulaR1C1(QStringLiteral("=1/0"));
    s("B2").setFormulaR1C1(QStringLiteral("=R[0]C[-1]"));
    s("B3").setFormulaR1C1(QStringLiteral("=LEN(RC[-1])>0"));
    s("B4").setFormulaR1C1(QStringLiteral("=SUM(R1C3:R3C3)*2"));
    s("B5").setFormulaR1C1(QStringLiteral("=IF(RC[-1],\"yes\",\"no\")"));
    s("B6").setFormulaR1C1(QStringLiteral("=CONCATENATE(LEFT(R2C1,8),\"!\")"));
    s("B7").setFormulaR1C1(QStringLiteral("=ROUND(PI()*R3C3,3)"));
    s("C1").setFormulaR1C1(QStringLiteral("1.5"));
    s("C2").setFormulaR1C1(QStringLiteral("-2"));
    s("C3").setFormulaR1C1(QStringLiteral("12345678901"));
    s("C4").setFormulaR1C1(QStringLiteral("0.1"));

    // Blanks that carry a format only.
    s("D2:D5").interior().setColorIndex(6);
    frame(s("D2:D5"), 10);
    s("D2:D5").borders(xl::kEdgeBottom).setLineStyle(xl::kDouble);

    // Alignment and number formats.
    s("E1").setFormulaR1C1(QStringLiteral("centred"));
    s("E1").setHorizontalAlignment(xl::kCenter);
    s("E1").setVerticalAlignment(xl::kTop);
    s("E2").setFormulaR1C1(QStringLiteral("indented far"));
    s("E2").setIndentLevel(15);
    s("E2").setHorizontalAlignment(xl::kLeft);
    s("E3").setFormulaR1C1(QStringLiteral("1234.5"));
    s("E3").setNumberFormat(QStringLiteral("#,##0.00"));
    s("E4").setFormulaR1C1(QStringLiteral("-3.25"));
    s("E4").setNumberFormat(QStringLiteral("[Red]0.00;(0.00)"));
    s("E5").setFormulaR1C1(QStringLiteral("0.000123"));
    s("E5").setNumberFormat(QStringLiteral("0.00E+00"));
    s("E6").setFormulaR1C1(QStringLiteral("justified text that wraps"));
    s("E6").setHorizontalAlignment(xl::kJustify);
    s("E6").setWrapText(true);
    s("E6").font().setColorIndex(3);
    s("E6").font().setSize(13.5);

    // A row format, a column format and a cell crossing both.
    s.rows(QStringLiteral("8:8")).font().setBold(true);
    s.rows(QStringLiteral("8:8")).setRowHeight(30);
    s.columns(QStringLiteral("F:F")).setNumberFormat(QStringLiteral("0.00%"));
    s.columns(QStringLiteral("F:F")).setColumnWidth(100.57);
    s("F3").setFormulaR1C1(QStringLiteral("0.25"));
    s("F8").setFormulaR1C1(QStringLiteral("0.5"));
    s.columns(QStringLiteral("H:H")).setColumnWidth(0);
    s.rows(QStringLiteral("9:9")).setRowHeight(0);

    if (corners) {
        s("IV1").setFormulaR1C1(QStringLiteral("1"));
        s("A65536").setFormulaR1C1(QStringLiteral("2"));
        s("IV65536").setFormulaR1C1(QStringLiteral("last"));
        s("IU65535:IV65536").merge();
    }

    s.put(QStringLiteral("A20:C22"), QStringLiteral("merged block"));
    ws.select(parseA1Range(QStringLiteral("B4:C6")));

    setOddPageSetup(ws.pageSetup());
}

namespace {

void buildManyStringsAndMerges(Worksheet& ws)
{
    const SheetRanges s{ws.shared_from_this()};
    for (int r = 1; r <= 5000; ++r)
        s(QStringLiteral("A%1").arg(r))
            .setFormulaR1C1(QStringLiteral("string number %1, ünïcödé %2").arg(r).arg(r * 7));
    for (int r = 1; r <= 1100; ++r)
        s(QStringLiteral("B%1:C%1").arg(r)).merge();
    s("D1:E3000").setFormulaR1C1(QStringLiteral("=RC1"));
}

struct Look {
    Font font;
    QString code;
    CellFormat rest;
    bool operator==(const Look&) const = default;
};

Look look(const Workbook& book, quint32 xf)
{
    const CellFormat& f = book.formats().format(xf);
    Look l{book.formats().font(f.font), book.formats().numberFormat(f.numberFormat), f};
    l.rest.font = 0;
    l.rest.numberFormat = 0;
    return l;
}

std::string where(const Worksheet& sheet, int row, int col)
{
    return sheet.name().toStdString() + "!" + columnName(col).toStdString() + std::to_string(row + 1);
}

std::vector<CellPos> cellPositions(const Worksheet& sheet)
{
    std::vector<CellPos> out;
    sheet.cells().forEach(CellRect::sheet(), [&](int r, const Cell& c) { out.push_back({r, c.col}); });
    return out;
}

void expectSameSheet(Worksheet& a, Worksheet& b)
{
    const Workbook& ba = a.workbook();
    const Workbook& bb = b.workbook();
    EXPECT_EQ(a.name(), b.name());

    const std::vector<CellPos> cells = cellPositions(a);
    EXPECT_EQ(cells.size(), cellPositions(b).size()) << a.name().toStdString();
    for (const CellPos& p : cells) {
        const std::string at = where(a, p.row, p.col);
        ASSERT_NE(b.cells().find(p.row, p.col), nullptr) << at;
        EXPECT_EQ(a.formulaR1C1(p.row, p.col), b.formulaR1C1(p.row, p.col)) << at;
        EXPECT_EQ(a.value(p.row, p.col), b.value(p.row, p.col)) << at;
        EXPECT_TRUE(look(ba, a.effectiveXf(p.row, p.col)) == look(bb, b.effectiveXf(p.row, p.col))) << at;
    }

    EXPECT_TRUE(look(ba, a.sheetXf()) == look(bb, b.sheetXf())) << "sheet format of " << a.name().toStdString();
    for (int c = 0; c < kColumnCount; ++c) {
        const std::string col = a.name().toStdString() + " column " + columnName(c).toStdString();
        EXPECT_TRUE(look(ba, a.column(c).xf.value_or(a.sheetXf())) == look(bb, b.column(c).xf.value_or(b.sheetXf())))
            << col;
        EXPECT_EQ(a.column(c).width.has_value(), b.column(c).width.has_value()) << col;
        EXPECT_EQ(QString::number(a.columnWidth(c), 'f', 2), QString::number(b.columnWidth(c), 'f', 2)) << col;
    }
    std::set<int> storedRows;
    for (const Worksheet* s : {&a, &b})
        s->cells().forEachRow(0, kLastRow, [&](int r, const RowStore&) { storedRows.insert(r); });
    for (int r : storedRows) {
        const std::string row = a.name().toStdString() + " row " + std::to_string(r + 1);
        EXPECT_EQ(a.rowHeight(r), b.rowHeight(r)) << row;
        EXPECT_EQ(a.hasCustomHeight(r), b.hasCustomHeight(r)) << row;
        const RowStore* ra = a.cells().row(r);
        const RowStore* rb = b.cells().row(r);
        const auto rowXf = [](const RowStore* rs) { return rs ? rs->xf : std::nullopt; };
        ASSERT_EQ(rowXf(ra).has_value(), rowXf(rb).has_value()) << row;
        if (rowXf(ra)) {
            EXPECT_TRUE(look(ba, *ra->xf) == look(bb, *rb->xf)) << row;
        }
    }

    const auto sorted = [](std::vector<CellRect> v) {
        std::sort(v.begin(), v.end(), [](const CellRect& x, const CellRect& y) {
            return std::tie(x.top, x.left) < std::tie(y.top, y.left);
        });
        return v;
    };
    EXPECT_TRUE(sorted(a.merges().areas()) == sorted(b.merges().areas())) << a.name().toStdString();
    EXPECT_EQ(a.selection(), b.selection());
    EXPECT_EQ(a.activeCell(), b.activeCell());
    EXPECT_EQ(a.usedRange(), b.usedRange());

    const PageSetup& pa = a.pageSetup();
    const PageSetup& pb = b.pageSetup();
    EXPECT_EQ(pa.printArea(), pb.printArea());
    EXPECT_EQ(pa.paperSize(), pb.paperSize());
    EXPECT_EQ(pa.orientation(), pb.orientation());
    EXPECT_EQ(pa.zoom(), pb.zoom());
    EXPECT_EQ(pa.fitToPagesWide(), pb.fitToPagesWide());
    EXPECT_EQ(pa.fitToPagesTall(), pb.fitToPagesTall());
    EXPECT_EQ(pa.printComments(), pb.printComments());
    EXPECT_EQ(pa.centerHorizontally(), pb.centerHorizontally());
    EXPECT_EQ(pa.centerVertically(), pb.centerVertically());
    EXPECT_EQ(pa.order(), pb.order());
    EXPECT_EQ(pa.header(), pb.header());
    EXPECT_EQ(pa.footer(), pb.footer());
    EXPECT_NEAR(pa.leftMargin(), pb.leftMargin(), 1e-9);
    EXPECT_NEAR(pa.rightMargin(), pb.rightMargin(), 1e-9);
    EXPECT_NEAR(pa.topMargin(), pb.topMargin(), 1e-9);
    EXPECT_NEAR(pa.bottomMargin(), pb.bottomMargin(), 1e-9);
    EXPECT_NEAR(pa.headerMargin(), pb.headerMargin(), 1e-9);
    EXPECT_NEAR(pa.footerMargin(), pb.footerMargin(), 1e-9);
}

}  // namespace

void buildPlanSheet(Application& app, Worksheet& ws)
{
    const SheetRanges s{ws.shared_from_this()};
    stylePlanSheet(s);
    Range title = s.put(QStringLiteral("B2"), QStringLiteral("Holiday Party Plans"));
    setFontLook(title, 24, 53, true);
    title.font().setName(QStringLiteral("Palatino Linotype"));
    title.font().setItalic(true);
    title.setWrapText(false);
    title.setVerticalAlignment(xl::kBottom);
    Range date = s.put(QStringLiteral("E2:F2"), QStringLiteral("2021 | August 31 | 09 PM"));
    setFontLook(date, 10, 53, true);
    date.setHorizontalAlignment(xl::kRight);

    int t = 3;
    for (const char* block : {"Music", "Decorations", "Food and Drinks"})
        t = addPlanBlock(s, t, QString::fromLatin1(block));

    PageSetup& page = ws.pageSetup();
    page.setPrintArea(QStringLiteral("$B$2:$F$%1").arg(t - 1));
    for (auto set :
         {&PageSetup::setLeftMargin, &PageSetup::setRightMargin, &PageSetup::setTopMargin, &PageSetup::setBottomMargin})
        (page.*set)(app.inchesToPoints(0.5));
    page.setHeaderMargin(0);
    page.setFooterMargin(0);
    page.setPrintComments(xl::kPrintNoComments);
    page.setOrientation(xl::kPortrait);
    page.setPaperSize(xl::kPaperA4);
    page.setZoom(std::nullopt);
    page.setFitToPagesWide(1);
    page.setFitToPagesTall(1);
    ws.select(parseA1Range(QStringLiteral("C15")));
}

std::shared_ptr<Workbook> everythingWorkbook(Application& app)
{
    auto book = app.addWorkbook();
    book->renameSheet(*book->sheet(1), QStringLiteral("Holiday Party Plans"));
    book->renameSheet(*book->sheet(2), QStringLiteral("Ünïcödé ✓ values"));
    book->renameSheet(*book->sheet(3), QStringLiteral("Many"));
    buildPlanSheet(app, *book->sheet(1));
    buildOddValues(*book->sheet(2));
    buildManyStringsAndMerges(*book->sheet(3));
    book->activate(*book->sheet(2));
    return book;
}

void expectSameWorkbook(Workbook& a, Workbook& b)
{
    ASSERT_EQ(a.sheetCount(), b.sheetCount());
    EXPECT_EQ(a.palette(), b.palette());
    EXPECT_EQ(a.activeSheet()->name(), b.activeSheet()->name());
    for (int i = 1; i <= a.sheetCount(); ++i)
        expectSameSheet(*a.sheet(i), *b.sheet(i));
}

}  // namespace jubilo::spreadsheet::testing
