// The plan's lock on real files: a second holder, in this process or
// another, is refused until it ends; whatever else stands at the lock's
// name is taken over or, when it cannot be, named in the message; a missing
// settings folder is made before the lock is taken.

#include "startup/plan_lock.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace jubilo {
namespace {

using Claim = PlanLock::Claim;

const QByteArray kOwnPid = QByteArray::number(qint64(::getpid())) + '\n';

bool isLink(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

class PlanLockTest : public testing::ScriptedSystemTest {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QTemporaryDir folder;
    const QString lockPath = planLockPath(QDir(folder.path()).filePath("Tarvel.ini"));
};

TEST_F(PlanLockTest, TheLockLiesBesideTheSettingsFile)
{
    EXPECT_EQ(planLockPath("/home/ann/.config/Tarvel.ini"), "/home/ann/.config/Jubilo.lock");
    EXPECT_EQ(planLockPath(""), "");
    PlanLock unguarded{QString()};
    EXPECT_EQ(unguarded.claim(), Claim::Held) << "a store without a file has nothing to guard";
}

// A plan file's lock lies beside the settings file too, named from the
// plan's real path: every name of one plan finds one lock, and two plans
// never share one.
TEST_F(PlanLockTest, APlanFilesLockIsTheSameByEveryNameOfThePlan)
{
    const QString store = QDir(folder.path()).filePath("Tarvel.ini");
    const QString plan = QDir(folder.path()).filePath("party.jubilo");
    testing::writeFile(plan, "[Jubilo]\n");
    ASSERT_TRUE(QFile::link(plan, QDir(folder.path()).filePath("link.jubilo")));
    const QString lock = planFileLockPath(store, plan);
    EXPECT_TRUE(QFileInfo(lock).fileName().startsWith("Jubilo-")) << lock.toStdString();
    EXPECT_EQ(QFileInfo(lock).path(), QFileInfo(store).path());
    EXPECT_EQ(planFileLockPath(store, QDir(folder.path()).filePath("./party.jubilo")), lock);
    EXPECT_EQ(planFileLockPath(store, QDir(folder.path()).filePath("link.jubilo")), lock);
    EXPECT_NE(planFileLockPath(store, QDir(folder.path()).filePath("other.jubilo")), lock);
    EXPECT_NE(lock, planLockPath(store)) << "the store's plan and a plan file are two plans";
    EXPECT_EQ(planFileLockPath("", plan), "");
}

// flock conflicts between two opens of the file, even in one process: the
// second PlanLock stands for a second start.
TEST_F(PlanLockTest, ASecondStartIsToldAndRefusedUntilTheFirstEnds)
{
    auto first = std::make_unique<PlanLock>(lockPath);
    ASSERT_EQ(claimPlanOrEnd(*first), std::nullopt);
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(testing::readFile(lockPath), kOwnPid);

    PlanLock second(lockPath);
    EXPECT_EQ(claimPlanOrEnd(second), 0);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Jubilo is already open.");
    EXPECT_EQ(sys.messages[0].flags, 0);
    EXPECT_EQ(testing::readFile(lockPath), kOwnPid) << "the refused start leaves the holder's id";

    first.reset();
    EXPECT_EQ(second.claim(), Claim::Held);
}

// A child process that holds the lock as a running Jubilo would, until
// end() (or the test) lets it end without unlocking or removing the file,
// as a killed Jubilo would.
class ChildHolder {
public:
    explicit ChildHolder(const QString& lockPath)
    {
        const QByteArray name = QFile::encodeName(lockPath);
        int held[2], release[2];
        if (::pipe(held) != 0 || ::pipe(release) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {  // only async-signal-safe calls from here on
            ::close(held[0]);
            ::close(release[1]);
            const int fd = ::open(name.constData(), O_RDWR | O_CREAT, 0600);
            char byte = fd >= 0 && ::flock(fd, LOCK_EX) == 0 && ::write(fd, "1\n", 2) == 2 ? 'y' : 'n';
            [[maybe_unused]] const ssize_t told = ::write(held[1], &byte, 1);
            [[maybe_unused]] const ssize_t waited = ::read(release[0], &byte, 1);  // until the test closes it
            ::_exit(0);
        }
        ::close(held[1]);
        ::close(release[0]);
        release_ = release[1];
        char byte = 0;
        holding_ = pid_ > 0 && ::read(held[0], &byte, 1) == 1 && byte == 'y';
        ::close(held[0]);
    }
    ~ChildHolder() { end(); }

    bool holding() const { return holding_; }

    void end()
    {
        if (release_ >= 0)
            ::close(release_);
        release_ = -1;
        int status = 0;
        if (pid_ > 0)
            ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool holding_ = false;
};

TEST_F(PlanLockTest, AnotherProcessHoldsThePlanUntilItEnds)
{
    ChildHolder child(lockPath);
    ASSERT_TRUE(child.holding());
    PlanLock lock(lockPath);
    EXPECT_EQ(lock.claim(), Claim::HeldElsewhere);

    child.end();
    ASSERT_EQ(testing::readFile(lockPath), "1\n") << "the ended program's file is left behind";
    EXPECT_EQ(lock.claim(), Claim::Held);
    EXPECT_EQ(testing::readFile(lockPath), kOwnPid);
}

TEST_F(PlanLockTest, WhatNoRunningJubiloHoldsIsTakenOver)
{
    const QString other = folder.filePath("other.txt");
    testing::writeFile(other, "not ours");
    const struct {
        const char* what;
        std::function<void()> plant;
    } cases[] = {
        {"an empty file, as a crash right after making it leaves", [&] { testing::writeFile(lockPath, ""); }},
        {"the id of a program long gone", [&] { testing::writeFile(lockPath, "999999999\nhost\n"); }},
        {"a file that cannot be opened",
         [&] {
             testing::writeFile(lockPath, "1\n");
             QFile::setPermissions(lockPath, {});
         }},
        {"a file that can only be read",
         [&] {
             testing::writeFile(lockPath, "1\n");
             QFile::setPermissions(lockPath, QFile::ReadOwner);
         }},
        {"a dangling link", [&] { QFile::link(folder.filePath("gone/away"), lockPath); }},
        {"a link to a file of the user's", [&] { QFile::link(other, lockPath); }},
        {"a pipe", [&] { ::mkfifo(QFile::encodeName(lockPath).constData(), 0600); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.plant();
        ASSERT_TRUE(QFileInfo(lockPath).exists() || isLink(lockPath));
        {
            PlanLock lock(lockPath);
            EXPECT_EQ(lock.claim(), Claim::Held) << lock.problem().toStdString();
            EXPECT_FALSE(isLink(lockPath));
            EXPECT_TRUE(QFileInfo(lockPath).isFile());
            PlanLock second(lockPath);
            EXPECT_EQ(second.claim(), Claim::HeldElsewhere);
        }
        EXPECT_EQ(testing::readFile(other), "not ours");
        QFile::setPermissions(lockPath, QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(QFile::remove(lockPath));
    }
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(PlanLockTest, ALockThatCannotBeTakenEndsTheProgramNamingItsFile)
{
    const QString asFile = QDir(folder.filePath("a-file")).filePath("Jubilo.lock");
    testing::writeFile(folder.filePath("a-file"), "");
    ASSERT_TRUE(QDir().mkpath(lockPath));
    QStringList paths{lockPath, asFile};
    const QString readOnly = folder.filePath("read-only");
    ASSERT_TRUE(QDir().mkpath(readOnly));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() != 0)  // the superuser writes in any folder
        paths << QDir(readOnly).filePath("Jubilo.lock");
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        sys.messages.clear();
        PlanLock lock(path);
        EXPECT_EQ(claimPlanOrEnd(lock), 1);
        EXPECT_TRUE(lock.problem().contains(path)) << lock.problem().toStdString();
        ASSERT_EQ(sys.messages.size(), 1u);
        EXPECT_TRUE(sys.messages[0].text.startsWith(lock.problem())) << sys.messages[0].text.toStdString();
        EXPECT_EQ(sys.messages[0].flags, msgbox::kOkOnly);
    }
    EXPECT_TRUE(QFileInfo(lockPath).isDir()) << "a folder of the user's is never removed";
}

TEST_F(PlanLockTest, AMissingSettingsFolderIsMadeOwnerOnlyThenLocked)
{
    const QString config = folder.filePath("home/.config");
    const QString path = planLockPath(QDir(config).filePath("Tarvel.ini"));
    PlanLock first(path);
    ASSERT_EQ(first.claim(), Claim::Held) << first.problem().toStdString();
    for (const QString& made : {folder.filePath("home"), config}) {
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(made).constData(), &info), 0) << made.toStdString();
        EXPECT_EQ(info.st_mode & 0777, 0700u) << made.toStdString();
    }

    PlanLock second(path);
    EXPECT_EQ(second.claim(), Claim::HeldElsewhere);
}

}  // namespace
}  // namespace jubilo
