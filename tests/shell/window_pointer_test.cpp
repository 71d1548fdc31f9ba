#include "shell/window_pointer.h"
#include "tests/support/scripted_system.h"
#include "trap/error_trap.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

class WindowPointerTest : public ::testing::Test {
protected:
    void SetUp() override { sys.folder = QStringLiteral(JUBILO_RESOURCES_DIR); }  // holds HAND-M.CUR

    void loadHand()
    {
        ErrorTrap trap(locations::kMainWindowLoad);
        pointer.loadHand(trap);
    }
    static void enter(QWidget& widget)
    {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&widget, &event);
    }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    QWidget window;
    QPushButton* button = new QPushButton("Add", &window);
    QLabel* label = new QLabel("Name:", &window);
    QLineEdit* box = new QLineEdit(&window);
    WindowPointer pointer{window, [](const QWidget& w) { return qobject_cast<const QLabel*>(&w) != nullptr; }};
};

TEST_F(WindowPointerTest, TheHandIsTheArrowUntilTheCursorFileIsFound)
{
    sys.folder = QStringLiteral("/nonexistent/program");
    loadHand();
    EXPECT_EQ(pointer.hand().shape(), Qt::ArrowCursor);

    sys.folder = QStringLiteral(JUBILO_RESOURCES_DIR);
    loadHand();
    EXPECT_EQ(pointer.hand().shape(), Qt::BitmapCursor);
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(WindowPointerTest, HandOverButtonsArrowOverArrowAreasOthersLeaveItAlone)
{
    loadHand();
    for (QWidget* watched : {static_cast<QWidget*>(button), static_cast<QWidget*>(label),
                             static_cast<QWidget*>(box)})
        pointer.watch(*watched);

    enter(*button);
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
    enter(*box);
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
    enter(*label);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);

    pointer.update(button);
    pointer.update(&window);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    enter(*button);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    QApplication::restoreOverrideCursor();
}

}  // namespace
}  // namespace jubilo
