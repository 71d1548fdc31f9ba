#include "journaled_writes.h"
#include "platform/ini_document.h"
#include "platform/ini_settings_store.h"
#include "platform/plan_file_store.h"
#include "tests/support/external_tools.h"
#include "tests/support/journal_files.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
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

// A writer whose changes went to the journal (a table-sized value, then
// that table changed a row at a time), killed by SIGKILL right after its
// last write returned: a fresh store reads every value exactly, from a
// settings file and from a plan file.
TEST(IniSettingsStoreTest, JournaledChangesSurviveAKilledWriter)
{
    QTemporaryDir dir;
    IniSettingsStore(dir.filePath("store")).write(kApp, kSection, "Date", "before");
    const QString plan = dir.filePath("party.jubilo");
    PlanFileStore::create(plan, {{QStringLiteral("Date"), QStringLiteral("before")}});
    struct Target {
        const char* name;
        QString given, file;
    };
    const Target targets[]
        = {{"settings file", dir.filePath("store"), dir.filePath("store/Tarvel.ini")}, {"plan file", plan, plan}};
    const std::map<QString, QString> expected = testing::lastValues(testing::journaledWrites());
    for (const Target& target : targets) {
        SCOPED_TRACE(target.name);
        const auto writer
            = testing::runProcess(QStringLiteral(STORE_WRITER_TOOL), {target.given, "--journaled"}, 60'000);
        ASSERT_TRUE(writer.finished) << writer.output.toStdString();
        ASSERT_EQ(writer.exitCode, -1) << "the writer was meant to be killed: " << writer.output.toStdString();
        ASSERT_TRUE(testing::nameTaken(testing::journalOf(target.file)));
        EXPECT_NE(ini::IniDocument(testing::readFile(target.file)).value(kSection, "Guests"), expected.at("Guests"))
            << "the changes were meant to be in the journal, not the file";

        const std::unique_ptr<SettingsStore> reader = target.file == plan
            ? std::unique_ptr<SettingsStore>(PlanFileStore::open(plan))
            : std::make_unique<IniSettingsStore>(target.given);
        for (const auto& [key, text] : expected)
            EXPECT_TRUE(reader->read(kApp, kSection, key, "missing") == text) << key.toStdString();
    }
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

// `call`, failing with `error` while `failing` is set.
template <typename Call>
Call failingWhile(const bool& failing, Call call, int error)
{
    return [&failing, call, error](auto... arguments) {
        if (!failing)
            return call(arguments...);
        errno = error;
        return decltype(call(arguments...))(-1);
    };
}

struct DiskFailure {
    const char* name;
    int error;
    bool journalFirst;  // a change is in the journal before the disk fails
    std::function<void(files::FileCalls& calls, const bool& failing)> inject;
    bool byFold;  // the failing write is the journal's fold, not a change
};

// A change the disk cannot take, however it fails, leaves the values on
// disk and in memory as they were and says so, naming the file and the
// reason; once the disk has room again the next change goes through.
TEST(IniSettingsStoreTest, AFullDiskKeepsTheOldValuesAndSaysSo)
{
    const QString guests = QStringLiteral("Ann||MySeparator12||Elm St||MySeparator11||").repeated(500);
    const QString more = guests + "Bo||MySeparator12||Oak Rd||MySeparator11||";
    const files::FileCalls& real = files::systemFileCalls();
    // A write that takes all but the last byte; the last never fits.
    const auto filling = [real](const bool& failing) {
        return [&failing, real](int fd, const void* data, std::size_t size) -> ssize_t {
            if (!failing)
                return real.write(fd, data, size);
            if (size > 1)
                return real.write(fd, data, size - 1);
            errno = ENOSPC;
            return -1;
        };
    };
    const DiskFailure cases[] = {
        {"the journal cannot be made", EDQUOT, false,
         [&](files::FileCalls& c, const bool& failing) { c.openat = failingWhile(failing, real.openat, EDQUOT); },
         false},
        {"the disk fills as the journal is made", ENOSPC, false,
         [&](files::FileCalls& c, const bool& failing) { c.write = filling(failing); }, false},
        {"the disk fills as a change is appended", ENOSPC, true,
         [&](files::FileCalls& c, const bool& failing) { c.write = filling(failing); }, false},
        {"the journal cannot be flushed", EIO, true,
         [&](files::FileCalls& c, const bool& failing) { c.fdatasync = failingWhile(failing, real.fdatasync, EIO); },
         false},
        {"the disk fills as the journal is folded", ENOSPC, true,
         [&](files::FileCalls& c, const bool& failing) { c.write = filling(failing); }, true},
    };
    for (const DiskFailure& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        bool failing = false;
        files::FileCalls calls = real;
        c.inject(calls, failing);
        IniSettingsStore store(dir.path(), {}, calls);
        store.write(kApp, kSection, "Guests", guests);
        store.write(kApp, kSection, "Music Budget", "120");
        if (!c.journalFirst)
            store.checkpoint();
        const QString journal = testing::journalOf(store.filePath(kApp));
        const QByteArray fileBefore = testing::readFile(store.filePath(kApp));
        const QByteArray journalBefore = testing::readFile(journal);

        // A table and its budget changed as one: neither is taken alone.
        const ValueWrite change[] = {{"Guests", [&more] { return more; }, std::nullopt},
                                     {"Music Budget", [] { return QStringLiteral("150"); }, std::nullopt}};
        failing = true;
        try {
            if (c.byFold)
                store.checkpoint();
            else
                store.writeAll(kApp, kSection, change);
            ADD_FAILURE() << "a write the disk could not take was taken for done";
        } catch (const StoreError& error) {
            EXPECT_NE(std::string(error.what()).find("Tarvel.ini"), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(std::strerror(c.error)), std::string::npos) << error.what();
        }
        EXPECT_TRUE(store.read(kApp, kSection, "Guests", "") == guests);
        EXPECT_EQ(store.read(kApp, kSection, "Music Budget", ""), "120");
        EXPECT_EQ(testing::readFile(store.filePath(kApp)), fileBefore);
        if (!c.byFold) {
            EXPECT_EQ(testing::readFile(journal), journalBefore);
        }
        {
            IniSettingsStore fresh(dir.path());
            EXPECT_TRUE(fresh.read(kApp, kSection, "Guests", "") == guests);
            EXPECT_EQ(fresh.read(kApp, kSection, "Music Budget", ""), "120");
        }

        failing = false;
        store.writeAll(kApp, kSection, change);
        IniSettingsStore after(dir.path());
        EXPECT_TRUE(after.read(kApp, kSection, "Guests", "") == more);
        EXPECT_EQ(after.read(kApp, kSection, "Music Budget", ""), "150");
    }
}

// The same on a real disk that is full: a small tmpfs, when this machine
// lets the test mount one (root in CI does). A change still fits in the
// journal where the file cannot be written again beside itself; once not
// even the journal has room, the change is refused and the last one stays.
TEST(IniSettingsStoreTest, AFullTmpfsKeepsTheOldFileWhole)
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (std::system(("mount -t tmpfs -o size=64k tmpfs '" + mountPoint + "' 2>/dev/null").constData()) != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString guests = QStringLiteral("Ann||MySeparator12||Elm St||MySeparator11||").repeated(900);
    const QString more = guests + "Bo||MySeparator12||Oak||MySeparator11||";
    {
        IniSettingsStore store(dir.path());
        store.write(kApp, kSection, "Guests", guests);
        const QByteArray before = testing::readFile(store.filePath(kApp));
        store.write(kApp, kSection, "Guests", more);
        EXPECT_THROW(store.checkpoint(), StoreError);
        EXPECT_EQ(testing::readFile(store.filePath(kApp)), before);
        EXPECT_TRUE(IniSettingsStore(dir.path()).read(kApp, kSection, "Guests", "") == more);

        QFile filler(dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {}
        filler.close();
        // More rows than the journal's last block has room for.
        const QString rows = QStringLiteral("Cy||MySeparator12||Elm||MySeparator11||").repeated(300);
        EXPECT_THROW(store.write(kApp, kSection, "Guests", more + rows), StoreError);
        EXPECT_TRUE(store.read(kApp, kSection, "Guests", "") == more);
        EXPECT_EQ(testing::readFile(store.filePath(kApp)), before);
        EXPECT_TRUE(IniSettingsStore(dir.path()).read(kApp, kSection, "Guests", "") == more);
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

// Changes still in the journal stay on top of what another program left
// in the file, and go into it at the next write; when the program changed
// one of those values too, a copy of its file is kept first.
TEST_F(ChangedOnDiskTest, JournaledChangesAreFoldedIntoAnotherProgramsFile)
{
    const QString file = store.filePath(kApp);
    store.write(kApp, kSection, "Date", "before");
    store.write(kApp, kSection, "Guests", "mine");
    store.write(kApp, kSection, "Music Budget", "10");
    ASSERT_TRUE(testing::nameTaken(testing::journalOf(file)));
    append("Hand%20Added=by hand\n");  // by a program that sees only the file
    EXPECT_EQ(store.read(kApp, kSection, "Guests", ""), "mine");
    EXPECT_EQ(store.read(kApp, kSection, "Hand Added", ""), "by hand");
    store.write(kApp, kSection, "Date", "after");
    EXPECT_TRUE(notices.isEmpty());
    const ini::IniDocument folded(testing::readFile(file));
    EXPECT_EQ(folded.value(kSection, "Guests"), QStringLiteral("mine"));
    EXPECT_EQ(folded.value(kSection, "Music Budget"), QStringLiteral("10"));
    EXPECT_EQ(folded.value(kSection, "Hand Added"), QStringLiteral("by hand"));
    EXPECT_EQ(folded.value(kSection, "Date"), QStringLiteral("after"));

    store.write(kApp, kSection, "Guests", "mine again");
    testing::writeFile(file, testing::readFile(file).replace("Guests=mine", "Guests=theirs"));
    const QByteArray theirs = testing::readFile(file);
    store.write(kApp, kSection, "Date", "later");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(testing::readFile(file + ".changed-2026-12-08"), theirs);
    EXPECT_EQ(IniSettingsStore(dir.path()).read(kApp, kSection, "Guests", ""), "mine again");
}

}  // namespace
}  // namespace jubilo
