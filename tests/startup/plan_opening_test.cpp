// The plan a start opens: the plan file named, or the store's plan when it
// cannot be opened; a plan open in another Jubilo ends the start.

#include "plan/saved_plan.h"
#include "plan/stored_values.h"
#include "platform/ini_settings_store.h"
#include "platform/plan_file_store.h"
#include "startup/plan_opening.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

class StartPlanTest : public testing::ScriptedSystemTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        sys.store = &settings;
        PlanFileStore::create(party, storedValues(testing::samplePlan()));
    }

    QTemporaryDir folder;
    IniSettingsStore settings{QDir(folder.path()).filePath("config")};
    const QString party = QDir(folder.path()).filePath("party.jubilo");
};

TEST_F(StartPlanTest, ThePlanFileNamedIsOpenedAndClaimed)
{
    OpenPlan plan;
    EXPECT_EQ(claimStartPlan(party, plan), std::nullopt);
    EXPECT_TRUE(sys.messages.empty());
    ASSERT_TRUE(plan.isFile());
    EXPECT_EQ(plan.path, party);
    EXPECT_EQ(windowCaption(plan), QString::fromUtf8("party \u2014 Jubilo"));
    EXPECT_EQ(plan.store().read(kStoreApplication, kStoreSection, "Guests", {}).left(4), "John");

    PlanLock second(planFileLockPath(settings.location(kStoreApplication), party));
    EXPECT_EQ(second.claim(), PlanLock::Claim::HeldElsewhere) << "the start holds the plan's lock";
}

TEST_F(StartPlanTest, APlanOpenInAnotherJubiloEndsTheStart)
{
    PlanLock other(planFileLockPath(settings.location(kStoreApplication), party));
    ASSERT_EQ(other.claim(), PlanLock::Claim::Held);
    OpenPlan plan;
    EXPECT_EQ(claimStartPlan(party, plan), 0);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Jubilo is already open.");
}

// A file that is no plan is named with its fault, then the store's plan
// opens, claimed as a start without a plan file claims it.
TEST_F(StartPlanTest, AFileThatIsNoPlanIsSaidSoAndTheStoresPlanOpens)
{
    const QString notes = QDir(folder.path()).filePath("notes.jubilo");
    testing::writeFile(notes, "shopping list\n");
    OpenPlan plan;
    EXPECT_EQ(claimStartPlan(notes, plan), std::nullopt);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains(notes)) << sys.messages[0].text.toStdString();
    EXPECT_FALSE(plan.isFile());
    EXPECT_EQ(windowCaption(plan), "Jubilo");
    ASSERT_TRUE(plan.lock);
    EXPECT_EQ(plan.lock->path(), planLockPath(settings.location(kStoreApplication)));
    EXPECT_EQ(testing::readFile(notes), "shopping list\n");
}

}  // namespace
}  // namespace jubilo
