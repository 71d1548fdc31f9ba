// PDF files of sheets, read back with poppler's tools: a plan-like sheet is
// one A4 page whose text reads in order with its fonts embedded and no
// bitmaps; a print area too big for a page splits down, then over; a tall
// area fitted to one page keeps every row's text.

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/picture/page_pdf.h"
#include "tests/support/engine_workbook.h"
#include "tests/support/external_tools.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

using jubilo::testing::runProcess;
using spreadsheet::testing::addPlanBlock;
using spreadsheet::testing::SheetRanges;

class PagePdfTest : public spreadsheet::testing::EngineWorkbookTest {
protected:
    void SetUp() override
    {
        if (!runProcess(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}).started)
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdffonts, pdfimages) is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    QString written(const PageOptions& options = {})
    {
        const QString path = dir_.filePath(QStringLiteral("sheet.pdf"));
        QFile file(path);
        writeSheetPdf(*sheet, file, options);
        file.close();
        return path;
    }

    static QString tool(const QString& program, QStringList arguments)
    {
        const auto result = runProcess(program, arguments, 60'000);
        EXPECT_TRUE(result.succeeded()) << program.toStdString() << ": " << result.output.toStdString();
        return result.output;
    }
    static QString pageText(const QString& path, int page)
    {
        const QString n = QString::number(page);
        return tool(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, path, QStringLiteral("-")});
    }
    static QString info(const QString& path, const char* field)
    {
        const auto m = QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(QLatin1String(field)),
                                          QRegularExpression::MultilineOption)
                           .match(tool(QStringLiteral("pdfinfo"), {path}));
        return m.captured(1).trimmed();
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

// Where each string first appears after the previous one; -1 when missing.
bool inOrder(const QString& text, const QStringList& strings)
{
    qsizetype at = 0;
    for (const QString& s : strings) {
        at = text.indexOf(s, at);
        if (at < 0) {
            ADD_FAILURE() << "missing or out of order: " << s.toStdString();
            return false;
        }
    }
    return true;
}

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
    EXPECT_EQ(info(pdf, "Pages"), QStringLiteral("1"));
    EXPECT_EQ(info(pdf, "Page size"), QStringLiteral("595 x 842 pts (A4)"));
    const QString text = pageText(pdf, 1);
    EXPECT_TRUE(inOrder(text,
                        {QStringLiteral("Holiday Party Plans"), QStringLiteral("Food"), QStringLiteral("Purchased?"),
                         QStringLiteral("Food item 1"), QStringLiteral("$16.50"), QStringLiteral("Total:"),
                         QStringLiteral("$87.00"), QStringLiteral("Drinks"), QStringLiteral("Total:"),
                         QStringLiteral("Decorations"), QStringLiteral("Total:")}))
        << text.toStdString();

    const QStringList fonts = tool(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(
            font.contains(QRegularExpression(QStringLiteral("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"))))
            << "not embedded: " << font.toStdString();
    const QStringList images
        = tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << "header lines only: " << images.join(u'\n').toStdString();
}

TEST_F(PagePdfTest, PrintAreaSplitsIntoPagesDownThenOver)
{
    fillRows(200, QStringLiteral("Row"), 13);
    sheet->pageSetup().setPaperSize(xl::kPaperA4);
    sheet->pageSetup().setPrintArea(QStringLiteral("A1:N120"));
    const QString pdf = written();
    EXPECT_EQ(info(pdf, "Pages"), QStringLiteral("6"));  // 57 rows and 10 columns a page

    const QString first = pageText(pdf, 1);
    EXPECT_TRUE(inOrder(first, {QStringLiteral("Row 1\n"), QStringLiteral("Row 2\n"), QStringLiteral("Row 57")}));
    EXPECT_FALSE(first.contains(QStringLiteral("Row 58")));
    EXPECT_FALSE(first.contains(QStringLiteral("Far")));
    const QString second = pageText(pdf, 2);
    EXPECT_TRUE(inOrder(second, {QStringLiteral("Row 58"), QStringLiteral("Row 114")}));
    EXPECT_FALSE(second.contains(QStringLiteral("Row 57")));
    EXPECT_FALSE(pageText(pdf, 3).contains(QStringLiteral("Row 121")));
    const QString fourth = pageText(pdf, 4);
    EXPECT_TRUE(inOrder(fourth, {QStringLiteral("Far 1\n"), QStringLiteral("Far 57")}));
    EXPECT_FALSE(fourth.contains(QStringLiteral("Row")));
}

TEST_F(PagePdfTest, TallAreaFittedToOnePageKeepsEveryRow)
{
    fillRows(300, QStringLiteral("Line"));
    sheet->pageSetup().setPaperSize(xl::kPaperA4);
    sheet->pageSetup().setZoom(std::nullopt);
    const QString pdf = written();
    EXPECT_EQ(info(pdf, "Pages"), QStringLiteral("1"));
    const QString text = pageText(pdf, 1);
    for (int r = 1; r <= 300; ++r)
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\bLine %1\\b").arg(r)))) << r;
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
