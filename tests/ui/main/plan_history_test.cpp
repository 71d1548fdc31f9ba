// The history on its own: a step the window cannot take leaves the stack
// where it was, the menu's items follow the stack, and the oldest steps go
// only past the limit.

#include "ui/main/plan_history.h"

#include <QAction>

#include <gtest/gtest.h>

#include <stdexcept>

namespace jubilo {
namespace {

HistoryStep dateStep(const QString& before, const QString& after)
{
    PlanChange change;
    change.add(DateChanged{before, after});
    return {std::move(change), {}, {}};
}

class PlanHistoryTest : public ::testing::Test {
protected:
    // The window's part: the date the plan shows, or a refusal.
    PlanHistory history{[this](const HistoryStep& step, bool undo) {
        if (refuse)
            throw std::runtime_error("the store refused");
        const auto& date = std::get<DateChanged>(step.change.edits().front());
        shown = undo ? date.before : date.after;
        ++applied;
    }};
    QString shown;
    int applied = 0;
    bool refuse = false;
};

TEST_F(PlanHistoryTest, AStepTheWindowCannotTakeLeavesTheHistoryWhereItWas)
{
    QAction undo, redo;
    history.bindActions(undo, redo);
    history.push("Party Date", dateStep("a", "b"));
    EXPECT_EQ(applied, 0) << "a pushed step is made already";
    EXPECT_EQ(undo.text(), "&Undo Party Date");
    EXPECT_TRUE(undo.isEnabled());

    refuse = true;
    EXPECT_THROW(history.undo(), std::runtime_error);
    EXPECT_EQ(history.stack().index(), 1);
    EXPECT_TRUE(undo.isEnabled());
    EXPECT_FALSE(redo.isEnabled());

    refuse = false;
    history.undo();
    EXPECT_EQ(shown, "a");
    EXPECT_EQ(redo.text(), "&Redo Party Date");
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_EQ(undo.text(), "&Undo");

    refuse = true;
    EXPECT_THROW(history.redo(), std::runtime_error);
    EXPECT_EQ(history.stack().index(), 0);
    refuse = false;
    history.redo();
    EXPECT_EQ(shown, "b");
    EXPECT_EQ(applied, 2) << "each undo and redo runs once, the stack's own call adds none";

    history.undo();  // one step to redo, which a new step drops
    history.push("Party Date", dateStep("a", "c"));
    EXPECT_FALSE(redo.isEnabled());
    history.clear();
    EXPECT_FALSE(undo.isEnabled());
    history.undo();  // nothing to undo: no call, no error
    EXPECT_EQ(applied, 3);
}

TEST_F(PlanHistoryTest, TheOldestStepsGoOnlyPastTheLimit)
{
    for (int i = 0; i <= kMaxUndoSteps; ++i)
        history.push("Party Date", dateStep(QString::number(i), QString::number(i + 1)));
    EXPECT_EQ(history.stack().count(), kMaxUndoSteps);
    for (int i = 0; i < kMaxUndoSteps; ++i)
        history.undo();
    EXPECT_EQ(shown, "1") << "the first step went, the one after it is the oldest";
    EXPECT_FALSE(history.stack().canUndo());
    static_assert(kMaxUndoSteps >= 1000);
}

}  // namespace
}  // namespace jubilo
