// A list's rows copied to the clipboard and pasted from it, by Ctrl+C and
// Ctrl+V on the list: the order and escaping of what is copied, pastes taken
// all or none with the first bad line named, one undo step, a plan copied
// into an empty one, and the plans and lists that take no paste.

#include "platform/plan_file_store.h"
#include "plan/stored_values.h"
#include "undo_fixture.h"

#include <QTabWidget>
#include <QTemporaryDir>

#include <map>

namespace jubilo {
namespace {

class RowClipboardTest : public UndoTest {
protected:
    QTreeView& focusList(TableId id)
    {
        QTreeView& list = tableList(widgets(), id);
        for (QTabWidget* strip : {widgets().leftTabs, widgets().rightTabs}) {
            for (int page = 0; page < strip->count(); ++page) {
                if (strip->widget(page)->isAncestorOf(&list))
                    strip->setCurrentIndex(page);
            }
        }
        list.setFocus();
        return list;
    }
    void copy(TableId id) { QTest::keyClick(&focusList(id), Qt::Key_C, Qt::ControlModifier); }
    void paste(TableId id, const QString& text)
    {
        sys.clipboardPlainText = text;
        QTest::keyClick(&focusList(id), Qt::Key_V, Qt::ControlModifier);
    }
    std::vector<PlanRow> rowsOf(TableId id)
    {
        const auto rows = table(id).allRows();
        return {rows.begin(), rows.end()};
    }
};

const PlanRow kAwkward{"Zoë \"Z\" <Ann & Bob>", "1 Elm St\nFlat 2", "Yes", "2\t3"};

TEST_F(RowClipboardTest, CopyTakesTheSelectedRowsInTheListsOrder)
{
    table(TableId::Guests).append(kAwkward);
    QTreeView& list = focusList(TableId::Guests);
    list.selectionModel()->select(list.model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list.selectionModel()->select(list.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    copy(TableId::Guests);
    EXPECT_EQ(sys.clipboardPlainText,
              "John\tNY City\tYes\t1\r\n\"Zoë \"\"Z\"\" <Ann & Bob>\"\t\"1 Elm St\nFlat 2\"\tYes\t\"2\t3\"\r\n");
    EXPECT_TRUE(sys.clipboardHtml.contains("<tr><td>John</td><td>NY City</td><td>Yes</td><td>1</td></tr>\n<tr><td>Zoë "
                                           "&quot;Z&quot; &lt;Ann &amp; Bob&gt;</td><td>1 Elm St<br>Flat 2</td>"))
        << sys.clipboardHtml.toStdString();

    table(TableId::Ingredients).append({"Flour", "No", "2.00"});
    selectRow(&focusList(TableId::Ingredients), 0);
    copy(TableId::Ingredients);
    EXPECT_EQ(sys.clipboardPlainText, "Flour\tNo\t2.00\r\n");

    kept(widgets().guestNameBox).setFocus();
    EXPECT_FALSE(window->menus().copyRows->isEnabled()) << "in a box the keys are the box's own";
    EXPECT_FALSE(window->menus().pasteRows->isEnabled());
    const int puts = sys.clipboardPuts;
    QTest::keyClick(widgets().guestNameBox, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(sys.clipboardPuts, puts);
}

TEST_F(RowClipboardTest, APasteTakesAllRowsOrNoneAndNamesTheFirstRefusedLine)
{
    const std::vector<PlanRow> before = rowsOf(TableId::Guests);
    const struct {
        QString text;
        std::vector<PlanRow> added;
    } taken[] = {
        {"Al\tOak\tyes\t1\r\nBo\tElm\tNO\t2\r\n", {{"Al", "Oak", "Yes", "1"}, {"Bo", "Elm", "No", "2"}}},
        {"Cy\t\"Flat 1\r\nElm St\"\tYes\t3", {{"Cy", "Flat 1\r\nElm St", "Yes", "3"}}},
        {"Di,\"Elm St, 4\",No,1\n", {{"Di", "Elm St, 4", "No", "1"}}},
        {"Ed;\"Elm, 5\";no;1\n", {{"Ed", "Elm, 5", "No", "1"}}},
        {"Guest(s)\tAddress\tRSVP?\tNumber in Party\nFy\tOak\tYes\t1\n", {{"Fy", "Oak", "Yes", "1"}}},
    };
    for (const auto& t : taken) {
        paste(TableId::Guests, t.text);
        std::vector<PlanRow> expected = before;
        expected.insert(expected.end(), t.added.begin(), t.added.end());
        EXPECT_EQ(rowsOf(TableId::Guests), expected) << t.text.toStdString();
        EXPECT_EQ(stored("Guests"), encodeTableText(table(TableId::Guests)));
        undo();
    }
    EXPECT_TRUE(sys.messages.empty());
    const struct {
        QString text;
        const char* said;
    } refused[] = {
        {"Al\tOak\tYes\t1\nBo\tOak\tYes\n", "line 2 of the pasted text cannot go in, because it has 3 cells"},
        {"Al\t\"Oak\nSt\"\tYes\t1\nBo\t\tNo\t1\n",
         "line 3 of the pasted text cannot go in, because its \"Address\" cell is empty"},
        {"Al\tOak\tYes\t1\nBo\t\"Oak\tNo\t1\n", "line 2 of the pasted text cannot go in, because it starts a quoted"},
        {"\r\n\r\n", "The clipboard holds no rows to paste."},
        {"Al\tOak\tmaybe\t1\n", "line 1 of the pasted text cannot go in, because its \"RSVP?\" cell is \"maybe\""},
        {"Al\tOak\tYes\t1\nBo\t" + QString(32768, 'x') + "\tNo\t1\n",
         "line 2 of the pasted text cannot go in, because its \"Address\" cell has 32768 characters"},
    };
    const QString storedBefore = stored("Guests");
    for (const auto& r : refused) {
        sys.messages.clear();
        paste(TableId::Guests, r.text);
        ASSERT_EQ(sys.messages.size(), 1u);
        EXPECT_TRUE(sys.messages[0].text.contains(r.said)) << sys.messages[0].text.toStdString();
        EXPECT_EQ(rowsOf(TableId::Guests), before);
        EXPECT_EQ(stored("Guests"), storedBefore);
    }
    EXPECT_FALSE(undoItem().isEnabled()) << "a refused paste is no step";

    table(TableId::Guests).appendRows(std::vector<PlanRow>(PlanTable::kMaxRows - 4, PlanRow{"G", "A", "No", "1"}));
    sys.messages.clear();
    paste(TableId::Guests, "Al\tOak\tYes\t1\nBo\tOak\tNo\t2\n");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("line 2 of the pasted text cannot go in, because it would make the "
                                              "Guests list longer than the 32767 rows"));
    EXPECT_EQ(table(TableId::Guests).rowCount(), PlanTable::kMaxRows - 1);
}

TEST_F(RowClipboardTest, APasteIsOneStepThatOneUndoTakesAway)
{
    const QString storedBefore = stored("Guests");
    paste(TableId::Guests, "Al\tOak\tYes\t1\nBo\tOak\tNo\t2\nCy\tOak\tYes\t3\n");
    ASSERT_EQ(steps(), 1);
    EXPECT_EQ(undoItem().text(), "&Undo Paste Rows");
    QTreeView& list = kept(widgets().guestsList);
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 3) << "the pasted rows are selected";
    EXPECT_EQ(list.currentIndex().row(), 3);
    const QString storedAfter = stored("Guests");
    EXPECT_EQ(storedGuestNames(), (QStringList{"John", "Ann", "Bob", "Al", "Bo", "Cy"}));

    QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob"}));
    EXPECT_EQ(stored("Guests"), storedBefore);
    redo();
    EXPECT_EQ(stored("Guests"), storedAfter);
}

TEST_F(RowClipboardTest, DeleteTakesEverySelectedRowAsOneStep)
{
    QTreeView& list = focusList(TableId::Guests);
    list.selectionModel()->select(list.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list.selectionModel()->select(list.model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(guestNames(), QStringList{"Ann"});
    EXPECT_EQ(storedGuestNames(), QStringList{"Ann"});
    undo();
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob"}));
    EXPECT_EQ(list.selectionModel()->selectedRows().value(0).row(), 0) << "the first of them is selected";
}

// Every list of a plan copied whole and pasted into an empty plan: the same
// rows, stored as the same texts.
TEST_F(RowClipboardTest, ListsCopiedIntoAnEmptyPlanAreTheSameRowsAndStoredTexts)
{
    table(TableId::Guests).append(kAwkward);
    std::vector<std::pair<TableId, QString>> copied;
    std::map<TableId, std::vector<PlanRow>> rows;
    std::map<TableId, QString> texts;
    for (TableId id : SavedPlan::tableOrder()) {
        focusList(id).selectAll();
        copy(id);
        copied.emplace_back(id, sys.clipboardPlainText);
        rows[id] = rowsOf(id);
        texts[id] = encodeTableText(table(id));
    }
    sys.memoryStore.values.clear();
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& [id, text] : copied) {
        paste(id, text);
        EXPECT_EQ(rowsOf(id), rows[id]) << tableSpec(id).name;
        EXPECT_EQ(stored(QString::fromUtf8(tableSpec(id).storeKey)), texts[id]) << tableSpec(id).name;
    }
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(RowClipboardTest, AReadOnlyPlanTakesNoPaste)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("theirs.jubilo");
    PlanFileStore::create(path, storedValues(testing::samplePlan()));
    OpenPlan readOnly;
    readOnly.file = PlanFileStore::open(path);
    readOnly.path = path;
    readOnly.readOnly = true;
    window->showPlan(std::move(readOnly));
    paste(TableId::Guests, "Al\tOak\tYes\t1\n");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("read-only"));
    EXPECT_EQ(guestNames(), QStringList{"John"});
}

}  // namespace
}  // namespace jubilo
