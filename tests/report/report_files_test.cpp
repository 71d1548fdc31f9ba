#include "report/host_version.h"
#include "report/temp_files.h"
#include "tests/support/scripted_system.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

class TempFilesTest : public testing::ScriptedSystemTest {
protected:
    QTemporaryDir dir;
};

TEST_F(TempFilesTest, TempIsFoundInAnyCaseAndMustBeAFolder)
{
    sys.env = {"PATH=/usr/bin", "tEmP=" + dir.path()};
    EXPECT_EQ(temporaryDirectory(), QDir::cleanPath(dir.path()));

    for (const QString& bad : {QString("TEMP="), "TEMP=" + dir.filePath("missing"), QString()}) {
        sys.env = QStringList{bad};
        EXPECT_EQ(temporaryDirectory(), QDir::tempPath()) << bad.toStdString();
    }
}

TEST_F(TempFilesTest, WorkbookNamesAreEightDigitsOneToNineEachAFreshDraw)
{
    sys.clock = QDateTime(QDate(2026, 5, 1), QTime(12, 0));
    sys.randoms = {0.0, 0.999, 0.5, 0.11, 0.12, 0.23, 0.34, 0.889, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0.0};
    EXPECT_EQ(randomWorkbookName(), "vemqal19512349");
    // Eight draws per name, none of them seeded, so the clock has no say.
    sys.clock = sys.clock.addMSecs(1);
    EXPECT_EQ(randomWorkbookName(), "vemqal76543211");
    EXPECT_TRUE(sys.seeds.empty());
    const QRegularExpression shape("^vemqal[1-9]{8}$");
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(shape.match(randomWorkbookName()).hasMatch());
}

TEST_F(TempFilesTest, AnExistingWorkbookIsNeverReusedOrTouched)
{
    sys.env = {"TEMP=" + dir.path()};
    const QString taken = dir.filePath("vemqal11111111.xls");
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    sys.randoms = std::deque<double>(8, 0.0);
    for (int i = 0; i < 8; ++i)
        sys.randoms.push_back(0.2);
    EXPECT_EQ(freshWorkbookPath(), dir.filePath("vemqal22222222.xls"));
    QFile check(taken);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "keep me");

    // A generator stuck on a taken name gives up with a message, never loops.
    sys.randoms.clear();
    struct Stuck : testing::ScriptedSystem {
        double nextRandom() override { return 0.0; }
    } stuck;
    stuck.env = sys.env;
    ScopedSystem scoped(stuck);
    EXPECT_THROW(freshWorkbookPath(), std::runtime_error);
}

TEST(HostVersionTest, VersionTextsReadWithEitherSeparatorAndHalvesToEven)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(hostVersionNumber("16.0", english), 16);
    EXPECT_EQ(hostVersionNumber("11.5", english), 12);
    EXPECT_EQ(hostVersionNumber("12.5", english), 12);
    EXPECT_EQ(hostVersionNumber("11,0", english), 11);
    EXPECT_EQ(hostVersionNumber("16.0", german), 16);
    EXPECT_EQ(hostVersionNumber("11,5", german), 12);
    EXPECT_THROW(hostVersionNumber("sixteen", english), std::runtime_error);
    EXPECT_THROW(hostVersionNumber("99999", english), std::overflow_error);
}

}  // namespace
}  // namespace jubilo
