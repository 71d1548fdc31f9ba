// The main window worked by keyboard alone, and the names screen readers
// speak for its elements.
#include "main_window_fixture.h"
#include "ui/main/entry_procedures.h"

#include <QAccessible>
#include <QApplication>
#include <QTabWidget>

#include <vector>

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
        for (QTabWidget* strip : {widgets().leftTabs, widgets().rightTabs}) {
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
                        return widgets().*member;
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
        EXPECT_EQ(QApplication::focusWidget(), widgets().*std::get<WidgetMember<QLineEdit>>(add.cells[0]));
    }
    EXPECT_TRUE(sys.messages.empty());

    // The dish's name box runs the Food and Drinks Add with the ingredient
    // added above.
    QLineEdit& dish = *widgets().foodNameBox;
    dish.setText("Cake");
    dish.setFocus();
    QTest::keyClick(&dish, Qt::Key_Return);
    EXPECT_EQ(table(TableId::FoodAndDrinks).rowCount(), 1);
    EXPECT_EQ(table(TableId::FoodAndDrinks).cell(1, 0), "Cake");

    // An incomplete frame gets its reminder, as a click would.
    widgets().guestNameBox->setText("Ann");
    QTest::keyClick(widgets().guestNameBox, Qt::Key_Return);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "You forgot to input all entries for guest.");
}

TEST_F(KeyboardTest, TabGoesThroughTheGuestsInputsThenAddDeleteAndTheList)
{
    const MainWindowWidgets& w = widgets();
    w.guestNameBox->setFocus();
    std::vector<const QWidget*> order{QApplication::focusWidget()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order,
              (std::vector<const QWidget*>{w.guestNameBox, w.guestAddressBox, w.rsvpChoice, w.numberInPartyBox,
                                           w.addGuestButton, w.deleteGuestButton, w.guestsList}));
}

TEST_F(KeyboardTest, CtrlTabSwitchesTabsWithinAStrip)
{
    auto& strip = *widgets().leftTabs;
    widgets().guestNameBox->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(strip.currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(strip.currentIndex(), 0);
    EXPECT_EQ(widgets().rightTabs->currentIndex(), 0) << "the other strip stays";
}

TEST_F(KeyboardTest, EveryInputListAndButtonHasAName)
{
    const MainWindowWidgets& w = widgets();
    const std::pair<QWidget*, const char*> names[] = {
        {w.dateBox, "Date"},
        {w.guestNameBox, "Name"},
        {w.guestAddressBox, "Address"},
        {w.rsvpChoice, "RSVP"},
        {w.numberInPartyBox, "Number in Party"},
        {w.addGuestButton, "Add guest"},
        {w.deleteGuestButton, "Delete guest"},
        {w.guestsList, "Guests"},
        {w.musicTypeBox, "Music Type"},
        {w.musicPurchasedChoice, "Purchased"},
        {w.musicBudgetBox, "Music budget"},
        {w.addMusicButton, "Add music"},
        {w.decorationNumberBox, "Number"},
        {w.decorationBudgetBox, "Decorations budget"},
        {w.foodNameBox, "Food and Drinks Name"},
        {w.foodBudgetBox, "Food and Drinks budget"},
        {w.ingredientBox, "Ingredients"},
        {w.ingredientPurchasedChoice, "Purchased"},
        {w.ingredientAmountBox, "Amount"},
        {w.addIngredientButton, "Add ingredient"},
        {w.addFoodButton, "Add food and drinks"},
        {w.ingredientsList, "Ingredients"},
        {w.foodList, "Food and Drinks"},
        {w.otherSupplyBudgetBox, "Other Supplies budget"},
        {w.taskNotesBox, "Notes"},
        {w.deleteScheduleButton, "Delete task"},
        {w.activityBox, "Activity"},
        {w.deleteActivityButton, "Delete activity"},
        {w.startCreatingTemplateButton, "Start Creating Template"},
    };
    for (const auto& [element, name] : names)
        EXPECT_EQ(spokenName(*element), QString::fromUtf8(name)) << element->objectName().toStdString();

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
