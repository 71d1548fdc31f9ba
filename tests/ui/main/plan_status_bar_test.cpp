// The status bar under the form follows every change to the plan: an Add,
// a Delete, an undo, a budget typed, another plan shown; over budget is said
// in words and shown apart; a budget that is no amount says so in its box.

#include "main_window_fixture.h"

#include <QTemporaryDir>

namespace jubilo {
namespace {

class PlanStatusBarTest : public MainWindowTest {
protected:
    QString line() const { return window->planStatusBar().summary(); }
};

TEST_F(PlanStatusBarTest, TheLineFollowsAddsDeletesUndoAndTheSampleData)
{
    start();
    EXPECT_EQ(line(),
              "0 guests \u00B7 0 people, 0 coming \u00B7 $0.00 spent, no budget \u00B7 0 items, $0.00 still to buy");

    click(widgets().loadSampleDataButton);
    EXPECT_EQ(line(),
              "1 guest \u00B7 1 person, 1 coming \u00B7 $48.02 of $140.00 spent \u00B7 2 items, $9.99 still to buy");

    addGuest("Ann");  // two people, coming
    EXPECT_EQ(line(),
              "2 guests \u00B7 3 people, 3 coming \u00B7 $48.02 of $140.00 spent \u00B7 2 items, $9.99 still to buy");

    selectRow(widgets().guestsList, 0);
    click(widgets().deleteGuestButton);
    EXPECT_TRUE(line().startsWith("1 guest \u00B7 2 people, 2 coming"));

    window->undoStep();
    EXPECT_TRUE(line().startsWith("2 guests \u00B7 3 people, 3 coming"));
    window->undoStep();
    window->undoStep();
    EXPECT_TRUE(line().startsWith("0 guests"));
    EXPECT_TRUE(line().endsWith("$0.00 spent, no budget \u00B7 0 items, $0.00 still to buy"))
        << "undoing the sample data takes its budgets away too";
}

TEST_F(PlanStatusBarTest, OverBudgetIsSaidInWordsAndShownApart)
{
    start();
    click(widgets().loadSampleDataButton);
    EXPECT_FALSE(window->planStatusBar().showsOverBudget());
    QLineEdit& food = *widgets().foodBudgetBox;
    food.setText("$1");  // 90 of budget against 48.02 spent
    EXPECT_FALSE(window->planStatusBar().showsOverBudget());
    food.setText("-100");
    EXPECT_TRUE(line().contains("\u26A0 $48.02 of -$10.00 spent, $58.02 over budget")) << line().toStdString();
    EXPECT_TRUE(window->planStatusBar().showsOverBudget());
    food.setText("50.00");
    EXPECT_FALSE(window->planStatusBar().showsOverBudget());
    EXPECT_FALSE(line().contains("over budget"));
}

TEST_F(PlanStatusBarTest, ABudgetThatIsNoAmountSaysSoInItsBoxAndCountsAsNone)
{
    start();
    QLineEdit& music = *widgets().musicBudgetBox;
    const struct {
        const char* text;
        bool tip;
    } cases[]
        = {{"plenty", true}, {"$1,200.50", false}, {"", false}, {"  ", false}, {"1.234,50", true}, {"1200", false}};
    for (const auto& c : cases) {
        music.setText(c.text);
        EXPECT_EQ(!music.toolTip().isEmpty(), c.tip) << c.text;
        if (c.tip) {
            EXPECT_TRUE(music.toolTip().contains(QString("\"%1\" does not read as an amount").arg(c.text))) << c.text;
        }
        EXPECT_EQ(stored("Music Budget"), c.text) << "the text is stored as typed";
    }
    music.setText("plenty");
    EXPECT_TRUE(line().contains("no budget"));
    music.setText(QString(500, 'x'));
    EXPECT_LT(music.toolTip().size(), 200) << "a long text is shortened in its tip";
}

TEST_F(PlanStatusBarTest, AnotherPlanShownBringsItsOwnFigures)
{
    start();
    click(widgets().loadSampleDataButton);
    QTemporaryDir dir;
    sys.savePaths.push_back(dir.filePath("empty.jubilo"));
    window->planFiles().newPlan();
    ASSERT_EQ(window->openPlan().path, dir.filePath("empty.jubilo"));
    EXPECT_EQ(line(),
              "0 guests \u00B7 0 people, 0 coming \u00B7 $0.00 spent, no budget \u00B7 0 items, $0.00 still to buy");
}

}  // namespace
}  // namespace jubilo
