// Cells edited where they stand and rows moved by keyboard: the rules of
// Add hold, the store follows at once, and the order of the rows only
// changes when the user moves one.
#include "plan/table_text.h"
#include "main_window_fixture.h"

#include <QApplication>

namespace jubilo {
namespace {

const QString S = kCellSeparator;
const QString T = kRowTerminator;

class ListEditingTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        sys.memoryStore.write("Tarvel", "Jubilo", "Guests",
                              "Ann" + S + "Elm St" + S + "Yes" + S + "2" + T + "Bob" + S + "Oak St" + S + "No" + S + "1"
                                  + T + "Cy" + S + "Ash St" + S + "Yes" + S + "3" + T);
        start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QTreeView& guests() { return *widgets().guestsList; }
    QModelIndex cell(int row, int column) { return guests().model()->index(row, column); }
    // Opens the editor of a cell the way the user does and returns it.
    template <class Editor>
    Editor& openEditor(int row, int column, bool byKey = false)
    {
        QTreeView& list = guests();
        if (byKey) {
            list.setFocus();
            list.setCurrentIndex(cell(row, column));
            QTest::keyClick(&list, Qt::Key_F2);
        } else {
            const QPoint at = list.visualRect(cell(row, column)).center();
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
        }
        QApplication::processEvents();
        auto* editor = list.viewport()->findChild<Editor*>();
        if (!editor)
            throw std::runtime_error("no editor opened");
        return *editor;
    }
    // The editor commits or cancels on the next turn of the event loop.
    static void press(QWidget& editor, Qt::Key key)
    {
        QTest::keyClick(&editor, key);
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::vector<PlanRow> storedGuests() { return decodeTableText(stored("Guests"), 4); }
};

TEST_F(ListEditingTest, ATextEditStartsSelectedCommitsOnReturnAndIsStoredInPlace)
{
    auto& editor = openEditor<QLineEdit>(1, 0);
    EXPECT_EQ(editor.text(), "Bob");
    EXPECT_EQ(editor.selectedText(), "Bob") << "typing replaces the whole text";
    QTest::keyClicks(&editor, "Bobby");
    press(editor, Qt::Key_Return);

    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(table(TableId::Guests).cell(2, 0), "Bobby");
    const auto rows = storedGuests();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "Ann");
    EXPECT_EQ(rows[1], (PlanRow{"Bobby", "Oak St", "No", "1"}));
    EXPECT_EQ(rows[2][0], "Cy");
}

TEST_F(ListEditingTest, AYesNoCellOffersExactlyYesAndNo)
{
    auto& editor = openEditor<QComboBox>(0, 2, true);
    ASSERT_EQ(editor.count(), 2);
    EXPECT_EQ(editor.itemText(0), "Yes");
    EXPECT_EQ(editor.itemText(1), "No");
    EXPECT_EQ(editor.currentText(), "Yes");
    editor.setCurrentIndex(1);
    press(editor, Qt::Key_Return);
    EXPECT_EQ(storedGuests()[0][2], "No");
}

TEST_F(ListEditingTest, RefusedAndCancelledEditsKeepTheOldText)
{
    const QString before = stored("Guests");
    auto& empty = openEditor<QLineEdit>(0, 1);
    empty.clear();
    press(empty, Qt::Key_Return);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "You forgot to input all entries for guest.");
    EXPECT_EQ(sys.messages[0].caption, "Jubilo");
    EXPECT_EQ(table(TableId::Guests).cell(1, 1), "Elm St");

    sys.messages.clear();
    auto& separator = openEditor<QLineEdit>(0, 0);
    separator.setText("Ann||MySeparator12|");
    press(separator, Qt::Key_Return);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("cannot contain"));
    EXPECT_EQ(table(TableId::Guests).cell(1, 0), "Ann");

    sys.messages.clear();
    auto& cancelled = openEditor<QLineEdit>(2, 0);
    cancelled.setText("Zed");
    press(cancelled, Qt::Key_Escape);
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(table(TableId::Guests).cell(3, 0), "Cy");
    EXPECT_EQ(stored("Guests"), before);
}

TEST_F(ListEditingTest, LeavingTheCellCommits)
{
    auto& editor = openEditor<QLineEdit>(2, 1);
    editor.setText("Pine St");
    widgets().guestNameBox->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(storedGuests()[2][1], "Pine St");
}

TEST_F(ListEditingTest, AltUpAndDownMoveTheSelectedRowAndTheStoreFollows)
{
    QTreeView& list = guests();
    list.setFocus();
    list.setCurrentIndex(cell(2, 0));
    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(storedGuests()[1][0], "Cy");
    EXPECT_EQ(storedGuests()[2][0], "Bob");
    EXPECT_EQ(list.currentIndex().row(), 1) << "the moved row stays selected";

    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);  // already first: nothing happens
    QTest::keyClick(&list, Qt::Key_Down, Qt::AltModifier);
    const auto rows = storedGuests();
    EXPECT_EQ((QStringList{rows[0][0], rows[1][0], rows[2][0]}), (QStringList{"Ann", "Cy", "Bob"}));
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(ListEditingTest, TheDeleteKeyRunsTheListsDelete)
{
    QTreeView& list = guests();
    list.setFocus();
    list.setCurrentIndex(cell(0, 0));
    QTest::keyClick(&list, Qt::Key_Delete);
    ASSERT_EQ(storedGuests().size(), 2u);
    EXPECT_EQ(storedGuests()[0][0], "Bob");
}

TEST_F(ListEditingTest, FoodRowsEditEachOfTheirFourCells)
{
    table(TableId::FoodAndDrinks).append({"Cake", "Flour", "No", "2"});
    QTreeView& food = *widgets().foodList;
    widgets().rightTabs->setCurrentIndex(0);
    food.setFocus();
    for (int column : {0, 1, 3}) {
        food.setCurrentIndex(food.model()->index(0, column));
        QTest::keyClick(&food, Qt::Key_F2);
        auto* editor = food.viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << column;
        editor->setText(QStringLiteral("new %1").arg(column));
        press(*editor, Qt::Key_Return);
    }
    EXPECT_EQ(table(TableId::FoodAndDrinks).row(1), (PlanRow{"new 0", "new 1", "No", "new 3"}));
    EXPECT_EQ(decodeTableText(stored("Food And Drinks"), 4)[0], (PlanRow{"new 0", "new 1", "No", "new 3"}));
}

}  // namespace
}  // namespace jubilo
