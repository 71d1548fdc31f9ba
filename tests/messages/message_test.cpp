// The application title and the message boxes it captions.

#include "messages/app_title.h"
#include "messages/message.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(AppTitleTest, CutsTheLastWordThenWordsUntilFortyCharactersRemain)
{
    EXPECT_EQ(appTitleFor("Jubilo"), "Jubilo");  // no blank: kept whole
    EXPECT_EQ(appTitleFor("Holiday Party Planner"), "Holiday Party");
    const QString forty = "Holiday Party Planner For Every Occasion";  // exactly 40
    ASSERT_EQ(forty.size(), 40);
    EXPECT_EQ(appTitleFor(forty), "Holiday Party Planner For Every");
    const QString sixty = "The Complete Holiday Party Planner For Families And Friends!";
    ASSERT_EQ(sixty.size(), 60);
    const QString title = appTitleFor(sixty);
    EXPECT_EQ(title, "The Complete Holiday Party Planner For");
    EXPECT_LE(title.size(), 40);
    EXPECT_EQ(appTitleFor(QString(60, 'x')), QString(60, 'x'));

    setAppTitle();
    EXPECT_EQ(appTitle(), "Jubilo");
}

TEST(MessageTest, BoxesWithoutACaptionCarryTheApplicationTitle)
{
    testing::ScriptedSystem sys;
    ScopedSystem installed(sys);
    sys.answers = {msgbox::kAnswerYes};
    EXPECT_EQ(msgBox("Proceed?", msgbox::kYesNo), msgbox::kAnswerYes);
    msgBox("Done.", msgbox::kOkOnly, QStringLiteral("Own caption"));
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_EQ(sys.messages[0].caption, appTitle());
    EXPECT_EQ(sys.messages[0].flags, 4);
    EXPECT_EQ(sys.messages[1].caption, "Own caption");
}

}  // namespace
}  // namespace jubilo
