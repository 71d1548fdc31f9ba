// Undo and redo from the Edit menu: each change to the plan is one step,
// named after what it did; the store follows every undo and redo; a store
// that refuses leaves the window, the store and the history as they were.

#include "undo_fixture.h"
#include "plan/table_text.h"
#include "tests/support/plan_equality.h"
#include "tests/support/sample_plans.h"
#include "ui/main/cell_editor.h"
#include "ui/main/plan_history.h"
#include "ui/preview/preview_window.h"
#include "platform/plan_file_store.h"
#include "platform/ini_settings_store.h"
#include "tests/support/journal_files.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace jubilo {
namespace {

TEST_F(UndoTest, EachChangeIsOneStepNamedForTheEditMenu)
{
    EXPECT_FALSE(undoItem().isEnabled());
    EXPECT_FALSE(redoItem().isEnabled());
    EXPECT_EQ(undoItem().text(), "&Undo");

    struct Case {
        const char* name;
        std::function<void()> change;
    };
    const std::vector<Case> cases = {
        {"Add Guest", [&] { addGuest("Cy"); }},
        {"Delete Guest",
         [&] {
             selectRow(widgets().guestsList, 0);
             click(widgets().deleteGuestButton);
         }},
        {"Edit Address", [&] { editCell(TableId::Guests, 1, 1, "Birch St"); }},
        {"Edit RSVP", [&] { editCell(TableId::Guests, 1, 2, "No"); }},
        {"Move Row", [&] { moveRow(TableId::Guests, 1, Qt::Key_Down); }},
        {"Music Budget", [&] { visit(widgets().musicBudgetBox, "42.50"); }},
        {"Party Date", [&] { visit(widgets().dateBox, "2027 | May 01 | 07 PM"); }},
        {"Load Sample Data", [&] { click(widgets().loadSampleDataButton); }},
        {"Add Ingredient",
         [&] {
             type(widgets().ingredientBox, "Rice");
             choose(widgets().ingredientPurchasedChoice, "No");
             type(widgets().ingredientAmountBox, "2.00");
             click(widgets().addIngredientButton);
         }},
        {"Add Food",
         [&] {
             type(widgets().foodNameBox, "Paella");
             click(widgets().addFoodButton);
         }},
    };
    for (const Case& c : cases) {
        const int before = steps();
        c.change();
        EXPECT_EQ(steps(), before + 1) << c.name;
        EXPECT_EQ(undoItem().text(), QStringLiteral("&Undo ") + c.name);
        EXPECT_TRUE(undoItem().isEnabled()) << c.name;
    }
    EXPECT_TRUE(sys.messages.empty()) << sys.messages[0].text.toStdString();

    undo();
    EXPECT_EQ(redoItem().text(), "&Redo Add Food");
    EXPECT_EQ(undoItem().text(), "&Undo Add Ingredient");
    EXPECT_TRUE(redoItem().isEnabled());
}

TEST_F(UndoTest, NothingChangedIsNoStep)
{
    click(widgets().addGuestButton);  // inputs empty: the reminder, no row
    visit(widgets().musicBudgetBox, plan.budget(BudgetId::Music));  // the same text typed again
    moveRow(TableId::Guests, 1, Qt::Key_Up);  // already the first
    EXPECT_EQ(steps(), 0);
    EXPECT_FALSE(undoItem().isEnabled());
}

TEST_F(UndoTest, UndoPutsADeletedRowBackAtItsPlaceSelectedAndStoredAndRedoDeletesItAgain)
{
    const QString storedBefore = stored("Guests");
    selectRow(widgets().guestsList, 1);
    click(widgets().deleteGuestButton);
    ASSERT_EQ(guestNames(), (QStringList{"John", "Bob"}));

    undo();
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob"}));
    EXPECT_EQ(table(TableId::Guests).row(2), (PlanRow{"Ann", "Elm St", "Yes", "2"}));
    EXPECT_EQ(stored("Guests"), storedBefore);
    const QModelIndexList selected = widgets().guestsList->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 1);

    redo();
    EXPECT_EQ(guestNames(), (QStringList{"John", "Bob"}));
    EXPECT_EQ(storedGuestNames(), (QStringList{"John", "Bob"}));
    EXPECT_FALSE(redoItem().isEnabled());
}

TEST_F(UndoTest, AFoodAddIsOneStepThatGivesBackItsIngredientsAndName)
{
    for (const char* name : {"Rice", "Saffron", "Prawns"}) {
        type(widgets().ingredientBox, name);
        choose(widgets().ingredientPurchasedChoice, "No");
        type(widgets().ingredientAmountBox, "1.00");
        click(widgets().addIngredientButton);
    }
    type(widgets().foodNameBox, "Paella");
    click(widgets().addFoodButton);
    ASSERT_EQ(table(TableId::FoodAndDrinks).rowCount(), 4);  // the example dish and three rows
    ASSERT_EQ(table(TableId::Ingredients).rowCount(), 0);

    undo();
    EXPECT_EQ(table(TableId::FoodAndDrinks).rowCount(), 1);
    EXPECT_EQ(table(TableId::Ingredients).rowCount(), 3);
    EXPECT_EQ(widgets().foodNameBox->text(), "Paella");
    EXPECT_EQ(decodeTableText(stored("Food And Drinks"), 4).size(), 1u);
    EXPECT_EQ(undoItem().text(), "&Undo Add Ingredient");

    // A name typed since is the user's and stays.
    type(widgets().foodNameBox, "Risotto");
    redo();
    EXPECT_EQ(table(TableId::FoodAndDrinks).rowCount(), 4);
    EXPECT_EQ(widgets().foodNameBox->text(), "Risotto");
}

TEST_F(UndoTest, LoadSampleDataIsOneStepOverEveryTableBudgetAndBox)
{
    const QMap<QString, QString> storedBefore = sys.memoryStore.values;
    click(widgets().loadSampleDataButton);
    ASSERT_EQ(table(TableId::Guests).rowCount(), 4);
    ASSERT_EQ(widgets().foodNameBox->text(), "Barbeque");
    const QMap<QString, QString> storedAfter = sys.memoryStore.values;

    undo();
    EXPECT_TRUE(testing::samePlan(window->plan(), plan));
    EXPECT_EQ(sys.memoryStore.values, storedBefore);
    EXPECT_EQ(widgets().foodNameBox->text(), "");
    EXPECT_EQ(widgets().musicBudgetBox->text(), plan.budget(BudgetId::Music));
    EXPECT_FALSE(undoItem().isEnabled());

    redo();
    EXPECT_EQ(sys.memoryStore.values, storedAfter);
    EXPECT_EQ(widgets().musicBudgetBox->text(), "15.00");
}

TEST_F(UndoTest, ABoxVisitIsOneStepAndInsideTheBoxItsOwnUndoWorks)
{
    QLineEdit& box = kept(widgets().musicBudgetBox);
    const QString before = box.text();
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, "99");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);  // the box's own undo
    EXPECT_EQ(box.text(), before);
    EXPECT_EQ(steps(), 0) << "the plan's history waits for the visit to end";
    box.selectAll();
    QTest::keyClicks(&box, "95");
    widgets().guestsList->setFocus();
    ASSERT_EQ(steps(), 1);
    EXPECT_EQ(stored("Music Budget"), "95");

    undo();
    EXPECT_EQ(box.text(), before);
    EXPECT_EQ(window->plan().budget(BudgetId::Music), before);
    EXPECT_EQ(stored("Music Budget"), before);

    // Undo from the menu while the box has focus ends the visit first.
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, "7");
    undo();
    EXPECT_EQ(box.text(), before);
    EXPECT_EQ(redoItem().text(), "&Redo Music Budget");
    widgets().guestsList->setFocus();
    EXPECT_EQ(stored("Music Budget"), before);
    EXPECT_TRUE(redoItem().isEnabled()) << "leaving the box after an undo makes no step";
}

TEST_F(UndoTest, TheShortcutsUndoAndRedoFromAList)
{
    addGuest("Cy");
    QTreeView& list = kept(widgets().guestsList);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob"}));
    QTest::keyClick(&list, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob", "Cy"}));
    QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob", "Cy"}));
}

TEST_F(UndoTest, AStoreThatRefusesAnUndoLeavesEverythingAsItWasAndTheStepUndoable)
{
    selectRow(widgets().guestsList, 1);
    click(widgets().deleteGuestButton);
    sys.memoryStore.failWrites = true;
    undo();
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("Form1.mnuUndo_Click at line 102")) << sys.messages[0].text.toStdString();
    EXPECT_EQ(guestNames(), (QStringList{"John", "Bob"}));
    EXPECT_EQ(storedGuestNames(), (QStringList{"John", "Bob"}));
    EXPECT_EQ(undoItem().text(), "&Undo Delete Guest");
    EXPECT_FALSE(redoItem().isEnabled());

    sys.memoryStore.failWrites = false;
    undo();
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob"}));
    EXPECT_EQ(storedGuestNames(), (QStringList{"John", "Ann", "Bob"}));
}

TEST_F(UndoTest, AStoreThatFailsPartWayThroughAStepKeepsNoHalfOfIt)
{
    click(widgets().loadSampleDataButton);
    const QMap<QString, QString> storedAfter = sys.memoryStore.values;
    const Plan shown = window->plan();
    for (int written = 0; written < 4; ++written) {
        sys.memoryStore.writesBeforeFailure = written;
        sys.messages.clear();
        undo();
        ASSERT_EQ(sys.messages.size(), 1u) << written;
        EXPECT_TRUE(testing::samePlan(window->plan(), shown)) << written;
        EXPECT_EQ(sys.memoryStore.values, storedAfter) << written;
        EXPECT_EQ(widgets().musicBudgetBox->text(), "15.00");
    }
    undo();
    EXPECT_TRUE(testing::samePlan(window->plan(), plan));
}

TEST_F(UndoTest, TheHistorySurvivesAReportAndGoesWithItsPlan)
{
    QTemporaryDir temp;
    sys.env = {"TEMP=" + temp.path()};
    addGuest("Cy");
    window->startReport();
    PreviewWindow* preview = window->preview();
    ASSERT_NE(preview, nullptr);
    click(preview->widgets().backButton);
    EXPECT_EQ(undoItem().text(), "&Undo Add Guest");
    undo();
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob"}));

    QTemporaryDir dir;
    sys.savePaths = {dir.filePath("copy.jubilo")};
    window->planFiles().savePlanAs();
    EXPECT_FALSE(undoItem().isEnabled()) << "another plan is on show";
    EXPECT_FALSE(redoItem().isEnabled());
}

TEST_F(UndoTest, NewPlanFromThisOneIsTheNewPlansFirstStepAndItsFileFollows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("next.jubilo");
    sys.savePaths = {path};
    addGuest("Cy");
    window->menus().newPlanFromThis->trigger();
    ASSERT_EQ(window->openPlan().path, path);
    ASSERT_EQ(table(TableId::Guests).row(1), (PlanRow{"John", "NY City", "No", "1"}));
    EXPECT_EQ(undoItem().text(), "&Undo New Plan From This One") << "the plan before keeps its own history";

    undo();
    EXPECT_EQ(table(TableId::Guests).row(1), (PlanRow{"John", "NY City", "Yes", "1"}));
    EXPECT_EQ(guestNames(), (QStringList{"John", "Ann", "Bob", "Cy"}));
    EXPECT_EQ(widgets().dateBox->text(), plan.date());
    EXPECT_FALSE(undoItem().isEnabled());
    auto file = PlanFileStore::open(path);
    EXPECT_EQ(decodeTableText(file->read("Tarvel", "Jubilo", "Guests", {}), 4).front()[2], "Yes");
    EXPECT_EQ(file->read("Tarvel", "Jubilo", "Date", {}), plan.date());
    // The settings store's plan is another plan, and keeps its rows.
    EXPECT_EQ(decodeTableText(stored("Guests"), 4).back()[0], "Cy");
}

// The plan on disk follows each undo at once: a fresh reader of the files
// (the next start after a kill) sees the plan undone. The journal the
// changes go to is folded into the file once the user pauses.
TEST_F(UndoTest, AnUndoIsOnDiskAtOnceAndTheFileIsMadeWholeInAPause)
{
    QTemporaryDir dir;
    IniSettingsStore onDisk(dir.path());
    testing::storeEveryValue(onDisk, plan);
    onDisk.checkpoint();
    sys.store = &onDisk;
    start();
    const auto guestsOnDisk = [&] {
        IniSettingsStore fresh(dir.path());
        QStringList names;
        for (const PlanRow& row : decodeTableText(fresh.read("Tarvel", "Jubilo", "Guests", {}), 4))
            names << row[0];
        return names;
    };
    selectRow(widgets().guestsList, 1);
    click(widgets().deleteGuestButton);
    undo();
    EXPECT_EQ(guestsOnDisk(), (QStringList{"John", "Ann", "Bob"}));
    const QString journal = testing::journalOf(onDisk.filePath("Tarvel"));
    EXPECT_TRUE(QFileInfo::exists(journal)) << "a change of a row is a few bytes in the journal";
    const auto fold = window->findChild<QTimer*>("foldTimer");
    ASSERT_NE(fold, nullptr);
    EXPECT_TRUE(fold->isActive());
    EXPECT_EQ(fold->intervalAsDuration(), kFoldPlanDelay);

    window->foldPlanFile();
    EXPECT_FALSE(QFileInfo::exists(journal));
    QSettings plain(onDisk.filePath("Tarvel"), QSettings::IniFormat);
    EXPECT_EQ(decodeTableText(plain.value("Jubilo/Guests").toString(), 4).size(), 3u);
    EXPECT_TRUE(sys.messages.empty());
    window.reset();
}

}  // namespace
}  // namespace jubilo
