// Printing through Qt's printer, with the printer writing a PDF file that
// poppler-utils read back: the pages asked for, in order, on the pages'
// paper.
#include "tests/support/pdf_readers.h"
#include "platform/page_printing.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using testing::pdfInfo;
using testing::pdfText;

// Three landscape A4 pages, each saying its number near its top-left corner.
class NumberedPages : public HostPages {
public:
    int count() const override { return 3; }
    QPageLayout pageLayout() const override
    {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());
    }
    void paint(QPainter& painter, int index, double dotsPerPoint) const override
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(12);
        painter.setFont(font);
        painter.drawText(QPointF(36, 48) * dotsPerPoint, QStringLiteral("Page %1 of the plan").arg(index + 1));
    }
};

class PagePrintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testing::popplerInstalled())
            GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        preparePrinter(printer, pages);
    }

    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    NumberedPages pages;
};

TEST_F(PagePrintingTest, EveryPageOnThePagesPaperWhenNoRangeIsChosen)
{
    printPagesOn(printer, pages);
    const QString file = printer.outputFileName();
    EXPECT_EQ(pdfInfo(file, "Pages"), "3");
    EXPECT_TRUE(pdfInfo(file, "Page size").startsWith("842 x 595 pts")) << pdfInfo(file, "Page size").toStdString();
    EXPECT_TRUE(testing::inOrder(pdfText(file), {"Page 1 of the plan", "Page 2 of the plan", "Page 3 of the plan"}));
}

TEST_F(PagePrintingTest, OnlyThePagesOfTheChosenRange)
{
    QPageRanges ranges;
    ranges.addRange(2, 3);
    printer.setPageRanges(ranges);
    printPagesOn(printer, pages);
    const QString text = pdfText(printer.outputFileName());
    EXPECT_EQ(pdfInfo(printer.outputFileName(), "Pages"), "2");
    EXPECT_FALSE(text.contains("Page 1 of")) << text.toStdString();
    EXPECT_TRUE(testing::inOrder(text, {"Page 2 of the plan", "Page 3 of the plan"}));
}

TEST_F(PagePrintingTest, APrinterThatCannotStartIsAnError)
{
    printer.setOutputFileName(QStringLiteral("/proc/no-such-place/printed.pdf"));
    EXPECT_THROW(printPagesOn(printer, pages), std::runtime_error);
}

}  // namespace
}  // namespace jubilo
