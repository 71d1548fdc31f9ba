// PDF files of sheets, read back with poppler's tools: a plan-like sheet is
// one A4 page whose text reads in order with its fonts embedded and no
// bitmaps; a print area too big for a page splits down, then over; a tall
// area fitted to one page keeps every row's text; lines the layout makes
// print too; headers and footers print on every page at their margins, and
// LibreOffice reads them from the .xls file the engine writes.

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/picture/page_pdf.h"
#include "tests/support/engine_workbook.h"
#include "tests/support/pdf_readers.h"

#include "tests/support/external_tools.h"

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

const QDateTime kPrintedAt(QDate(2026, 12, 8), QTime(9, 30));

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
        writeSheetPdf(*sheet, file, kPrintedAt);
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

// A word on a page and its box, points from the page's top left.
struct Word {
    QString text;
    QRectF box;
};

// The words of a page with their boxes, as pdftotext -bbox gives them.
std::vector<Word> pdfWords(const QString& path, int page)
{
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const QString html
        = jubilo::testing::pdfTool(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                    QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    std::vector<Word> words;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto w = m.next();
        words.push_back({w.captured(5),
                         QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
    }
    return words;
}

// The box of the rightmost word `text` inside `zone`; an empty box, and a
// failure, when none.
QRectF wordBox(const std::vector<Word>& words, const QString& text, const QRectF& zone)
{
    QRectF found;
    for (const Word& w : words)
        if (w.text == text && zone.contains(w.box) && (found.isNull() || w.box.right() > found.right()))
            found = w.box;
    if (found.isNull())
        ADD_FAILURE() << "no word " << text.toStdString();
    return found;
}

// The non-empty lines of pdftotext -layout's text.
QStringList textLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
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
    fillRows(110, QStringLiteral("Line"));
    sheet->pageSetup().setPaperSize(xl::kPaperA4);
    sheet->pageSetup().setZoom(std::nullopt);
    QString pdf = written();
    EXPECT_EQ(pdfInfo(pdf, "Pages"), QStringLiteral("1"));
    const QString text = pdfText(pdf, 1, 1);
    for (int r = 1; r <= 110; ++r)
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\bLine %1\\b").arg(r)))) << r;

    // One page would take 19%: the rows run over six pages of 10-point text.
    fillRows(300, QStringLiteral("Line"));
    pdf = written();
    EXPECT_EQ(pdfInfo(pdf, "Pages"), QStringLiteral("6"));
    const QString all = pdfText(pdf);
    for (int r = 1; r <= 300; ++r)
        EXPECT_EQ(all.count(QRegularExpression(QStringLiteral("\\bLine %1\\b").arg(r))), 1) << r;
    const QRectF line = wordBox(pdfWords(pdf, 6), QStringLiteral("Line"), QRectF(0, 0, 595, 842));
    EXPECT_GT(line.height(), 8) << line.height();
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

// Three pages of 57, 57 and 36 rows on A4 with the default margins.
class PageHeaderPdfTest : public PagePdfTest {
protected:
    void SetUp() override
    {
        PagePdfTest::SetUp();
        fillRows(150, QStringLiteral("Row"));
        sheet->setName(QStringLiteral("Budget"));
        PageSetup& page = sheet->pageSetup();
        page.setPaperSize(xl::kPaperA4);
        page.setPrintArea(QStringLiteral("A1:A150"));
        page.setHeader(QStringLiteral("&LPlans&C&A&RPage &P of &N"));
        page.setFooter(QStringLiteral("&C&D"));
    }
};

TEST_F(PageHeaderPdfTest, EveryPageShowsItsNumberAndTheSheetNameAboveTheBodyAndTheDateBelow)
{
    const QString pdf = written();
    ASSERT_EQ(pdfInfo(pdf, "Pages"), QStringLiteral("3"));
    ASSERT_EQ(pdfInfo(pdf, "Page size"), QStringLiteral("595 x 842 pts (A4)"));
    const PageSetup& page = sheet->pageSetup();
    const double paperWidth = 595.28, paperHeight = 841.89;
    const int firstRows[] = {1, 58, 115}, lastRows[] = {57, 114, 150};
    for (int k = 1; k <= 3; ++k) {
        const QStringList lines = textLines(pdfText(pdf, k, k));
        ASSERT_GE(lines.size(), 3);
        EXPECT_TRUE(
            lines.front().contains(QRegularExpression(QStringLiteral("^Plans\\s+Budget\\s+Page %1 of 3$").arg(k))))
            << lines.front().toStdString();
        EXPECT_EQ(lines[1], QStringLiteral("Row %1").arg(firstRows[k - 1]));
        EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("Row %1").arg(lastRows[k - 1]));
        EXPECT_EQ(lines.back(), QStringLiteral("12/8/26"));

        // Left at the left margin, right at the right margin, the sheet's
        // name centred between them, the footer centred too; tops and
        // bottoms at the header and footer margins, near enough for the
        // glyphs' own box (pdftotext's runs from the font's ascent to its
        // descent).
        const std::vector<Word> words = pdfWords(pdf, k);
        const QRectF top(0, 0, paperWidth, page.topMargin());
        const QRectF body(0, page.topMargin(), paperWidth, paperHeight - page.topMargin() - page.bottomMargin());
        const QRectF bottom(0, paperHeight - page.bottomMargin(), paperWidth, page.bottomMargin());
        const QRectF plans = wordBox(words, QStringLiteral("Plans"), top);
        const QRectF name = wordBox(words, QStringLiteral("Budget"), top);
        const QRectF pages = wordBox(words, QStringLiteral("3"), top.adjusted(paperWidth / 2, 0, 0, 0));
        const QRectF date = wordBox(words, QStringLiteral("12/8/26"), bottom);
        const QRectF first = wordBox(words, QString::number(firstRows[k - 1]), body);
        const QRectF last = wordBox(words, QString::number(lastRows[k - 1]), body);
        const double middle = (page.leftMargin() + paperWidth - page.rightMargin()) / 2;
        EXPECT_NEAR(plans.left(), page.leftMargin(), 1.0);
        EXPECT_NEAR(pages.right(), paperWidth - page.rightMargin(), 1.0);
        EXPECT_NEAR(name.center().x(), middle, 1.0);
        EXPECT_NEAR(date.center().x(), middle, 1.0);
        EXPECT_NEAR(plans.top(), page.headerMargin(), 1.5);
        EXPECT_NEAR(date.bottom(), paperHeight - page.footerMargin(), 1.5);
        EXPECT_LT(plans.bottom(), first.top());
        EXPECT_GT(date.top(), last.bottom());
    }
}

TEST_F(PageHeaderPdfTest, LibreOfficeReadsTheHeaderFromTheSavedFile)
{
    if (!jubilo::testing::runProcess(QStringLiteral("soffice"), {QStringLiteral("--version")}).started)
        GTEST_SKIP() << "LibreOffice is not installed";
    const QString file = dir_.filePath(QStringLiteral("budget.xls"));
    book->saveAs(file, xl::kWorkbookNormal);
    const jubilo::testing::LibreOffice office(dir_.filePath(QStringLiteral("profile")));
    const auto result = office.convert(QStringLiteral("pdf"), {file}, dir_.path());
    ASSERT_TRUE(result.succeeded()) << result.output.toStdString();
    const QString pdf = dir_.filePath(QStringLiteral("budget.pdf"));
    const int pages = pdfInfo(pdf, "Pages").toInt();
    ASSERT_GE(pages, 3);
    for (int k = 1; k <= pages; ++k) {
        const QStringList lines = textLines(pdfText(pdf, k, k));
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(lines.front().contains(
            QRegularExpression(QStringLiteral("^Plans\\s+Budget\\s+Page %1 of %2$").arg(k).arg(pages))))
            << lines.front().toStdString();
    }
}

TEST(PagePdfDeviceTest, UnwritableDeviceThrows)
{
    const auto app = spreadsheet::testing::englishApplication();
    app->addWorkbook();
    app->activeSheet()->setFormulaR1C1(0, 0, QStringLiteral("x"));
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_THROW(writeSheetPdf(*app->activeSheet(), buffer, kPrintedAt), SpreadsheetError);
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
