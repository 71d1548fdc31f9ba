// The main window worked by keyboard alone, and the names screen readers
// speak for its elements.
#include "main_window_fixture.h"
#include "ui/main/entry_procedures.h"

#include <QAccessible>
#include <QApplication>
#include <QTabWidget>

namespace jubilo {
namespace {

class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void showTabOf(QWidget& widget)
    {
        for (auto* strip : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < strip->count(); ++i) {
                if (strip->widget(i)->isAncestorOf(&widget))
                    strip->setCurrentIndex(i);
            }
        }
    }
    void fill(QWidget& input)
    {
        if (auto* box = qobject_cast<QLineEdit*>(&input))
            box->setText("1");
        else if (auto* choice = qobject_cast<QComboBox*>(&input))
            choice->setCurrentIndex(0);
    }
    QString spokenName(QWidget& widget)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
        return face ? face->text(QAccessible::Name) : QString();
    }
};

// Return in any input of a frame adds its row, on every tab, and leaves the
// focus in the frame's first box for the next row.
TEST_F(KeyboardTest, ReturnInAnInputRunsItsFramesAdd)
{
    for (const AddProcedure& add : addProcedures()) {
        QWidget* last = nullptr;
        for (const EntryInput& cell : add.cells) {
            QWidget* input = std::visit(
                [&](auto member) -> QWidget* {
                    if constexpr (std::is_same_v<decltype(member), std::monostate>)
                        return nullptr;
                    else
                        return window->widgets().*member;
                },
                cell);
            if (input) {
                fill(*input);
                last = input;
            }
        }
        showTabOf(*last);
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Return);
        EXPECT_EQ(table(add.table).rowCount(), 1) << add.reminder;
        EXPECT_EQ(QApplication::focusWidget(), window->widgets().*std::get<WidgetMember<QLineEdit>>(add.cells[0]));
    }
    EXPECT_TRUE(sys.messages.empty());

    // The dish's name box runs the Food and Drinks Add with the ingredient
    // added above.
    QLineEdit& dish = get<QLineEdit>("txtFoodName");
    dish.setText("Cake");
    dish.setFocus();
    QTest::keyClick(&dish, Qt::Key_Return);
    EXPECT_EQ(table(TableId::FoodAndDrinks).rowCount(), 1);
    EXPECT_EQ(table(TableId::FoodAndDrinks).cell(1, 0), "Cake");

    // An incomplete frame gets its reminder, as a click would.
    get<QLineEdit>("txtGuestName").setText("Ann");
    QTest::keyClick(&get<QLineEdit>("txtGuestName"), Qt::Key_Return);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "You forgot to input all entries for guest.");
}

TEST_F(KeyboardTest, TabGoesThroughTheGuestsInputsThenAddDeleteAndTheList)
{
    get<QLineEdit>("txtGuestName").setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order,
              (QStringList{"txtGuestName", "txtAddress", "cboRSVP", "txtNumberParty", "PushButton2", "PushButton3",
                           "lvwGuests"}));
}

TEST_F(KeyboardTest, CtrlTabSwitchesTabsWithinAStrip)
{
    auto& strip = get<QTabWidget>("SSTab1");
    get<QLineEdit>("txtGuestName").setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(strip.currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(strip.currentIndex(), 0);
    EXPECT_EQ(get<QTabWidget>("SSTab2").currentIndex(), 0) << "the other strip stays";
}

TEST_F(KeyboardTest, EveryInputListAndButtonHasAName)
{
    const std::pair<const char*, const char*> names[] = {
        {"txtDate", "Date"},
        {"txtGuestName", "Name"},
        {"txtAddress", "Address"},
        {"cboRSVP", "RSVP"},
        {"txtNumberParty", "Number in Party"},
        {"PushButton2", "Add guest"},
        {"PushButton3", "Delete guest"},
        {"lvwGuests", "Guests"},
        {"txtMusicType", "Music Type"},
        {"cboMusicPurchased", "Purchased"},
        {"txtMusicBudget", "Music budget"},
        {"PushButton15", "Add music"},
        {"txtNumberOfDecorations", "Number"},
        {"txtDecorationBudget", "Decorations budget"},
        {"txtFoodName", "Food and Drinks Name"},
        {"txtFoodBudget", "Food and Drinks budget"},
        {"txtIngredients", "Ingredients"},
        {"cboFoodPurchased", "Purchased"},
        {"txtFoodAmount", "Amount"},
        {"PushButton4", "Add ingredient"},
        {"PushButton6", "Add food and drinks"},
        {"lvwIngredients", "Ingredients"},
        {"lvwFoodAndDrinks", "Food and Drinks"},
        {"txtOtherSupplyBudget", "Other Supplies budget"},
        {"txtTaskNotes", "Notes"},
        {"PushButton11", "Delete task"},
        {"txtActivity", "Activity"},
        {"PushButton13", "Delete activity"},
        {"PushButton1", "Start Creating Template"},
    };
    for (const auto& [element, name] : names)
        EXPECT_EQ(spokenName(get<QWidget>(element)), QString::fromUtf8(name)) << element;

    // None is left unnamed.
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) || qobject_cast<QPushButton*>(widget)
            || qobject_cast<QTreeView*>(widget)) {
            EXPECT_FALSE(spokenName(*widget).isEmpty()) << widget->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace jubilo
