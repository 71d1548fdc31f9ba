// View > Plan at a Glance: F9 shows the window beside the main window with
// the plan's figures as they change, closing it unticks the item, and it
// follows the main window out of sight and back.

#include "main_window_fixture.h"
#include "ui/glance/glance_window.h"

#include <QAction>
#include <QLabel>

namespace jubilo {
namespace {

class GlanceMenuTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QAction& item() const { return *window->menus().glance; }
    GlanceWindow& glance() const { return kept(window->glanceWindow()); }
};

TEST_F(GlanceMenuTest, F9ShowsTheFiguresBesideTheWindowAndFollowsEveryChange)
{
    EXPECT_EQ(window->glanceWindow(), nullptr) << "made only when asked for";
    EXPECT_EQ(item().text(), "Plan at a &Glance");
    QTest::keyClick(window.get(), Qt::Key_F9);
    ASSERT_TRUE(glance().isVisible());
    EXPECT_TRUE(item().isChecked());
    EXPECT_TRUE(glance().guestsLabel().text().startsWith("0 guests"));

    addGuest("Ann");
    EXPECT_TRUE(glance().guestsLabel().text().startsWith("1 guest \u00B7 2 people invited, 2 coming"))
        << glance().guestsLabel().text().toStdString();
    window->undoStep();
    EXPECT_TRUE(glance().guestsLabel().text().startsWith("0 guests"));

    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_FALSE(glance().isVisible()) << "F9 again puts it away";
    EXPECT_FALSE(item().isChecked());
}

TEST_F(GlanceMenuTest, ClosingItUnticksTheItemAndItFollowsTheMainWindow)
{
    item().trigger();
    GlanceWindow* shown = &glance();
    shown->close();
    EXPECT_FALSE(item().isChecked());
    item().trigger();
    EXPECT_EQ(window->glanceWindow(), shown) << "the same window comes back";
    EXPECT_TRUE(shown->isVisible());

    window->hide();  // as while a report is on screen
    EXPECT_FALSE(shown->isVisible());
    EXPECT_TRUE(item().isChecked()) << "put away with the main window, not by the user";
    window->show();
    EXPECT_TRUE(shown->isVisible());

    window->close();
    EXPECT_FALSE(shown->isVisible()) << "a window left up would keep the program running";
}

TEST(GlancePlaceTest, TheWindowStandsBesideTheMainWindowWithinTheScreen)
{
    const QRect room(0, 0, 1920, 1080);
    const QSize size(540, 560);
    const struct {
        QRect main;
        QPoint at;
    } cases[] = {
        {{100, 100, 968, 480}, {1068, 100}},  // room on the right
        {{900, 100, 968, 480}, {360, 100}},  // only on the left
        {{200, 100, 1500, 480}, {1380, 100}},  // neither: as far right as it goes, over the main window
        {{100, 900, 968, 480}, {1068, 520}},  // kept above the screen's bottom
        {{-50, -40, 968, 480}, {918, 0}},  // never above the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(besideWindow(c.main, size, room), c.at) << c.main.x() << "," << c.main.y();
}

}  // namespace
}  // namespace jubilo
