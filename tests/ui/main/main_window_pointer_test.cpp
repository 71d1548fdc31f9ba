#include "main_window_fixture.h"
#include "tests/support/pointer_events.h"

#include <QApplication>
#include <QMenuBar>
#include <QEnterEvent>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>

namespace jubilo {
namespace {

using testing::BusyPointer;
using testing::moveOver;

class MainWindowPointerTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        sys.folder = QStringLiteral(JUBILO_RESOURCES_DIR);  // holds HAND-M.CUR
        start().show();  // tab strips lay out their pages when shown
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    Qt::CursorShape shape() const { return window->cursor().shape(); }
    QTabBar& tabsOf(QTabWidget* strip) { return *kept(strip).findChild<QTabBar*>(); }
    // Off the button first, so every case starts from the hand.
    void fromAButtonOnto(QWidget& widget, QPoint at = {2, 2})
    {
        moveOver(*widgets().startCreatingTemplateButton);
        ASSERT_EQ(shape(), Qt::BitmapCursor);
        ASSERT_EQ(widget.childAt(at), nullptr) << "the point is not on " << widget.objectName().toStdString();
        moveOver(widget, at);
    }
};

TEST_F(MainWindowPointerTest, OffAButtonOntoAnArrowAreaGivesTheArrow)
{
    const int bar = window->menus().bar->height();
    const std::pair<QWidget*, QPoint> arrowAreas[] = {
        {window.get(), {2, bar + 2}},  // the form's own background, below the menu bar
        {window->menus().bar, {bar * 10, 2}},  // the bar beyond its menus
        {widgets().dateFrame, {4, 30}},  // the date's frame, beside the box
        {widgets().guestsPage, {1, 1}},
        {&tabsOf(widgets().rightTabs), {5, 5}},
        {widgets().guestsList->viewport(), {5, 5}},  // a list's rows are the list
        {widgets().dateBox, {2, 2}},
    };
    for (auto [area, at] : arrowAreas) {
        fromAButtonOnto(*area, at);
        EXPECT_EQ(shape(), Qt::ArrowCursor) << area->objectName().toStdString();
    }
}

TEST_F(MainWindowPointerTest, OffAButtonOntoOtherElementsKeepsTheHand)
{
    for (QWidget* other :
         {static_cast<QWidget*>(&tabsOf(widgets().leftTabs)), static_cast<QWidget*>(widgets().guestNameBox),
          static_cast<QWidget*>(widgets().rsvpChoice)}) {
        fromAButtonOnto(*other);
        EXPECT_EQ(shape(), Qt::BitmapCursor) << other->objectName().toStdString();
    }
}

TEST_F(MainWindowPointerTest, OntoAButtonGivesTheHandTheBusyPointerOutlastsMoves)
{
    moveOver(*window);
    ASSERT_EQ(shape(), Qt::ArrowCursor);
    // The window receives the move; the button under the pointer decides.
    moveOver(*window, widgets().loadSampleDataButton->mapTo(window.get(), QPoint(3, 3)));
    EXPECT_EQ(shape(), Qt::BitmapCursor);

    moveOver(*window);
    const BusyPointer busy;
    moveOver(*widgets().startCreatingTemplateButton);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(widgets().addDecorationButton, &enter);
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

}  // namespace
}  // namespace jubilo
