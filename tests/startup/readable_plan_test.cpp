// The window opens only on a plan it can read: a settings file it cannot
// read ends the start with one message naming it, before any step of
// loading could fail in turn.

#include "platform/ini_settings_store.h"
#include "startup/readable_plan.h"
#include "tests/support/scripted_system.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

class ReadablePlanTest : public testing::ScriptedSystemTest {
protected:
    QTemporaryDir dir;
};

TEST_F(ReadablePlanTest, AnUnreadableSettingsFileEndsTheStartNamingIt)
{
    IniSettingsStore store(dir.path());
    EXPECT_EQ(checkPlanReadableOrEnd(store), std::nullopt);  // no file yet: a new plan
    EXPECT_TRUE(sys.messages.empty());

    ASSERT_TRUE(QDir(dir.path()).mkdir("Tarvel.ini"));  // stops root too, unlike permission bits
    EXPECT_EQ(checkPlanReadableOrEnd(store), 1);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains(store.filePath("Tarvel"))) << sys.messages[0].text.toStdString();
    EXPECT_EQ(sys.messages[0].flags, msgbox::kOkOnly);
}

}  // namespace
}  // namespace jubilo
