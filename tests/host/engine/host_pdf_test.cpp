// ExportAsFixedFormat through the host interface: the active sheet's pages
// land in the file, with the seam's clock as the date and time its header
// prints; a failed export names the path and leaves an existing file as it
// was.

#include "host/engine/engine_host.h"
#include "tests/support/pdf_readers.h"
#include "tests/support/scripted_system.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using HostPdf = testing::ScriptedSystemTest;

TEST_F(HostPdf, HeaderPrintsTheSeamsClock)
{
    if (!testing::popplerInstalled())
        GTEST_SKIP() << "poppler-utils is not installed";
    sys.clock = QDateTime(QDate(2031, 11, 23), QTime(17, 45));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("dated.pdf"));
    auto host = createEngineHost(QStringLiteral("Excel.Application"));
    auto book = host->workbooks()->add();
    host->range(QStringLiteral("A1"))->setFormulaR1C1(QStringLiteral("Body"));
    host->activeSheet()->pageSetup()->setLeftHeader(QStringLiteral("Day &D at &T"));
    book->exportAsFixedFormat(xl::kTypePDF, path);
    const QString text = testing::pdfText(path);
    // The day and the minutes show in any locale's short formats.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Day .*\\b23\\b.* at .*\\b45\\b"))))
        << text.toStdString();
    EXPECT_FALSE(text.contains(u'&'));
}

TEST_F(HostPdf, ActiveSheetExportsAndFailuresNameThePath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    auto host = createEngineHost(QStringLiteral("Excel.Application"));
    auto book = host->workbooks()->add();
    host->range(QStringLiteral("B2"))->setFormulaR1C1(QStringLiteral("Holiday Party Plans"));
    book->exportAsFixedFormat(xl::kTypePDF, path);
    const testing::PdfPages pages = testing::readPdfPages(path);
    EXPECT_EQ(pages.count, 1);
    EXPECT_EQ(pages.firstSize, QSizeF(612, 792));  // Letter, the default paper

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/plan.pdf"));
    try {
        book->exportAsFixedFormat(xl::kTypePDF, missing);
        ADD_FAILURE() << "no error for a path in a missing folder";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(missing)) << e.what();
    }
    EXPECT_THROW(book->exportAsFixedFormat(1, path), std::runtime_error);  // XPS
    EXPECT_EQ(testing::readPdfPages(path).count, 1);
}

}  // namespace
}  // namespace jubilo
