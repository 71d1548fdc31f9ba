// The recent plans: newest first, at most eight, kept in a group of their
// own so the plan's group never sees them.

#include "plan/recent_plans.h"
#include "plan/saved_plan.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(RecentPlansTest, NewestFirstAtMostEightAndNeverInThePlansGroup)
{
    testing::MemorySettingsStore store;
    RecentPlans recent(store);
    for (int i = 1; i <= 10; ++i)
        recent.add(QStringLiteral("/plans/%1.jubilo").arg(i));
    const QStringList paths = recent.paths();
    ASSERT_EQ(paths.size(), kMaxRecentPlans);
    EXPECT_EQ(paths.first(), "/plans/10.jubilo");
    EXPECT_EQ(paths.last(), "/plans/3.jubilo");

    recent.add("/plans/5.jubilo");  // opened again: first, and only once
    EXPECT_EQ(recent.paths().first(), "/plans/5.jubilo");
    EXPECT_EQ(recent.paths().count("/plans/5.jubilo"), 1);
    EXPECT_EQ(recent.paths().size(), kMaxRecentPlans);

    recent.remove("/plans/10.jubilo");
    EXPECT_FALSE(recent.paths().contains("/plans/10.jubilo"));
    EXPECT_EQ(recent.paths().size(), kMaxRecentPlans - 1);
    for (const QString& key : store.values.keys())
        EXPECT_FALSE(key.startsWith(kStoreApplication + '/' + kStoreSection + '/')) << key.toStdString();
}

TEST(RecentPlansTest, OnlyTheKeysThatChangeAreWritten)
{
    testing::MemorySettingsStore store;
    RecentPlans recent(store);
    recent.add("/a.jubilo");
    recent.add("/b.jubilo");
    store.writtenKeys.clear();
    recent.add("/b.jubilo");  // already first
    EXPECT_TRUE(store.writtenKeys.empty());
}

}  // namespace
}  // namespace jubilo
