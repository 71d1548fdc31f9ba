// PDF files of sheets, read back with poppler's tools: a plan-like sheet is
// one A4 page whose text reads in order with its fonts embedded and no
// bitmaps; a print area too big for a page splits down, then over; a tall
// area fitted to one page keeps every row's text; lines the layout makes
// print too.

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/picture/page_pdf.h"
#include "tests/support/engine_workbook.h"
#include "tests/support/pdf_readers.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

using jubilo::testing::fontEmbedded;
using jubilo::testing::inOrder;
using jubilo::testing::pdfFonts;
using jubilo::testing::pdfImages;
using jubilo::testing::pdfInfo;
using jubilo::testing::pdfText;
using spreadsheet::testing::addPlanBlock;
using spreadsheet::testing::SheetRanges;

class PagePdfTest : public spreadsheet::testing::EngineWorkbookTest {
protected:
    void SetUp() override
    {
        if (!jubilo::testing::popplerInstalled())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdffonts, pdfimages) is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    QString written()
    {
        const QString path = dir_.filePath(QStringLiteral("sheet.pdf"));
        QFile file(path);
        writeSheetPdf(*sheet, file);
        file.close();
        return path;
    }

    void fillRows(int n, const QString& label, int farColumn = 0)
    {
        for (int r = 0; r < n; ++r) {
            sheet->setFormulaR1C1(r, 0, QStringLiteral("%1 %2").arg(label).arg(r + 1));
            if (farColumn > 0)
                sheet->setFormulaR1C1(r, farColumn, QStringLiteral("Far %1").arg(r + 1));
        }
    }

    QTemporaryDir dir_;
};

TEST_F(PagePdfTest, PlanSheetIsOneA4PageOfTextInReadingOrder)
{
    const SheetRanges s{sheet};
    spreadsheet::testing::stylePlanSheet(s);
    spreadsheet::testing::setFontLook(s.put(QStringLiteral("B2:F2"), QStringLiteral("Holiday Party Plans")), 20, 53,
                                      true);
    int row = addPlanBlock(s, 4, QStringLiteral("Food"));
    row = addPlanBlock(s, row + 1, QStringLiteral("Drinks"));
    addPlanBlock(s, row + 1, QStringLiteral("Decorations"));
    sheet->pageSetup().setPaperSize(xl::kPaperA4);
    sheet->pageSetup().setPrintArea(QStringLiteral("B2:F%1").arg(row + 5));

    const QString pdf = written();
    EXPECT_EQ(pdfInfo(pdf, "Pages"), QStringLiteral("1"));
    EXPECT_EQ(pdfInfo(pdf, "Page size"), QStringLiteral("595 x 842 pts (A4)"));
    const QString text = pdfText(pdf, 1, 1);
    EXPECT_TRUE(inOrder(text,
                        {QStringLiteral("Holiday Party Plans"), QStringLiteral("Food"), QStringLiteral("Purchased?"),
                         QStringLiteral("Food item 1"), QStringLiteral("$16.50"), QStringLiteral("Total:"),
                         QStringLiteral("$87.00"), QStringLiteral("Drinks"), QStringLiteral("Total:"),
                         QStringLiteral("Decorations"), QStringLiteral("Total:")}))
        << text.toStdString();

    const QStringList fonts = pdfFonts(pdf);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(fontEmbedded(font)) << "not embedded: " << font.toStdString();
    EXPECT_EQ(pdfImages(pdf), QStringList());
}

TEST_F(PagePdfTest, PrintAreaSplitsIntoPagesDownThenOver)
{
    fillRows(200, QStringLiteral("Row"), 13);
    sheet->pageSetup().setPaperSize(xl::kPaperA4);
    sheet->pageSetup().setPrintArea(QStringLiteral("A1:N120"));
    const QString pdf = written();
    EXPECT_EQ(pdfInfo(pdf, "Pages"), QStringLiteral("6"));  // 57 rows and 10 columns a page

    const QString first = pdfText(pdf, 1, 1);
    EXPECT_TRUE(inOrder(first, {QStringLiteral("Row 1\n"), QStringLiteral("Row 2\n"), QStringLiteral("Row 57")}));
    EXPECT_FALSE(first.contains(QStringLiteral("Row 58")));
    EXPECT_FALSE(first.contains(QStringLiteral("Far")));
    const QString second = pdfText(pdf, 2, 2);
    EXPECT_TRUE(inOrder(second, {QStringLiteral("Row 58"), QStringLiteral("Row 114")}));
    EXPECT_FALSE(second.contains(QStringLiteral("Row 57")));
    EXPECT_FALSE(pdfText(pdf, 3, 3).contains(QStringLiteral("Row 121")));
    const QString fourth = pdfText(pdf, 4, 4);
    EXPECT_TRUE(inOrder(fourth, {QStringLiteral("Far 1\n"), QStringLiteral("Far 57")}));
    EXPECT_FALSE(fourth.contains(QStringLiteral("Row")));
}

TEST_F(PagePdfTest, TallAreaFittedToOnePageKeepsEveryRow)
{
    fillRows(300, QStringLiteral("Line"));
    sheet->pageSetup().setPaperSize(xl::kPaperA4);
    sheet->pageSetup().setZoom(std::nullopt);
    const QString pdf = written();
    EXPECT_EQ(pdfInfo(pdf, "Pages"), QStringLiteral("1"));
    const QString text = pdfText(pdf, 1, 1);
    for (int r = 1; r <= 300; ++r)
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\bLine %1\\b").arg(r)))) << r;
}

// Lines the layout makes rather than the cell's own text (wrapped lines,
// a fill's repeats, a number too wide) print as well as repeated texts.
TEST_F(PagePdfTest, WrappedFilledAndTooWideCellsPrintTheLinesTheyShow)
{
    const SheetRanges s{sheet};
    s.columns(QStringLiteral("A:A")).setColumnWidth(12);
    s(QStringLiteral("A1")).setWrapText(true);
    sheet->setFormulaR1C1(0, 0, QStringLiteral("Wrapped words keep going past the edge"));
    sheet->setFormulaR1C1(1, 0, QStringLiteral("ab"));
    s(QStringLiteral("A2")).setHorizontalAlignment(xl::kFill);
    sheet->setFormulaR1C1(2, 0, QStringLiteral("1234567890123"));
    s(QStringLiteral("A3")).setNumberFormat(QStringLiteral("#,##0.00"));
    for (int r = 3; r < 6; ++r)
        sheet->setFormulaR1C1(r, 0, QStringLiteral("Again"));
    const QString pdf = written();
    const QString text = pdfText(pdf, 1, 1);
    EXPECT_TRUE(inOrder(text,
                        {QStringLiteral("Wrapped"), QStringLiteral("going"), QStringLiteral("edge"),
                         QStringLiteral("ababab"), QStringLiteral("######")}))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("890")));
    EXPECT_EQ(text.count(QStringLiteral("Again")), 3) << text.toStdString();
}

TEST(PagePdfDeviceTest, UnwritableDeviceThrows)
{
    const auto app = spreadsheet::testing::englishApplication();
    app->addWorkbook();
    app->activeSheet()->setFormulaR1C1(0, 0, QStringLiteral("x"));
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_THROW(writeSheetPdf(*app->activeSheet(), buffer), SpreadsheetError);
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
