// The journal beside a settings or plan file: a torn end is ignored and cut
// off, a journal of another file is never applied but kept aside, nothing
// at its name is ever followed or touched, and an unchanged file is not
// read again.

#include "plan/saved_plan.h"
#include "platform/ini_document.h"
#include "platform/ini_settings_store.h"
#include "platform/journal_format.h"
#include "tests/support/journal_files.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {
namespace {

using testing::readFile;
using testing::writeFile;

const QString kApp = QStringLiteral("Tarvel");
const QString kSection = QStringLiteral("Jubilo");

class StoreJournalTest : public testing::ScriptedSystemTest {
protected:
    StoreJournalTest() { sys.clock = QDateTime(QDate(2026, 12, 8), QTime(10, 0)); }
    QString file() const { return dir.filePath("Tarvel.ini"); }
    QString journal() const { return testing::journalOf(file()); }
    QString read(const QString& key)
    {
        IniSettingsStore store(dir.path());
        return store.read(kApp, kSection, key, "");
    }
    // Makes the file, then journals `changes` in order, and leaves the
    // file and journal as a writer killed after the last change would;
    // returns where the last change's entry starts in the journal.
    qsizetype crashAfter(const std::vector<std::pair<QString, QString>>& changes)
    {
        QByteArray fileBytes, journalBytes;
        qsizetype lastStart = 0;
        {
            IniSettingsStore writer(dir.path());
            writer.write(kApp, kSection, "Date", "May 1st");
            for (const auto& [key, text] : changes) {
                lastStart = readFile(journal()).size();
                writer.write(kApp, kSection, key, text);
            }
            fileBytes = readFile(file());
            journalBytes = readFile(journal());
        }  // folds the journal, as a writer that is not killed does
        writeFile(file(), fileBytes);
        writeFile(journal(), journalBytes);
        return journalBytes.startsWith("jubilo-journal") ? lastStart : -1;
    }

    QTemporaryDir dir;
    QStringList notices;
};

struct TailDamage {
    const char* name;
    std::function<QByteArray(QByteArray journal, qsizetype lastStart)> damage;
    const char* budget;  // as read afterwards
};

// A crash while an entry was appended leaves it torn: the values before it
// read as they were, and the next change cuts it off and reads back.
TEST_F(StoreJournalTest, ATornEndIsIgnoredAndCutBeforeTheNextChange)
{
    const TailDamage cases[] = {
        {"cut in the entry's first line", [](QByteArray j, qsizetype at) { return j.left(at + 5); }, "10"},
        {"cut in its text", [](QByteArray j, qsizetype at) { return j.left(at + (j.size() - at) / 2); }, "10"},
        {"its last line break missing", [](QByteArray j, qsizetype) { return j.chopped(1); }, "10"},
        {"a byte of it changed",
         [](QByteArray j, qsizetype) {
             j[j.size() - 3] = char(j[j.size() - 3] ^ 1);
             return j;
         },
         "10"},
        {"a torn entry after it", [](QByteArray j, qsizetype) { return j + "edit 120 1a2b3c4d\nJub"; }, "11"},
    };
    for (const TailDamage& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        const qsizetype lastStart = crashAfter({{"Music Budget", "10"}, {"Music Budget", "11"}});
        ASSERT_GT(lastStart, 0);
        writeFile(journal(), c.damage(readFile(journal()), lastStart));

        IniSettingsStore next(dir.path());
        EXPECT_EQ(next.read(kApp, kSection, "Music Budget", ""), c.budget);
        EXPECT_EQ(next.read(kApp, kSection, "Date", ""), "May 1st");
        next.write(kApp, kSection, "Guests", "Ann");
        EXPECT_EQ(read("Guests"), "Ann");
        EXPECT_EQ(read("Music Budget"), c.budget);
    }
}

struct OtherFile {
    const char* name;
    // Puts in the file's place what another program, or a fold whose
    // journal was not removed, left; the crashed journal is beside it.
    std::function<void(const QString& file, const QByteArray& journal)> leave;
    const char* budget;  // as read afterwards
    bool copied;
};

// A journal whose file was replaced is not applied: when it holds changes
// they are kept aside before it goes, and the user is told where.
TEST_F(StoreJournalTest, AJournalOfAnotherFileIsNotAppliedAndKeptAside)
{
    const OtherFile cases[] = {
        {"the file replaced by another program",
         [](const QString& file, const QByteArray&) { writeFile(file, "[Jubilo]\nDate=theirs\n"); }, "", true},
        {"the file rewritten by a fold that did not remove the journal",
         [](const QString& file, const QByteArray& journal) {
             const QByteArray folded = readFile(file).replace("Date=May 1st\n", "Date=May 1st\nMusic%20Budget=10\n");
             writeFile(file, folded);
             writeFile(testing::journalOf(file), journal + journal::foldEntry(journal::baseOf(folded)));
         },
         "10", false},
    };
    for (const OtherFile& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        ASSERT_GT(crashAfter({{"Music Budget", "10"}}), 0);
        const QByteArray crashed = readFile(journal());
        c.leave(file(), crashed);
        notices.clear();
        IniSettingsStore store(dir.path(), [this](const QString& text) { notices << text; });
        EXPECT_EQ(store.read(kApp, kSection, "Music Budget", ""), c.budget);
        EXPECT_TRUE(notices.isEmpty()) << "nothing is kept or said before a write";

        store.write(kApp, kSection, "Guests", "Ann");
        const QString copy = file() + ".journal-2026-12-08";
        EXPECT_EQ(readFile(copy), c.copied ? crashed : QByteArray("<unreadable>"));
        ASSERT_EQ(notices.size(), c.copied ? 1 : 0);
        if (c.copied) {
            EXPECT_TRUE(notices[0].contains(copy)) << notices[0].toStdString();
        }
        EXPECT_EQ(read("Guests"), "Ann");
        EXPECT_EQ(read("Music Budget"), c.budget);
        store.checkpoint();
        EXPECT_FALSE(testing::nameTaken(journal()));
        EXPECT_EQ(notices.size(), c.copied ? 1 : 0);
    }
}

struct Planted {
    const char* name;
    std::function<bool(const QString& at, const QString& victim)> plant;
    mode_t kind;
};

// A link or anything but a regular file at the journal's name is never
// read, written through or removed: the file is written whole instead.
TEST_F(StoreJournalTest, NothingAtTheJournalsNameIsFollowedOrTouched)
{
    const Planted cases[] = {
        {"a link to a file", [](const QString& at, const QString& victim) { return QFile::link(victim, at); }, S_IFLNK},
        {"a link to nothing", [](const QString& at, const QString&) { return QFile::link("/nonexistent/j", at); },
         S_IFLNK},
        {"a folder", [](const QString& at, const QString&) { return QDir().mkdir(at); }, S_IFDIR},
        {"a pipe", [](const QString& at, const QString&) { return ::mkfifo(QFile::encodeName(at), 0600) == 0; },
         S_IFIFO},
    };
    for (const Planted& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        const QString victim = dir.filePath("victim");
        writeFile(victim, "precious");
        IniSettingsStore(dir.path()).write(kApp, kSection, "Date", "May 1st");
        ASSERT_TRUE(c.plant(journal(), victim));

        IniSettingsStore store(dir.path());
        store.write(kApp, kSection, "Music Budget", "10");
        store.write(kApp, kSection, "Music Budget", "11");
        EXPECT_EQ(ini::IniDocument(readFile(file())).value(kSection, "Music Budget"), QStringLiteral("11"));
        EXPECT_EQ(readFile(victim), "precious");
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(journal()).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & S_IFMT, c.kind);
        EXPECT_EQ(read("Music Budget"), "11");
    }
}

// While the file and its journal stay as Jubilo left them, reading a value
// or writing one opens neither: what was read is used.
TEST_F(StoreJournalTest, AnUnchangedFileIsNotReadAgain)
{
    int opened = 0;
    files::FileCalls counting = files::systemFileCalls();
    counting.openat = [&opened](int folder, const char* name, int flags, mode_t mode) {
        ++opened;
        return ::openat(folder, name, flags, mode);
    };
    IniSettingsStore store(dir.path(), {}, counting);
    store.write(kApp, kSection, "Date", "May 1st");
    store.write(kApp, kSection, "Music Budget", "10");
    store.read(kApp, kSection, "Date", "");
    const int afterFirstLook = opened;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(store.read(kApp, kSection, "Date", ""), "May 1st");
        EXPECT_EQ(store.read(kApp, kSection, "Music Budget", ""), QString::number(10 + i));
        store.write(kApp, kSection, "Music Budget", QString::number(11 + i));
    }
    EXPECT_EQ(opened, afterFirstLook);

    IniSettingsStore(dir.path()).write(kApp, "Other", "Key", "by another store");
    EXPECT_EQ(store.read(kApp, "Other", "Key", ""), "by another store");
    EXPECT_GT(opened, afterFirstLook);
}

}  // namespace
}  // namespace jubilo
