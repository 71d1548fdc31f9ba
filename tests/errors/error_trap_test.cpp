#include "errors/error_box.h"
#include "errors/error_trap.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace jubilo {
namespace {

class ErrorTrapTest : public ::testing::Test {
protected:
    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
};

TEST_F(ErrorTrapTest, BoxHasTheExactTitleFlagsAndText)
{
    ErrorTrap trap(locations::kGenerateReport);
    trap.step(176, [] { throw std::runtime_error("Method 'SaveAs' failed"); });
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].caption, "Application Error");
    EXPECT_EQ(sys.messages[0].flags, 48);
    EXPECT_EQ(sys.messages[0].text,
              "Method 'SaveAs' failed\r\n"
              "in Quenby2021/08/31.DuzodIduz.GenerateReport0 at line 176\r\r"
              "Please email screenshot of this message to support@jubilo.example");
}

TEST_F(ErrorTrapTest, EveryFailureIsShownAndTheNextStepRuns)
{
    std::vector<int> ran;
    ErrorTrap trap(locations::kMainWindowLoad);
    trap.step(100, [&] {
        ran.push_back(100);
        throw std::runtime_error("first");
    });
    trap.step(102, [&] { ran.push_back(102); });
    trap.step(104, [&] {
        ran.push_back(104);
        throw 42;
    });
    trap.step(106, [&] { ran.push_back(106); });
    EXPECT_EQ(ran, (std::vector<int>{100, 102, 104, 106}));
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_TRUE(sys.messages[0].text.startsWith("first\r\nin Quenby2021/08/31.Form1.Form_Load at line 100"));
    EXPECT_TRUE(sys.messages[1].text.startsWith("Unknown error\r\n"));
    EXPECT_TRUE(sys.messages[1].text.contains("at line 104\r\r"));
    EXPECT_EQ(trap.failureCount(), 2);
    EXPECT_EQ(trap.lastStep(), 106);
}

TEST_F(ErrorTrapTest, AFailingConditionRunsTheStepsItGuards)
{
    ErrorTrap trap(locations::kSaveResultsClick);
    EXPECT_TRUE(trap.condition(116, [] { return true; }));
    EXPECT_FALSE(trap.condition(118, [] { return false; }));
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_TRUE(trap.condition(120, []() -> bool { throw std::runtime_error("cannot tell"); }));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("PushButton6_Click at line 120"));
}

TEST_F(ErrorTrapTest, AFailureInsideAnUntrappedCalleeIsReportedAtTheCallersStep)
{
    auto helperWithoutTrap = [] { throw std::out_of_range("Subscript out of range"); };
    ErrorTrap trap(locations::kLoadSampleDataClick);
    trap.step(130, [&] { helperWithoutTrap(); });
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.startsWith("Subscript out of range\r\n"));
    EXPECT_TRUE(sys.messages[0].text.contains("at line 130"));
}

TEST_F(ErrorTrapTest, HandlersWithoutStepsNeverLetAFailureEscape)
{
    const ErrorLocation budgetChange{"Form1.txtMusicBudget_Change"};
    EXPECT_NO_THROW(guardHandler(budgetChange, [] { throw std::runtime_error("store is read-only"); }));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("in Quenby2021/08/31.Form1.txtMusicBudget_Change at line 0"));
}

TEST_F(ErrorTrapTest, ABoxThatCannotBeShownDoesNotEscapeEither)
{
    struct BrokenBoxes : testing::ScriptedSystem {
        int messageBox(const QString&, int, const QString&) override { throw std::runtime_error("no display"); }
    } broken;
    ScopedSystem scoped(broken);
    ErrorTrap trap(locations::kMainWindowClose);
    EXPECT_NO_THROW(trap.step(100, [] { throw std::runtime_error("x"); }));
    EXPECT_EQ(trap.failureCount(), 1);
}

// A procedure abandoned by its essential step shows that one box, runs none
// of the steps that needed it, and still gives back what it took.
TEST_F(ErrorTrapTest, AFailedEssentialStepAbandonsAllButTheCleanup)
{
    std::vector<int> ran;
    ErrorTrap trap(locations::kGenerateReport);
    EXPECT_TRUE(trap.essential(172, [&] { ran.push_back(172); }));
    EXPECT_FALSE(trap.abandoned());
    EXPECT_FALSE(trap.essential(176, [&] {
        ran.push_back(176);
        throw std::runtime_error("disk full");
    }));
    EXPECT_TRUE(trap.abandoned());
    EXPECT_FALSE(trap.step(178, [&] { ran.push_back(178); }));
    EXPECT_FALSE(trap.essential(180, [&] { ran.push_back(180); }));
    EXPECT_FALSE(trap.condition(182, [&] {
        ran.push_back(182);
        return true;
    }));
    EXPECT_TRUE(trap.cleanup(184, [&] { ran.push_back(184); }));
    EXPECT_FALSE(trap.cleanup(186, [&] {
        ran.push_back(186);
        throw std::runtime_error("cannot close");
    }));
    EXPECT_EQ(ran, (std::vector<int>{172, 176, 184, 186}));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(
        sys.messages[0].text.startsWith("disk full\r\nin Quenby2021/08/31.DuzodIduz.GenerateReport0 at line 176"));
    EXPECT_EQ(trap.failureCount(), 1);
}

TEST_F(ErrorTrapTest, CleanupBeforeAnyFailureIsAStepLikeTheOthers)
{
    ErrorTrap trap(locations::kGenerateReport);
    EXPECT_FALSE(trap.cleanup(198, [] { throw std::runtime_error("cannot quit"); }));
    EXPECT_FALSE(trap.abandoned()) << "a failed cleanup abandons nothing";
    EXPECT_TRUE(trap.step(200, [] {}));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("GenerateReport0 at line 198"));
}

// A procedure whose callee has shown its own box ends without another.
TEST_F(ErrorTrapTest, AbandoningShowsNoBoxOfItsOwn)
{
    bool ran = false;
    ErrorTrap trap(locations::kGenerateReport);
    trap.abandon();
    trap.step(202, [&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(trap.failureCount(), 0);
}

TEST(ErrorLocationTest, EveryLocationIsDistinctAndInTheBoxFormat)
{
    const auto all = locations::all();
    ASSERT_EQ(all.size(), 54u);
    std::set<QString> texts;
    for (const ErrorLocation& location : all) {
        const QString text = location.text();
        EXPECT_TRUE(text.startsWith("in Quenby2021/08/31.")) << text.toStdString();
        EXPECT_TRUE(text.endsWith(' ')) << text.toStdString();
        EXPECT_EQ(text.count(QLatin1Char('.')), 2) << text.toStdString();  // "31." and "Module."
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 54u);
    EXPECT_TRUE(texts.count("in Quenby2021/08/31.Form3.picture1_MouseDown "));
    EXPECT_TRUE(texts.count("in Quenby2021/08/31.Form3.Picture1_MouseUp "));
    EXPECT_TRUE(texts.count("in Quenby2021/08/31.Excel1.saveCellsActivesheet "));
}

}  // namespace
}  // namespace jubilo
