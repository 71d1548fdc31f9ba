// "Save Chart as PNG…" writes a real picture at twice the chart's size where
// the user says, and a failure leaves the old file and says only what
// went wrong.

#include "tests/support/full_disk.h"
#include "tests/support/test_files.h"
#include "tracked_plan.h"
#include "ui/glance/budget_chart.h"
#include "ui/glance/glance_window.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace jubilo {
namespace {

using testing::readFile;
using testing::writeFile;

class ChartSavingTest : public testing::GlanceTest {
protected:
    void SetUp() override
    {
        GlanceTest::SetUp();
        window.resize(800, 640);
        window.show();
    }
    void save() { window.saveChartAction().trigger(); }

    QTemporaryDir dir;
    testing::TrackedPlan tracked{testing::samplePlan()};
    GlanceWindow window{tracked.tracker};
};

TEST_F(ChartSavingTest, APngOfTwiceTheChartsSizeIsWrittenUnderTheNameChosenWithItsSuffix)
{
    EXPECT_TRUE(window.chart().actions().contains(&window.saveChartAction()));
    EXPECT_EQ(window.chart().contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(window.saveChartAction().text(), "Save Chart as PNG…");
    sys.savePaths = {dir.filePath("party")};
    save();
    ASSERT_EQ(sys.saveDialogs.size(), 1u);
    EXPECT_EQ(sys.saveDialogs[0],
              (QStringList{"Save Chart as PNG", "PNG Images (*.png)|*.png|", "Plan at a Glance.png", "0"}));
    const QImage saved(dir.filePath("party.png"), "PNG");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), window.chart().size() * 2);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              window.chart().picture(2).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(sys.messageTexts(), QStringList{"The chart is saved as " + dir.filePath("party.png") + "."});

    save();  // cancelled
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"party.png"});
    EXPECT_EQ(sys.messages.size(), 1u);
}

TEST_F(ChartSavingTest, AFileThereIsReplacedOnlyWhenTheUserSaysSo)
{
    const QString existing = dir.filePath("old.PNG");
    writeFile(existing, "old picture");
    sys.savePaths = {existing, existing};
    sys.answers = {msgbox::kAnswerNo, msgbox::kAnswerYes};
    save();
    EXPECT_EQ(readFile(existing), "old picture");
    save();
    EXPECT_FALSE(QImage(existing, "PNG").isNull());
    EXPECT_EQ(sys.messageTexts(),
              (QStringList{existing + " already exists. Do you want to replace it?",
                           existing + " already exists. Do you want to replace it?",
                           "The chart is saved as " + existing + "."}));
}

TEST_F(ChartSavingTest, AnUnwritableTargetIsSaidAndLeavesTheOldFileAsItWas)
{
    QDir(dir.path()).mkdir("taken.png");
    const QString existing = dir.filePath("old.png");
    writeFile(existing, "old picture");
    sys.savePaths = {dir.filePath("taken.png"), dir.filePath("no/such/folder/chart"), existing};
    sys.answers = {msgbox::kAnswerOk, msgbox::kAnswerOk, msgbox::kAnswerYes};
    save();
    save();
    {
        const testing::FullDisk fullDisk(64);
        save();
    }
    EXPECT_EQ(readFile(existing), "old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.png"}) << "nothing half-written beside it";
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.png")).isDir());
    ASSERT_EQ(sys.messages.size(), 4u);
    EXPECT_TRUE(sys.messages[0].text.contains("taken.png")) << sys.messages[0].text.toStdString();
    for (size_t i : {1u, 3u}) {
        EXPECT_EQ(sys.messages[i].caption, "Application Error");
        EXPECT_TRUE(sys.messages[i].text.contains("The chart could not be saved to"));
        EXPECT_TRUE(sys.messages[i].text.contains("GlanceWindow.mnuSaveChart_Click at line 104"));
    }
    EXPECT_TRUE(sys.messages[1].text.contains("no/such/folder/chart.png"));
}

}  // namespace
}  // namespace jubilo
