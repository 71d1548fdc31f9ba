// The preview's PDF and print: a real workbook on show, opened by the
// engine's host; PDFs read back with poppler-utils.
#include "tests/support/external_tools.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"
#include "host/engine/engine_host.h"
#include "platform/bitmap_picture.h"
#include "report/host_checks.h"
#include "ui/preview/preview_window.h"
#include "tests/support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {
namespace {

using testing::readFile;
using testing::runProcess;
using testing::writeFile;

TEST(SaveTargetTest, TheNameSaysTheTypeElseTheChosenTypeAddsItsExtension)
{
    struct Case {
        const char* chosen;
        SavedFileType chosenType;
        const char* path;
        SavedFileType type;
    };
    const Case cases[] = {
        {"/t/party.pdf", SavedFileType::Workbook, "/t/party.pdf", SavedFileType::Pdf},
        {"/t/party.PDF", SavedFileType::Workbook, "/t/party.PDF", SavedFileType::Pdf},
        {"/t/party.xls", SavedFileType::Pdf, "/t/party.xls", SavedFileType::Workbook},
        {"/t/party.Xls", SavedFileType::Pdf, "/t/party.Xls", SavedFileType::Workbook},
        {"/t/party", SavedFileType::Pdf, "/t/party.pdf", SavedFileType::Pdf},
        {"/t/party", SavedFileType::Workbook, "/t/party.xls", SavedFileType::Workbook},
        {"/t/party.txt", SavedFileType::Pdf, "/t/party.txt.pdf", SavedFileType::Pdf},
        {"/t/plan.pdf.old", SavedFileType::Workbook, "/t/plan.pdf.old.xls", SavedFileType::Workbook},
        {"/t/my.pdf/plan", SavedFileType::Pdf, "/t/my.pdf/plan.pdf", SavedFileType::Pdf},
    };
    for (const Case& c : cases) {
        const SaveTarget target = saveTarget(QString::fromUtf8(c.chosen), c.chosenType);
        EXPECT_EQ(target.path, QString::fromUtf8(c.path)) << c.chosen;
        EXPECT_EQ(target.type, c.type) << c.chosen;
    }
}

class PreviewOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        sys.hostFactory = createEngineHost;
        sys.runningHostLookup = runningEngineHost;
        window.setWorkbookPath(dir.filePath("vemqal12345678.xls"));
        saveWorkbook(window.workbookPath());
        window.loadPicture(std::make_shared<BitmapPicture>(QImage(40, 30, QImage::Format_RGB32)));
    }

    // A one-sheet workbook with a title and a money value, A4 portrait.
    static void saveWorkbook(const QString& path)
    {
        auto host = createEngineHost(kHostClassName);
        auto book = host->workbooks()->add();
        auto sheet = book->activeSheet();
        sheet->cells(2, 2)->setFormulaR1C1(QStringLiteral("Harvest Supper"));
        sheet->cells(3, 2)->setFormulaR1C1(QStringLiteral("12.5"));
        sheet->cells(3, 2)->setNumberFormat(QStringLiteral("$#,##0.00"));
        sheet->pageSetup()->setPaperSize(xl::kPaperA4);
        book->saveAs(path, xl::kExcel8);
        book->close();
        host->quit();
    }

    static bool haveQuietPoppler() { return runProcess(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}).started; }
    static QString pdfText(const QString& path)
    {
        return runProcess(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).output;
    }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    QTemporaryDir dir;
    PreviewWindow window;
};

TEST_F(PreviewOutputTest, SaveAsPdfOffersBothTypesAndWritesTheSheetsPages)
{
    ASSERT_EQ(window.picture().contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList menu;
    for (const QAction* action : window.picture().actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList{"Print…", "Save as PDF…", "Copy picture"}));

    sys.savePaths = {dir.filePath("supper")};  // no ending: the chosen type's
    window.savePdfAction().trigger();
    ASSERT_EQ(sys.saveDialogs.size(), 1u);
    EXPECT_EQ(sys.saveDialogs[0],
              (QStringList{"Save File", "Excel Files (*.xls)|*.xls|PDF Files (*.pdf)|*.pdf|", "", "1"}));
    const QString pdf = dir.filePath("supper.pdf");
    ASSERT_TRUE(readFile(pdf).startsWith("%PDF-"));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Done.");
    EXPECT_TRUE(QFile::exists(window.workbookPath()));
    if (!haveQuietPoppler())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Harvest Supper")) << text.toStdString();
    EXPECT_TRUE(text.contains("$12.50")) << text.toStdString();
}

TEST_F(PreviewOutputTest, ANameEndingInPdfWritesAPdfWhicheverTypeWasChosen)
{
    sys.savePaths = {dir.filePath("a.PDF"), dir.filePath("b.xls")};
    sys.saveTypes = {0, 1};  // Excel chosen for the PDF name, PDF for the workbook name
    window.saveResults();
    window.saveResults();
    EXPECT_TRUE(readFile(dir.filePath("a.PDF")).startsWith("%PDF-"));
    EXPECT_EQ(readFile(dir.filePath("b.xls")), readFile(window.workbookPath()));
    EXPECT_EQ(sys.saveDialogs[0].last(), "0");  // the button opens with the workbook type
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_EQ(sys.messages[1].text, "Done.");
}

TEST_F(PreviewOutputTest, OverwritingAPdfAsksAndAFailedWriteKeepsTheOldFile)
{
    const QString existing = dir.filePath("old.pdf");
    writeFile(existing, "old bytes");
    sys.savePaths = {existing, existing, existing};
    sys.answers = {msgbox::kAnswerNo, msgbox::kAnswerOk, msgbox::kAnswerYes, msgbox::kAnswerOk, msgbox::kAnswerYes};
    window.savePdfAction().trigger();
    EXPECT_EQ(readFile(existing), "old bytes");
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_EQ(sys.messages[0].text, "Are you sure you wish to overwrite " + existing + " ?");
    EXPECT_EQ(sys.messages[1].text, "Done.");

    {
        const testing::FullDisk fullDisk(64);  // far less than a page of PDF
        window.savePdfAction().trigger();
    }
    EXPECT_EQ(readFile(existing), "old bytes");
    ASSERT_EQ(sys.messages.size(), 4u);  // the question and the error box, no "Done."
    EXPECT_EQ(sys.messages[3].caption, "Application Error");
    EXPECT_TRUE(sys.messages[3].text.contains("Cannot write " + existing)) << sys.messages[3].text.toStdString();
    EXPECT_TRUE(sys.messages[3].text.contains("Form3.PushButton6_Click at line 130"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2u);  // nothing half-written left

    window.savePdfAction().trigger();
    EXPECT_TRUE(readFile(existing).startsWith("%PDF-"));
}

TEST_F(PreviewOutputTest, AnUnwritableFolderGetsTheErrorBoxAndNoDone)
{
    sys.savePaths = {QStringLiteral("/proc/jubilo-plan.pdf")};
    window.savePdfAction().trigger();
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].caption, "Application Error");
    EXPECT_TRUE(sys.messages[0].text.contains("/proc/jubilo-plan.pdf"));
}

// A link the user made is followed and the question names its file; a link
// another user planted in a shared folder, and a pipe, are refused with a
// message before anything is asked or written.
TEST_F(PreviewOutputTest, LinksAreFollowedOrRefusedAndPipesRefused)
{
    const QString real = dir.filePath("real.pdf");
    writeFile(real, "old bytes");
    ASSERT_TRUE(QFile::link(real, dir.filePath("link.pdf")));
    sys.savePaths = {dir.filePath("link.pdf")};
    sys.answers = {msgbox::kAnswerYes, msgbox::kAnswerOk};
    window.savePdfAction().trigger();
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_EQ(sys.messages[0].text, "Are you sure you wish to overwrite " + real + " ?");
    EXPECT_TRUE(readFile(real).startsWith("%PDF-"));
    EXPECT_TRUE(QFileInfo(dir.filePath("link.pdf")).isSymLink());

    const QString pipe = dir.filePath("pipe.xls");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    sys.savePaths = {pipe};
    window.saveResults();
    ASSERT_EQ(sys.messages.size(), 3u);
    EXPECT_EQ(sys.messages[2].text, pipe + ": it is a pipe, not a file Jubilo can replace.");
    EXPECT_EQ(sys.messages[2].flags, msgbox::kOkOnly);

    const QString shared = dir.filePath("tmp");
    ASSERT_TRUE(QDir().mkdir(shared));
    ::chmod(QFile::encodeName(shared).constData(), 01777);
    const QString planted = QDir(shared).filePath("party-plan.pdf");
    ASSERT_TRUE(QFile::link(dir.filePath("victim"), planted));  // dangling: no question would be asked
    if (::lchown(QFile::encodeName(planted).constData(), 65534, 65534) != 0)
        GTEST_SKIP() << "only root can make a link that belongs to another user";
    sys.savePaths = {planted};
    window.savePdfAction().trigger();
    ASSERT_EQ(sys.messages.size(), 4u);
    EXPECT_TRUE(sys.messages[3].text.contains("another user")) << sys.messages[3].text.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("victim")));
}

TEST_F(PreviewOutputTest, PrintHandsTheSheetsA4PagesToThePrintDialog)
{
    window.printAction().trigger();
    ASSERT_EQ(sys.printed.size(), 1u);
    const HostPages& pages = *sys.printed[0];
    EXPECT_EQ(pages.count(), 1);
    EXPECT_EQ(pages.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(pages.pageLayout().orientation(), QPageLayout::Portrait);
    // The pages outlive the host that drew them, and draw the sheet's text.
    QImage page(595, 842, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    pages.paint(painter, 0, 1.0);
    painter.end();
    EXPECT_NE(page, [&] {
        QImage blank(page.size(), page.format());
        blank.fill(Qt::white);
        return blank;
    }());
    EXPECT_TRUE(sys.messages.empty());  // printing says nothing when it works

    sys.printResults = {PrintResult::Cancelled, PrintResult::NoPrinter};
    window.printAction().trigger();
    EXPECT_TRUE(sys.messages.empty());
    window.printAction().trigger();
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].flags, msgbox::kOkOnly);
    EXPECT_TRUE(sys.messages[0].text.startsWith("No printer is set up on this computer"));
}

TEST_F(PreviewOutputTest, CtrlPPrintsAndAMissingWorkbookGetsTheErrorBox)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(sys.printed.size(), 1u);

    QFile::remove(window.workbookPath());
    window.printAction().trigger();
    EXPECT_EQ(sys.printed.size(), 1u);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("Form3.mnuPrint_Click at line 100"));
}

TEST_F(PreviewOutputTest, CopyPicturePutsThePictureAsLoadedOnTheClipboard)
{
    window.show();
    window.zoomIn();
    window.copyPictureAction().trigger();
    ASSERT_TRUE(sys.clipboard);
    EXPECT_EQ(sys.clipboardPuts, 1);
    EXPECT_EQ(sys.clipboard->size(), QSize(40, 30));
    EXPECT_TRUE(sys.messages.empty());
}

}  // namespace
}  // namespace jubilo
