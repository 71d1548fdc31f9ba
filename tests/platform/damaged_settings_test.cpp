#include "plan/saved_plan.h"
#include "platform/damaged_settings.h"
#include "tests/support/test_files.h"
#include "platform/ini_settings_store.h"
#include "tests/support/scripted_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using testing::readFile;
using testing::writeFile;

const QByteArray kReadable = "[Jubilo]\nKeep=yes\n";
const QString kCopyName = QStringLiteral("Tarvel.ini.damaged-2026-05-01");

// Each holds Jubilo/Keep=yes and Other/Kept=1 besides its damage.
struct DamagedFile {
    const char* name;
    QByteArray bytes;
};

std::vector<DamagedFile> damagedFiles()
{
    return {
        {"garbage line", kReadable + "this is not a setting\n[Other]\nKept=1\n"},
        {"NUL byte", kReadable + "[Other]\nKept=1\nBad=a" + '\0' + "b\n"},
        {"invalid UTF-8 in another group", kReadable + "[Other]\nKept=1\nBad=caf\xe9\n"},
        {"lone bracket", kReadable + "[\n[Other]\nKept=1\n"},
        {"unclosed group", kReadable + "[Other]\nKept=1\n[Broken\nLost=1\n"},
        // Passes the byte check; QSettings' own parse finds it.
        {"vertical tab line", kReadable + "\v\n[Other]\nKept=1\n"},
    };
}

class DamagedSettingsTest : public testing::ScriptedSystemTest {
protected:
    DamagedSettingsTest() { sys.clock = QDateTime(QDate(2026, 5, 1), QTime(23, 59)); }

    static IniSettingsStore storeTelling(const QString& folder, QStringList& notices)
    {
        return IniSettingsStore(folder, [&notices](const QString& text) { notices << text; });
    }
    QString path() const { return dir.filePath("Tarvel.ini"); }

    QTemporaryDir dir;
};

TEST_F(DamagedSettingsTest, ACopyIsKeptBeforeTheFirstRewriteAndTheUserToldOnce)
{
    for (const DamagedFile& damaged : damagedFiles()) {
        SCOPED_TRACE(damaged.name);
        const QDir folder(dir.filePath(damaged.name));
        ASSERT_TRUE(folder.mkpath("."));
        const QString file = folder.filePath("Tarvel.ini");
        writeFile(file, damaged.bytes);
        QStringList notices;
        IniSettingsStore store = storeTelling(folder.path(), notices);
        EXPECT_EQ(store.read(kStoreApplication, kStoreSection, "Keep", ""), "yes");

        EXPECT_NO_THROW(store.write(kStoreApplication, kStoreSection, "Date", "May 1st"));
        EXPECT_NO_THROW(store.write(kStoreApplication, kStoreSection, "Time", "8pm"));

        const QString copy = folder.filePath(kCopyName);
        EXPECT_EQ(readFile(copy), damaged.bytes);
        ASSERT_EQ(notices.size(), 1);
        EXPECT_TRUE(notices[0].contains(file));
        EXPECT_TRUE(notices[0].contains(copy));
        IniSettingsStore reader(folder.path());
        EXPECT_EQ(reader.read(kStoreApplication, kStoreSection, "Keep", ""), "yes");
        EXPECT_EQ(reader.read(kStoreApplication, kStoreSection, "Date", ""), "May 1st");
        EXPECT_EQ(reader.read(kStoreApplication, kStoreSection, "Time", ""), "8pm");
        EXPECT_EQ(reader.read(kStoreApplication, "Other", "Kept", ""), "1");
        EXPECT_FALSE(hasUnreadableLines(readFile(file)));
    }
}

TEST_F(DamagedSettingsTest, ACopyNeverReplacesAFileOrFollowsALink)
{
    const QByteArray damaged = kReadable + "garbage\n";
    writeFile(path(), damaged);
    writeFile(dir.filePath(kCopyName), "yesterday's copy");
    const QString victim = dir.filePath("victim");
    writeFile(victim, "precious");
    ASSERT_TRUE(QFile::link(victim, dir.filePath(kCopyName + "-2")));
    QStringList notices;
    IniSettingsStore store = storeTelling(dir.path(), notices);

    store.write(kStoreApplication, kStoreSection, "Date", "May 1st");

    EXPECT_EQ(readFile(dir.filePath(kCopyName)), "yesterday's copy");
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_EQ(readFile(dir.filePath(kCopyName + "-3")), damaged);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(kCopyName + "-3"));
}

TEST_F(DamagedSettingsTest, ReadableFilesAreRewrittenWithoutACopy)
{
    const QByteArray readable = "; a comment\r\n\r\n[Jubilo]\r\nKeep = yes ; note\r\n# not=a comment\r\n"
                                "Long=first\\\n second\r\nPath=C:\\\\Temp\\\\\n[Other]\nList=a, b\n=odd but read\n";
    EXPECT_FALSE(hasUnreadableLines(readable));
    writeFile(path(), readable);
    QStringList notices;
    IniSettingsStore store = storeTelling(dir.path(), notices);
    store.write(kStoreApplication, kStoreSection, "Date", "May 1st");
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Tarvel.ini"}));
    EXPECT_EQ(store.read(kStoreApplication, kStoreSection, "Keep", ""), "yes");
}

TEST(UnreadableLinesTest, LinesQSettingsWouldLoseAreFound)
{
    for (const QByteArray& bad :
         {QByteArray("[Jubilo] trailing\n"), QByteArray("key\n"), QByteArray("[Jubilo\n"), QByteArray("# a remark\n"),
          QByteArray("\xEF\xBB\xBF[Jubilo]\n"), QByteArray("Keep=a\\\\\ngarbage\n"), QByteArray("Keep=a\\ \ngarbage\n"),
          QByteArray("Keep=\xC0\xAF\n"), QByteArray("last line")}) {
        EXPECT_TRUE(hasUnreadableLines(bad)) << bad.toStdString();
    }
    EXPECT_FALSE(hasUnreadableLines("Keep=a\\\\\\\ncontinued\n"));
    EXPECT_FALSE(hasUnreadableLines(""));
}

TEST_F(DamagedSettingsTest, AFailedWriteStillThrowsAfterAParseError)
{
    // A parse error is the first error QSettings meets, so it would hide
    // the failure of the write that follows.
    const QString folder = dir.filePath("store");
    ASSERT_TRUE(QDir().mkdir(folder));
    writeFile(QDir(folder).filePath("Tarvel.ini"), kReadable + "[\n");
    IniSettingsStore store(folder);
    EXPECT_EQ(store.read(kStoreApplication, kStoreSection, "Keep", ""), "yes");
    ASSERT_TRUE(QDir(folder).removeRecursively());
    writeFile(folder, "a file where the folder was");

    EXPECT_THROW(store.write(kStoreApplication, kStoreSection, "Date", "May 1st"), StoreError);

    // A folder in the file's place: the name stays but nothing replaces it.
    writeFile(path(), kReadable + "[\n");
    IniSettingsStore blocked(dir.path());
    EXPECT_EQ(blocked.read(kStoreApplication, kStoreSection, "Keep", ""), "yes");
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir().mkdir(path()));
    EXPECT_THROW(blocked.write(kStoreApplication, kStoreSection, "Date", "May 1st"), StoreError);
}

TEST_F(DamagedSettingsTest, NoCopyMeansNoRewrite)
{
    // The copy's name is too long for the file system, even for root.
    const QString app = QString(240, QLatin1Char('a'));
    const QString file = dir.filePath(app + ".ini");
    const QByteArray damaged = kReadable + "garbage\n";
    writeFile(file, damaged);
    QStringList notices;
    IniSettingsStore store = storeTelling(dir.path(), notices);

    EXPECT_THROW(store.write(app, kStoreSection, "Date", "May 1st"), StoreError);
    EXPECT_EQ(readFile(file), damaged);
    EXPECT_TRUE(notices.isEmpty());
}

}  // namespace
}  // namespace jubilo
