#include "main_window_fixture.h"
#include "tests/support/pointer_events.h"

#include <QApplication>
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
    QTabBar& tabsOf(const char* strip) { return *get<QTabWidget>(strip).findChild<QTabBar*>(); }
    // Off the button first, so every case starts from the hand.
    void fromAButtonOnto(QWidget& widget, QPoint at = {2, 2})
    {
        moveOver(get<QWidget>("PushButton1"));
        ASSERT_EQ(shape(), Qt::BitmapCursor);
        ASSERT_EQ(widget.childAt(at), nullptr) << "the point is not on " << widget.objectName().toStdString();
        moveOver(widget, at);
    }
};

TEST_F(MainWindowPointerTest, OffAButtonOntoAnArrowAreaGivesTheArrow)
{
    const std::pair<QWidget*, QPoint> arrowAreas[] = {
        {window.get(), {2, 2}},
        {&get<QGroupBox>("Frame13"), {4, 30}},  // the date's frame, beside the box
        {&get<QWidget>("pageGuests"), {1, 1}},
        {&tabsOf("SSTab2"), {5, 5}},
        {get<QAbstractItemView>("lvwGuests").viewport(), {5, 5}},  // a list's rows are the list
        {&get<QLineEdit>("txtDate"), {2, 2}},
    };
    for (auto [area, at] : arrowAreas) {
        fromAButtonOnto(*area, at);
        EXPECT_EQ(shape(), Qt::ArrowCursor) << area->objectName().toStdString();
    }
}

TEST_F(MainWindowPointerTest, OffAButtonOntoOtherElementsKeepsTheHand)
{
    for (QWidget* other :
         {static_cast<QWidget*>(&tabsOf("SSTab1")), static_cast<QWidget*>(&get<QLineEdit>("txtGuestName")),
          static_cast<QWidget*>(&get<QComboBox>("cboRSVP"))}) {
        fromAButtonOnto(*other);
        EXPECT_EQ(shape(), Qt::BitmapCursor) << other->objectName().toStdString();
    }
}

TEST_F(MainWindowPointerTest, OntoAButtonGivesTheHandTheBusyPointerOutlastsMoves)
{
    moveOver(*window);
    ASSERT_EQ(shape(), Qt::ArrowCursor);
    // The window receives the move; the button under the pointer decides.
    moveOver(*window, get<QWidget>("PushButton21").mapTo(window.get(), QPoint(3, 3)));
    EXPECT_EQ(shape(), Qt::BitmapCursor);

    moveOver(*window);
    const BusyPointer busy;
    moveOver(get<QWidget>("PushButton1"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&get<QWidget>("PushButton17"), &enter);
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

}  // namespace
}  // namespace jubilo
