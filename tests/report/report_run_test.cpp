#include "plan/plan.h"
#include "host/engine/engine_host.h"
#include "platform/bitmap_picture.h"
#include "report/report_run.h"
#include "tests/support/forwarding_host.h"
#include "tests/support/full_disk.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

namespace jubilo {
namespace {

class RecordingScreens : public ReportScreens {
public:
    void setBusyPointer(bool busy) override { calls << (busy ? "busy" : "normal"); }
    void loadPreviewPicture(std::shared_ptr<const HostPicture> shown) override
    {
        calls << "picture";
        picture = drawPictureBitmap(*shown);
        if (!watchedFolder.isEmpty())
            filesAtPicture = QDir(watchedFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    void setPreviewWorkbook(const QString& path) override
    {
        calls << "workbook";
        workbook = path;
    }
    void showPreview() override
    {
        if (failShow)
            throw std::runtime_error("no screen for the preview");
        calls << "show";
    }
    void hideMainWindow() override { calls << "hide"; }

    bool failShow = false;
    QStringList calls;
    QImage picture;
    QString watchedFolder;
    QStringList filesAtPicture;
    QString workbook;
};

// How the hosts' clipboards answer when asked for the copied picture.
struct CopiedPictureScript {
    int misses = 0;  // asks that find no picture before the host's own answer
    QString error;  // when set, every ask throws this
    int asks = 0;
};

// The engine's host, with its clipboard answering as the script says.
class ScriptedClipboardHost : public testing::ForwardingHost {
public:
    ScriptedClipboardHost(std::unique_ptr<SpreadsheetHost> engine, CopiedPictureScript& script)
        : ForwardingHost(std::move(engine))
        , script_(script)
    {
    }

    std::shared_ptr<const HostPicture> copiedPicture() override
    {
        ++script_.asks;
        if (!script_.error.isEmpty())
            throw std::runtime_error(script_.error.toStdString());
        if (script_.misses > 0) {
            --script_.misses;
            return nullptr;
        }
        return ForwardingHost::copiedPicture();
    }

private:
    CopiedPictureScript& script_;
};

class ReportRunTest : public testing::ScriptedSystemTest {
protected:
    void SetUp() override
    {
        sys.hostFactory = createEngineHost;
        sys.runningHostLookup = runningEngineHost;
        sys.env = {"Temp=" + temp.path()};
    }

    // Every host the run starts answers for its clipboard as `copies` says.
    void scriptHostClipboards()
    {
        sys.hostFactory = [this](const QString& name) {
            return std::make_unique<ScriptedClipboardHost>(createEngineHost(name), copies);
        };
    }

    QStringList errorBoxes() const
    {
        QStringList boxes;
        for (const auto& m : sys.messages)
            boxes << m.text.section(QStringLiteral("\r\n"), 1).section(QStringLiteral("\r\r"), 0, 0);
        return boxes;
    }

    testing::UsEnglishLocale english;
    QTemporaryDir temp;
    Plan plan = testing::samplePlan();
    RecordingScreens screens;
    CopiedPictureScript copies;
};

TEST_F(ReportRunTest, BuildsSavesPicturesAndHandsOverToThePreview)
{
    generateReport(plan, screens);
    EXPECT_TRUE(sys.messages.empty()) << errorBoxes().join('\n').toStdString();
    EXPECT_EQ(screens.calls, (QStringList{"busy", "normal", "picture", "workbook", "show", "hide"}));
    EXPECT_TRUE(QFileInfo(screens.workbook).fileName().contains(QRegularExpression("^vemqal[1-9]{8}\\.xls$")));
    EXPECT_EQ(QFileInfo(screens.workbook).dir(), QDir(temp.path()));
    EXPECT_TRUE(QFile::exists(screens.workbook));
    EXPECT_GT(screens.picture.width(), 300);
    EXPECT_GT(screens.picture.height(), 200);
    EXPECT_EQ(runningEngineHost("Excel.Application"), nullptr) << "both hosts were told to quit";

    // The saved workbook is one sheet of the plan.
    auto reader = createEngineHost("Excel.Application");
    auto book = reader->workbooks()->open(screens.workbook);
    ASSERT_EQ(book->sheets()->count(), 1);
    EXPECT_EQ(book->activeSheet()->name(), "Holiday Party Plans");
    EXPECT_EQ(reader->range("B6")->text(), "Music");
    EXPECT_EQ(reader->range("F8")->text(), "$9.99");
    reader->quit();
}

// The picture goes to the preview in memory: while the run works, the
// temporary folder holds nothing but the workbook.
TEST_F(ReportRunTest, TheWorkbookIsTheOnlyFileTheRunPutsInTheTemporaryFolder)
{
    screens.watchedFolder = temp.path();
    generateReport(plan, screens);
    ASSERT_TRUE(sys.messages.empty()) << errorBoxes().join('\n').toStdString();
    EXPECT_EQ(screens.filesAtPicture, QStringList{QFileInfo(screens.workbook).fileName()})
        << "when the preview gets the picture, only the saved workbook is there";
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QFileInfo(screens.workbook).fileName()});
}

TEST_F(ReportRunTest, NoHostGivesOneBoxAndEndsTheRun)
{
    sys.hostFactory = nullptr;
    generateReport(plan, screens);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("DuzodIduz.GenerateReport0 at line 106"));
    EXPECT_TRUE(screens.calls.isEmpty());
}

// A step the rest of the run needs ends the run after its one box: the main
// window stays, nothing half-made is shown and no workbook is left behind.
class ReportRunEndsEarlyTest : public ReportRunTest {
protected:
    void expectEndedAfter(const QString& box)
    {
        const QStringList boxes = errorBoxes();
        ASSERT_EQ(boxes.size(), 1) << boxes.join('\n').toStdString();
        EXPECT_EQ(boxes[0], box);
        EXPECT_FALSE(screens.calls.contains("show"));
        EXPECT_FALSE(screens.calls.contains("hide"));
        EXPECT_FALSE(screens.calls.contains("picture"));
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList()) << "files left in the temporary folder";
        EXPECT_EQ(runningEngineHost("Excel.Application"), nullptr) << "every host was told to quit";
    }
};

TEST_F(ReportRunEndsEarlyTest, WhenTheWorkbookCannotBeSaved)
{
    // Not even root may create files in /proc.
    sys.env = {QStringLiteral("TEMP=/proc")};
    generateReport(plan, screens);
    expectEndedAfter("in Quenby2021/08/31.DuzodIduz.GenerateReport0 at line 176");
    EXPECT_TRUE(screens.calls.isEmpty());
}

// A full temporary folder: one box, naming the workbook's path in it.
TEST_F(ReportRunEndsEarlyTest, WhenTheTemporaryFolderIsFull)
{
    {
        const testing::FullDisk full(4);  // far less than a workbook
        generateReport(plan, screens);
    }
    expectEndedAfter("in Quenby2021/08/31.DuzodIduz.GenerateReport0 at line 176");
    EXPECT_TRUE(sys.messages[0].text.startsWith("Cannot save \"" + QDir(temp.path()).filePath("vemqal")))
        << sys.messages[0].text.toStdString();
    EXPECT_TRUE(screens.calls.isEmpty());
}

// A host that has gone refuses all it is asked: the steps that only set it
// up each say so, and the first that needs a workbook from it ends the run.
TEST_F(ReportRunEndsEarlyTest, WhenTheHostHasNoWorkbookToGive)
{
    sys.hostFactory = [](const QString& name) {
        auto host = createEngineHost(name);
        host->quit();
        return host;
    };
    generateReport(plan, screens);
    QStringList lines;
    for (const QString& box : errorBoxes())
        lines << box.section(QStringLiteral(" at line "), 1);
    EXPECT_EQ(lines, (QStringList{"108", "110", "112", "114", "116", "120"}));
    EXPECT_TRUE(screens.calls.isEmpty());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ReportRunTest, WhenThePreviewCannotShowTheMainWindowStays)
{
    screens.failShow = true;
    generateReport(plan, screens);
    EXPECT_EQ(errorBoxes(), QStringList{"in Quenby2021/08/31.DuzodIduz.GenerateReport0 at line 206"});
    EXPECT_EQ(screens.calls, (QStringList{"busy", "normal", "picture", "workbook"}));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ReportRunEndsEarlyTest, WhenTheSavedWorkbookCannotBeReopened)
{
    int started = 0;
    sys.hostFactory = [&started](const QString& name) -> std::unique_ptr<SpreadsheetHost> {
        if (++started > 1)
            throw std::runtime_error("no second host");
        return createEngineHost(name);
    };
    generateReport(plan, screens);
    expectEndedAfter("in Quenby2021/08/31.DuzodIduz.GenerateReport0 at line 186");
}

TEST_F(ReportRunEndsEarlyTest, WhenTheHostsClipboardNeverHoldsThePicture)
{
    scriptHostClipboards();
    copies.misses = std::numeric_limits<int>::max();
    generateReport(plan, screens);
    expectEndedAfter("in Quenby2021/08/31.Excel1.saveCellsActivesheet at line 112");
    EXPECT_TRUE(sys.messages[0].text.startsWith("The spreadsheet's clipboard holds no picture of the sheet\r\n"))
        << sys.messages[0].text.toStdString();
    EXPECT_EQ(screens.calls, (QStringList{"busy", "normal"}));
}

// Each step of the picture needs the one before: the first failure is the
// only box.
TEST_F(ReportRunTest, APictureOfAWorkbookWhoseHostHasGoneEndsAtItsFirstStep)
{
    auto host = createEngineHost("Excel.Application");
    auto book = host->workbooks()->add();
    host->quit();
    EXPECT_EQ(saveCellsActivesheet(*host, *book), std::nullopt);
    EXPECT_EQ(errorBoxes(), QStringList{"in Quenby2021/08/31.Excel1.saveCellsActivesheet at line 100"});
}

TEST_F(ReportRunTest, APictureThatReachesTheHostsClipboardLateIsStillTaken)
{
    scriptHostClipboards();
    copies.misses = 5;
    generateReport(plan, screens);
    EXPECT_TRUE(sys.messages.empty()) << errorBoxes().join('\n').toStdString();
    EXPECT_EQ(copies.asks, 6);
    EXPECT_TRUE(screens.calls.contains("show"));
}

TEST_F(ReportRunTest, TheWaitForTheCopiedPictureIsBoundedAndReportsTheRealError)
{
    using namespace std::chrono_literals;
    ScriptedClipboardHost host(createEngineHost("Excel.Application"), copies);
    copies.misses = std::numeric_limits<int>::max();
    EXPECT_THROW(
        {
            try {
                fetchCopiedPicture(host, 30ms);
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "The spreadsheet's clipboard holds no picture of the sheet");
                throw;
            }
        },
        std::runtime_error);
    EXPECT_GT(copies.asks, 1) << "asked again while waiting";
    EXPECT_LT(copies.asks, 30) << "paused between looks";

    copies.error = QStringLiteral("the spreadsheet went away");
    try {
        fetchCopiedPicture(host, 30ms);
        ADD_FAILURE() << "no picture was expected";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("the spreadsheet went away"), std::string::npos) << e.what();
    }
    host.quit();
}

// The run copies the sheet's picture inside its own host: what the user has
// on the system clipboard stays there, neither read nor replaced, and the
// preview still gets the sheet's picture.
TEST_F(ReportRunTest, TheUsersClipboardIsLeftAsItWas)
{
    QImage users(7, 5, QImage::Format_RGB32);
    users.fill(Qt::magenta);
    const auto usersPicture = std::make_shared<BitmapPicture>(users);
    sys.clipboard = usersPicture;
    generateReport(plan, screens);
    ASSERT_TRUE(sys.messages.empty()) << errorBoxes().join('\n').toStdString();
    EXPECT_EQ(sys.clipboard, usersPicture);
    EXPECT_EQ(sys.clipboardPuts, 0);
    EXPECT_EQ(sys.clipboardFetches, 0);

    ASSERT_TRUE(screens.calls.contains("picture"));
    auto reader = createEngineHost("Excel.Application");
    reader->workbooks()->open(screens.workbook);
    reader->activeSheet()->usedRange()->copyPicture();
    const auto sheetPicture = reader->copiedPicture();
    ASSERT_NE(sheetPicture, nullptr);
    EXPECT_EQ(screens.picture, drawPictureBitmap(*sheetPicture)) << "the preview shows the saved sheet's used cells";
    reader->quit();
}

}  // namespace
}  // namespace jubilo
