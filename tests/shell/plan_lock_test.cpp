#include "shell/plan_lock.h"
#include "tests/support/scripted_system.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace jubilo {
namespace {

class PlanLockTest : public testing::ScriptedSystemTest {
protected:
    QTemporaryDir folder;
    const QString lockPath = planLockPath(QDir(folder.path()).filePath("Tarvel.ini"));
};

TEST_F(PlanLockTest, TheLockLiesBesideTheSettingsFile)
{
    EXPECT_EQ(planLockPath("/home/ann/.config/Tarvel.ini"), "/home/ann/.config/Jubilo.lock");
    EXPECT_EQ(planLockPath(""), "");
    PlanLock unguarded{QString()};
    EXPECT_TRUE(unguarded.claim()) << "a store without a file has nothing to guard";
}

TEST_F(PlanLockTest, ASecondStartIsToldAndRefusedUntilTheFirstEnds)
{
    auto first = std::make_unique<PlanLock>(lockPath);
    ASSERT_TRUE(claimPlanOrSayOpen(*first));
    EXPECT_TRUE(sys.messages.empty());

    PlanLock second(lockPath);
    EXPECT_FALSE(claimPlanOrSayOpen(second));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Jubilo is already open.");
    EXPECT_EQ(sys.messages[0].flags, 0);

    first.reset();
    EXPECT_TRUE(second.claim());
}

TEST_F(PlanLockTest, TheLockOfAKilledProgramIsTakenOver)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile held(lockPath);
        held.setStaleLockTime(0);
        ::_exit(held.tryLock(0) ? 0 : 1);  // ends without unlocking, as a killed program would
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(lockPath)) << "the killed program's lock is left behind";

    PlanLock next(lockPath);
    EXPECT_TRUE(next.claim());
}

}  // namespace
}  // namespace jubilo
