#include "platform/ini_settings_store.h"
#include "platform/plan_file_store.h"
#include "tests/support/external_tools.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace jubilo {
namespace {

const QString kApp = QStringLiteral("Tarvel");
const QString kSection = QStringLiteral("Jubilo");

QStringList awkwardTexts()
{
    QString big;
    big.reserve(3'000'000);
    while (big.size() < 3'000'000)
        big += QStringLiteral("Row||MySeparator12||ünïcode, \"quoted\"\t\r\n");
    return {QString(),
            QStringLiteral("@"),
            QStringLiteral("@ByteArray(abc)"),
            QStringLiteral("@Variant(\\0\\0)"),
            QStringLiteral("a, b, c"),
            QStringLiteral(",,"),
            QStringLiteral("\"quoted\" and 'single'"),
            QStringLiteral("tab\there"),
            QStringLiteral("line1\r\nline2\rline3\n"),
            QStringLiteral("  padded  "),
            QStringLiteral("back\\slash\\"),
            QStringLiteral("[Section]\nkey=value ; not a comment # nor this"),
            QStringLiteral("true"),
            QStringLiteral("Ελληνικά — 日本語 — עברית"),
            QStringLiteral("🎉🥳 party 👨‍👩‍👧"),
            big};
}

mode_t modeOf(const QString& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 0777;
}

TEST(IniSettingsStoreTest, MissingValuesReadAsTheDefault)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.read(kApp, kSection, "Guests", "fallback"), "fallback");
    store.write(kApp, kSection, "Guests", "");
    EXPECT_EQ(store.read(kApp, kSection, "Guests", "fallback"), "");
    EXPECT_TRUE(QFile::exists(store.filePath(kApp)));
}

TEST(IniSettingsStoreTest, ANewFileIsItsOwnersAloneAndStaysSo)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath("config"));
    EXPECT_EQ(store.location(kApp), dir.filePath("config/Tarvel.ini"));
    store.write(kApp, kSection, "Date", "May 1st");
    EXPECT_EQ(modeOf(store.location(kApp)), 0600u);
    // Every later write replaces the file through a fresh one.
    IniSettingsStore again(dir.filePath("config"));
    again.write(kApp, kSection, "Time", "8pm");
    EXPECT_EQ(modeOf(store.location(kApp)), 0600u);
    EXPECT_EQ(again.read(kApp, kSection, "Date", ""), "May 1st");
}

TEST(IniSettingsStoreTest, UnwritableStoreRaisesAnError)
{
    QTemporaryDir dir;
    // A regular file where the store's folder should be: no permission bit
    // can make that writable, not even for root.
    const QString blocker = dir.filePath("not-a-folder");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    IniSettingsStore store(blocker);
    EXPECT_THROW(store.write(kApp, kSection, "Music Budget", "12"), StoreError);
    EXPECT_THROW(store.write(kApp, kSection, "Music Budget", "13"), StoreError);
}

// Each text is written by a separate process that kills itself with SIGKILL
// right after the write returns; this process then reads it back from disk.
// `target` is the settings folder or a plan file.
void writeEachTextByAKilledWriter(const QTemporaryDir& dir, const QString& target)
{
    const QStringList texts = awkwardTexts();
    for (int i = 0; i < texts.size(); ++i) {
        const QString valueFile = dir.filePath(QStringLiteral("value%1.txt").arg(i));
        QFile out(valueFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(texts[i].toUtf8());
        out.close();

        const auto writer = testing::runProcess(QStringLiteral(STORE_WRITER_TOOL),
                                                {target, QStringLiteral("Key%1").arg(i), valueFile}, 60'000);
        ASSERT_TRUE(writer.finished) << writer.output.toStdString();
        ASSERT_EQ(writer.exitCode, -1) << "the writer was meant to be killed: " << writer.output.toStdString();
    }
}

void expectEveryText(SettingsStore& reader)
{
    const QStringList texts = awkwardTexts();
    for (int i = 0; i < texts.size(); ++i) {
        const QString back = reader.read(kApp, kSection, QStringLiteral("Key%1").arg(i), "missing");
        EXPECT_EQ(back.size(), texts[i].size()) << "text " << i;
        EXPECT_TRUE(back == texts[i]) << "text " << i << " came back as: " << back.left(80).toStdString();
    }
}

TEST(IniSettingsStoreTest, EveryTextSurvivesExactlyAcrossAKilledWriter)
{
    QTemporaryDir dir;
    writeEachTextByAKilledWriter(dir, dir.filePath("store"));
    IniSettingsStore reader(dir.filePath("store"));
    expectEveryText(reader);
}

// A plan file is written as the settings file is: durable once a write
// returns, whatever ends the process after.
TEST(IniSettingsStoreTest, EveryTextSurvivesInAPlanFileAcrossAKilledWriter)
{
    QTemporaryDir dir;
    const QString plan = dir.filePath("party.jubilo");
    PlanFileStore::create(plan, {{QStringLiteral("Date"), QString()}});
    writeEachTextByAKilledWriter(dir, plan);
    expectEveryText(*PlanFileStore::open(plan));
}

TEST(IniSettingsStoreTest, ApplicationsHaveFilesOfTheirOwn)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    store.write("Tarvel", "Jubilo", "Date", "one");
    store.write("Other", "Jubilo", "Date", "two");
    IniSettingsStore again(dir.path());
    EXPECT_EQ(again.read("Tarvel", "Jubilo", "Date", ""), "one");
    EXPECT_EQ(again.read("Other", "Jubilo", "Date", ""), "two");
    EXPECT_EQ(again.read("Tarvel", "Elsewhere", "Date", "none"), "none");
}

// A write the disk cannot take, however it fails, leaves the file as it
// was and says so; the plan in it reads back whole.
TEST(IniSettingsStoreTest, AFullDiskKeepsTheOldFileWholeAndSaysSo)
{
    QTemporaryDir dir;
    const QString guests = QStringLiteral("Ann||MySeparator12||Elm St||MySeparator11||").repeated(500);
    IniSettingsStore store(dir.path());
    store.write(kApp, kSection, "Guests", guests);
    store.write(kApp, kSection, "Music Budget", "120");
    const QByteArray before = testing::readFile(store.filePath(kApp));

    files::FileCalls full = files::systemFileCalls();
    full.write = [blocks = 1](int fd, const void* data, std::size_t size) mutable -> ssize_t {
        if (blocks-- > 0)
            return ::write(fd, data, std::min<std::size_t>(size, 4096));  // one block, then the disk is full
        errno = ENOSPC;
        return -1;
    };
    IniSettingsStore fullDisk(dir.path(), {}, full);
    try {
        fullDisk.write(kApp, kSection, "Guests", guests + "Bo||MySeparator12||Oak Rd||MySeparator11||");
        ADD_FAILURE() << "a write the disk could not take was taken for done";
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find("Tarvel.ini"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find(std::strerror(ENOSPC)), std::string::npos) << error.what();
    }
    EXPECT_EQ(testing::readFile(store.filePath(kApp)), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"Tarvel.ini"});
    IniSettingsStore after(dir.path());
    EXPECT_EQ(after.read(kApp, kSection, "Guests", ""), guests);
    EXPECT_EQ(after.read(kApp, kSection, "Music Budget", ""), "120");
}

// The same on a real disk that is full: a small tmpfs, when this machine
// lets the test mount one (root in CI does).
TEST(IniSettingsStoreTest, AFullTmpfsKeepsTheOldFileWhole)
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (std::system(("mount -t tmpfs -o size=64k tmpfs '" + mountPoint + "' 2>/dev/null").constData()) != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString guests = QStringLiteral("Ann||MySeparator12||Elm St||MySeparator11||").repeated(900);
    {
        IniSettingsStore store(dir.path());
        store.write(kApp, kSection, "Guests", guests);
        const QByteArray before = testing::readFile(store.filePath(kApp));
        EXPECT_THROW(store.write(kApp, kSection, "Guests", guests + "Bo||MySeparator12||Oak||MySeparator11||"),
                     StoreError);
        EXPECT_EQ(testing::readFile(store.filePath(kApp)), before);
        IniSettingsStore after(dir.path());
        EXPECT_EQ(after.read(kApp, kSection, "Guests", ""), guests);
    }
    std::system(("umount '" + mountPoint + "'").constData());
}

// A file that is there but cannot be read is an error naming it, never an
// empty plan.
TEST(IniSettingsStoreTest, AFileThatCannotBeReadIsAnErrorNotAnEmptyPlan)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Tarvel.ini"));  // no permission bit stops root, a folder does
    IniSettingsStore store(dir.path());
    try {
        store.read(kApp, kSection, "Guests", "");
        ADD_FAILURE() << "a folder read as an empty plan";
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find("Tarvel.ini"), std::string::npos) << error.what();
    }
    EXPECT_THROW(store.write(kApp, kSection, "Guests", "x"), StoreError);
    EXPECT_TRUE(QFileInfo(store.filePath(kApp)).isDir());
}

class ChangedOnDiskTest : public testing::ScriptedSystemTest {
protected:
    ChangedOnDiskTest() { sys.clock = QDateTime(QDate(2026, 12, 8), QTime(10, 0)); }
    void append(const QByteArray& text)
    {
        QFile file(store.filePath(kApp));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(text);
    }
    QTemporaryDir dir;
    QStringList notices;
    IniSettingsStore store{dir.path(), [this](const QString& text) { notices << text; }};
};

// Lines another program adds while Jubilo runs stay; when Jubilo writes a
// value that program changed, a copy of the file as it left it is kept.
TEST_F(ChangedOnDiskTest, AnotherProgramsChangesAreKeptOrCopiedAside)
{
    store.write(kApp, kSection, "Guests", "mine");
    EXPECT_EQ(store.read(kApp, kSection, "Guests", ""), "mine");
    append("Hand%20Added=by hand\n");
    store.write(kApp, kSection, "Music Budget", "10");
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(store.read(kApp, kSection, "Hand Added", ""), "by hand");

    append("Guests=theirs\n");
    const QByteArray theirs = testing::readFile(store.filePath(kApp));
    EXPECT_EQ(store.read(kApp, kSection, "Guests", ""), "theirs");  // as a save reads before it writes
    store.write(kApp, kSection, "Guests", "mine again");
    const QString copy = store.filePath(kApp) + ".changed-2026-12-08";
    EXPECT_EQ(testing::readFile(copy), theirs);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(copy));
    EXPECT_EQ(store.read(kApp, kSection, "Guests", ""), "mine again");
    EXPECT_EQ(store.read(kApp, kSection, "Hand Added", ""), "by hand");

    store.write(kApp, kSection, "Guests", "and again");  // nothing new of theirs: no second copy
    EXPECT_EQ(notices.size(), 1);
}

}  // namespace
}  // namespace jubilo
