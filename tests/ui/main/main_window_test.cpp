#include "plan/table_text.h"
#include "host/engine/engine_host.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"
#include "main_window_fixture.h"
#include "ui/main/main_window.h"
#include "ui/preview/preview_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QEnterEvent>
#include <QDir>
#include <QTemporaryDir>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST_F(MainWindowTest, FirstStartShowsAnEmptyPlanWithHeadersAndTodaysDate)
{
    start();
    EXPECT_EQ(window->windowTitle(), "Jubilo");
    // The form is 968 x 393 between the menu bar and the status bar; the
    // window grows by the bars.
    const int bar = window->menus().bar->height();
    const int statusBar = window->planStatusBar().height();
    EXPECT_GT(bar, 0);
    EXPECT_GT(statusBar, 0);
    EXPECT_EQ(window->menus().bar->geometry(), QRect(0, 0, 968, bar));
    EXPECT_EQ(window->planStatusBar().geometry(), QRect(0, 393 + bar, 968, statusBar));
    EXPECT_EQ(window->size(), QSize(968, 393 + bar + statusBar));
    EXPECT_EQ(widgets().startCreatingTemplateButton->geometry(), QRect(8, 8 + bar, 312, 27));
    EXPECT_EQ(widgets().loadSampleDataButton->text(), "Load Sample/Example Data");
    EXPECT_EQ(widgets().dateBox->text(), "2021 | August 31 | 09 PM");
    const MainWindowWidgets& w = widgets();
    // In the order of the tables.
    const QTreeView* lists[]
        = {w.guestsList,        w.musicList,       w.decorationsList, w.foodList,      w.ingredientsList,
           w.otherSuppliesList, w.incidentalsList, w.schedulesList,   w.activitiesList};
    ASSERT_EQ(tableSpecs().size(), std::size(lists));
    for (size_t i = 0; i < std::size(lists); ++i) {
        const TableSpec& spec = tableSpecs()[i];
        const QTreeView& list = *lists[i];
        ASSERT_EQ(list.model()->columnCount(), spec.columnCount) << spec.name;
        EXPECT_EQ(list.model()->rowCount(), 0);
        EXPECT_EQ(list.model()->headerData(0, Qt::Horizontal).toString(), spec.columns[0].header);
    }
    for (const QComboBox* box :
         {w.rsvpChoice, w.musicPurchasedChoice, w.decorationPurchasedChoice, w.incidentalPurchasedChoice,
          w.ingredientPurchasedChoice, w.otherSupplyPurchasedChoice}) {
        const QComboBox& combo = *box;
        EXPECT_EQ(combo.currentIndex(), -1) << combo.objectName().toStdString();
        EXPECT_FALSE(combo.isEditable());
        ASSERT_EQ(combo.count(), 2);
        EXPECT_EQ(combo.itemText(0), "Yes");
        EXPECT_EQ(combo.itemText(1), "No");
    }
    EXPECT_EQ(widgets().rightTabs->tabText(0), "Food && Drinks");
    EXPECT_EQ(widgets().musicBudgetBox->font().family(), "Arial");
    EXPECT_TRUE(widgets().musicBudgetBox->font().bold());
    EXPECT_DOUBLE_EQ(widgets().addGuestButton->font().pointSizeF(), 11.25);
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(MainWindowTest, StartLoadsTheStoredPlan)
{
    const QString S = kCellSeparator, T = kRowTerminator;
    sys.memoryStore.write("Tarvel", "Jubilo", "Schedules", "Buy meals" + S + "11:10 AM" + S + "Store" + T);
    sys.memoryStore.write("Tarvel", "Jubilo", "Music Budget", "15.00");
    sys.memoryStore.write("Tarvel", "Jubilo", "Date", "Saturday");
    start();
    auto* model = widgets().schedulesList->model();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->index(0, 1).data().toString(), "11:10 AM");
    EXPECT_EQ(widgets().musicBudgetBox->text(), "15.00");
    EXPECT_EQ(widgets().dateBox->text(), "Saturday");
}

TEST_F(MainWindowTest, IncompleteGuestShowsTheReminderAndKeepsTheTexts)
{
    start();
    type(widgets().guestNameBox, "Ann");
    type(widgets().guestAddressBox, "Elm St");
    type(widgets().numberInPartyBox, "2");
    click(widgets().addGuestButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "You forgot to input all entries for guest.");
    EXPECT_EQ(sys.messages[0].flags, 0);
    EXPECT_EQ(sys.messages[0].caption, "Jubilo");
    EXPECT_EQ(table(TableId::Guests).rowCount(), 0);
    EXPECT_EQ(widgets().guestNameBox->text(), "Ann");
}

TEST_F(MainWindowTest, AddPutsCellsInColumnOrderEmptiesBoxesKeepsTheChoiceAndStores)
{
    start();
    type(widgets().musicTypeBox, "  ");
    type(widgets().musicFormatBox, "CD");
    type(widgets().musicAmountBox, "1.234,50");
    choose(widgets().musicPurchasedChoice, "No");
    click(widgets().addMusicButton);
    ASSERT_EQ(table(TableId::Music).rowCount(), 1);
    EXPECT_EQ(table(TableId::Music).row(1), (PlanRow{"  ", "CD", "No", "1.234,50"}));
    EXPECT_EQ(widgets().musicTypeBox->text(), "");
    EXPECT_EQ(widgets().musicAmountBox->text(), "");
    EXPECT_EQ(widgets().musicPurchasedChoice->currentText(), "No");
    EXPECT_EQ(stored("Musics"), "  ||MySeparator12||CD||MySeparator12||No||MySeparator12||1.234,50||MySeparator11||");

    click(widgets().addMusicButton);
    EXPECT_EQ(sys.messages.back().text, "You forgot to input all entries for music.");

    type(widgets().otherSupplyNameBox, "Lights");
    type(widgets().otherSupplyAmountBox, "3");
    choose(widgets().otherSupplyPurchasedChoice, "Yes");
    click(widgets().addOtherSupplyButton);
    EXPECT_EQ(table(TableId::OtherSupplies).row(1), (PlanRow{"Lights", "Yes", "3"}));
}

TEST_F(MainWindowTest, FoodIsBuiltFromTheIngredients)
{
    start();
    type(widgets().foodNameBox, "Punch");
    click(widgets().addFoodButton);
    EXPECT_EQ(sys.messages.back().text, "You forgot to input all entries for food.");
    EXPECT_EQ(widgets().foodNameBox->text(), "Punch");

    choose(widgets().ingredientPurchasedChoice, "Yes");
    type(widgets().ingredientBox, "Juice");
    type(widgets().ingredientAmountBox, "4.00");
    click(widgets().addIngredientButton);
    choose(widgets().ingredientPurchasedChoice, "No");
    type(widgets().ingredientBox, "Soda");
    type(widgets().ingredientAmountBox, "2.50");
    click(widgets().addIngredientButton);
    ASSERT_EQ(table(TableId::Ingredients).rowCount(), 2);

    click(widgets().addFoodButton);
    const PlanTable& food = table(TableId::FoodAndDrinks);
    ASSERT_EQ(food.rowCount(), 2);
    EXPECT_EQ(food.row(1), (PlanRow{"Punch", "Juice", "Yes", "4.00"}));
    EXPECT_EQ(food.row(2), (PlanRow{"Punch", "Soda", "No", "2.50"}));
    EXPECT_EQ(table(TableId::Ingredients).rowCount(), 0);
    EXPECT_EQ(widgets().foodNameBox->text(), "");
    EXPECT_EQ(widgets().ingredientPurchasedChoice->currentText(), "No");
    EXPECT_TRUE(stored("Food And Drinks").startsWith("Punch||MySeparator12||Juice"));
}

TEST_F(MainWindowTest, DeleteRemovesOnlyTheSelectedRow)
{
    start();
    click(widgets().deleteActivityButton);  // empty table: nothing at all
    EXPECT_TRUE(sys.messages.empty());
    for (const char* name : {"a", "b", "c"}) {
        type(widgets().activityBox, name);
        type(widgets().activityTimeBox, "8 PM");
        type(widgets().activityNotesBox, "-");
        click(widgets().addActivityButton);
    }
    widgets().activitiesList->clearSelection();
    click(widgets().deleteActivityButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("in Quenby2021/08/31.Form1.chkDeleteActivities_Click at line 102"));
    EXPECT_EQ(table(TableId::Activities).rowCount(), 3);

    selectRow(widgets().activitiesList, 1);
    click(widgets().deleteActivityButton);
    ASSERT_EQ(table(TableId::Activities).rowCount(), 2);
    EXPECT_EQ(table(TableId::Activities).cell(1, 0), "a");
    EXPECT_EQ(table(TableId::Activities).cell(2, 0), "c");
    EXPECT_FALSE(stored("Activities").contains("b||"));
}

TEST_F(MainWindowTest, EntriesThatTheStoreCannotHoldAreRefused)
{
    start();
    type(widgets().taskBox, "Buy ||MySeparator11|| now");
    type(widgets().taskTimeBox, "9");
    type(widgets().taskNotesBox, "x");
    click(widgets().addScheduleButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("cannot contain"));
    EXPECT_EQ(table(TableId::Schedules).rowCount(), 0);
    EXPECT_EQ(widgets().taskBox->text(), "Buy ||MySeparator11|| now");
}

TEST_F(MainWindowTest, SampleDataAppendsOneRowEverywhereAndSetsTheBudgets)
{
    start();
    click(widgets().loadSampleDataButton);
    click(widgets().loadSampleDataButton);
    EXPECT_TRUE(sys.messages.empty());
    for (const TableSpec& spec : tableSpecs())
        EXPECT_EQ(table(spec.id).rowCount(), 2) << spec.name;
    EXPECT_EQ(table(TableId::Guests).row(2), (PlanRow{"John", "NY City", "Yes", "1"}));
    EXPECT_EQ(table(TableId::Activities).row(1), (PlanRow{"Dancing", "07:00 PM", "If guests want to"}));
    EXPECT_EQ(table(TableId::Ingredients).row(1), (PlanRow{"Meat", "Yes", "20.00"}));
    EXPECT_EQ(widgets().foodNameBox->text(), "Barbeque");
    EXPECT_EQ(widgets().otherSupplyBudgetBox->text(), "30.00");
    EXPECT_EQ(stored("Decoration Budget"), "25.00");
    EXPECT_EQ(stored("Incidentals"),
              QString("Other||MySeparator12||No||MySeparator12||0.00||MySeparator11||").repeated(2));

    // The tests' example plan is what this button enters.
    const Plan sample = testing::samplePlan();
    for (const TableSpec& spec : tableSpecs()) {
        if (spec.id != TableId::Ingredients) {
            EXPECT_EQ(table(spec.id).row(1), sample.table(spec.id).row(1)) << spec.name;
        }
    }
    for (const BudgetSpec& budget : budgetSpecs())
        EXPECT_EQ(stored(QString::fromUtf8(budget.storeKey)), sample.budget(budget.id)) << budget.storeKey;
}

TEST_F(MainWindowTest, HelpShowsWhereToAsk)
{
    start();
    click(widgets().helpButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Questions? Please contact Team Tarvel at https://www.jubilo.example/contact");
    EXPECT_EQ(sys.messages[0].caption, "Jubilo");
}

TEST_F(MainWindowTest, BudgetsAreWrittenAsTypedAndTheDateOnlyWhenTheUserEditsIt)
{
    start();
    EXPECT_FALSE(sys.memoryStore.contains("Date"));
    widgets().incidentalBudgetBox->setFocus();
    QTest::keyClicks(widgets().incidentalBudgetBox, "12");
    EXPECT_EQ(stored("Incidental Budget"), "12");
    QTest::keyClick(widgets().incidentalBudgetBox, Qt::Key_Backspace);
    EXPECT_EQ(stored("Incidental Budget"), "1");

    widgets().dateBox->selectAll();
    QTest::keyClicks(widgets().dateBox, "Friday");
    EXPECT_EQ(stored("Date"), "Friday");
}

TEST_F(MainWindowTest, StartingWritesNothingTheStoreAlreadyHolds)
{
    for (const BudgetSpec& budget : budgetSpecs())
        sys.memoryStore.write("Tarvel", "Jubilo", QString::fromUtf8(budget.storeKey), "25");
    sys.memoryStore.write("Tarvel", "Jubilo", "Date", "Saturday");
    sys.memoryStore.writtenKeys.clear();
    start();
    EXPECT_EQ(widgets().foodBudgetBox->text(), "25");
    EXPECT_TRUE(sys.memoryStore.writtenKeys.empty()) << sys.memoryStore.writtenKeys.front().toStdString();
}

TEST_F(MainWindowTest, AStoreThatCannotBeWrittenIsReportedNotFatal)
{
    start();
    sys.memoryStore.failWrites = true;
    QTest::keyClicks(widgets().foodBudgetBox, "5");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].caption, "Application Error");
    EXPECT_TRUE(sys.messages[0].text.contains("Form1.txtFoodBudget_Change at line 0"));

    window->saveTables();
    EXPECT_EQ(sys.messages.size(), 9u);  // one box per stored table
    EXPECT_TRUE(sys.messages.back().text.contains("Form1.Form_QueryUnload at line 114"));
}

TEST_F(MainWindowTest, ClosingWritesAllEightTables)
{
    start();
    sys.memoryStore.writtenKeys.clear();
    window->close();
    EXPECT_EQ(sys.memoryStore.writtenKeys.size(), 8u);
}

TEST_F(MainWindowTest, TheHandPointerComesFromTheCursorFileBesideTheProgram)
{
    sys.folder = QStringLiteral("/nonexistent/program");
    start();
    EXPECT_EQ(window->handPointer().shape(), Qt::ArrowCursor);

    sys.folder = QStringLiteral(JUBILO_RESOURCES_DIR);  // holds HAND-M.CUR
    start();
    EXPECT_EQ(window->handPointer().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window->handPointer().hotSpot(), QPoint(6, 0));
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(MainWindowTest, FocusSelectsTheWholeTextAndTheGuestsTabFocusesTheName)
{
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto& date = *widgets().dateBox;
    date.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(date.selectedText(), date.text());

    auto& tabs = *widgets().leftTabs;
    tabs.setCurrentIndex(1);
    EXPECT_FALSE(widgets().guestNameBox->hasFocus());
    type(widgets().guestNameBox, "Ann");
    tabs.setCurrentIndex(0);
    EXPECT_TRUE(widgets().guestNameBox->hasFocus());
    EXPECT_EQ(widgets().guestNameBox->selectedText(), "Ann");
}

}  // namespace
}  // namespace jubilo

namespace jubilo {
namespace {

class MainWindowRunTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        sys.env = {"TEMP=" + temp.path()};
    }
    QStringList tempFiles() const { return QDir(temp.path()).entryList(QDir::Files); }
    QTemporaryDir temp;
};

TEST_F(MainWindowRunTest, SampleToPreviewToSavedCopyAndBackThenRestart)
{
    start();
    window->show();
    click(widgets().loadSampleDataButton);
    click(widgets().startCreatingTemplateButton);
    PreviewWindow* preview = window->preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(sys.messages.empty()) << sys.messages[0].text.toStdString();
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_GT(preview->picture().picture().width(), 300);
    EXPECT_FALSE(QApplication::overrideCursor());
    ASSERT_EQ(tempFiles().size(), 1) << tempFiles().join(' ').toStdString();

    const QString copy = temp.filePath("my party.xls");
    sys.savePaths = {copy};
    click(preview->widgets().saveResultsButton);
    EXPECT_EQ(sys.messages.back().text, "Done.");
    click(preview->widgets().backButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(tempFiles(), QStringList{"my party.xls"});
    window->close();

    start();  // the next run of the program
    EXPECT_EQ(table(TableId::Guests).row(1), (PlanRow{"John", "NY City", "Yes", "1"}));
    EXPECT_EQ(table(TableId::FoodAndDrinks).rowCount(), 1);
    EXPECT_EQ(table(TableId::Ingredients).rowCount(), 0);
    EXPECT_EQ(widgets().foodNameBox->text(), "");
    EXPECT_EQ(widgets().foodBudgetBox->text(), "50.00");

    auto reader = createEngineHost("Excel.Application");
    reader->workbooks()->open(copy);
    EXPECT_EQ(reader->range("B4")->text(), "John");
    EXPECT_EQ(reader->range("F7")->text(), "$9.99");
    reader->quit();
}

// A temporary folder that takes no file: the run's one box, and the plan
// stays on screen with no preview and no "Done.".
TEST_F(MainWindowRunTest, ATemporaryFolderThatTakesNoFileGivesOneBoxAndNoPreview)
{
    start();
    window->show();
    click(widgets().loadSampleDataButton);
    sys.env = {QStringLiteral("TEMP=/proc")};  // not even root may create files there
    click(widgets().startCreatingTemplateButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.startsWith("Cannot save \"/proc/vemqal")) << sys.messages[0].text.toStdString();
    EXPECT_TRUE(sys.messages[0].text.contains("GenerateReport0 at line 176"));
    EXPECT_EQ(window->preview(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->updatesEnabled());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindowRunTest, DecliningTheRunningHostWarningDoesNothingElse)
{
    start();
    window->show();
    auto running = createEngineHost("Excel.Application");  // a live instance
    sys.answers = {msgbox::kAnswerNo};
    click(widgets().startCreatingTemplateButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.startsWith("Excel may be open."));
    EXPECT_EQ(window->preview(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(tempFiles().isEmpty());
    EXPECT_TRUE(window->updatesEnabled());
    running->quit();
}

TEST_F(MainWindowRunTest, ABuildThatFailsHalfWayStillSavesAndShowsWhatWasBuilt)
{
    start();
    window->show();
    table(TableId::Guests).append({"Ann", "Elm", "Yes", "2"});
    table(TableId::Decorations).append({QString(40000, 'x'), "1", "No", "2"});
    click(widgets().startCreatingTemplateButton);
    QStringList shown;
    for (const auto& m : sys.messages)
        shown << m.text.left(160);
    ASSERT_EQ(sys.messages.size(), 1u) << shown.join("\n").toStdString();
    EXPECT_TRUE(sys.messages[0].text.contains("DuzodIduz.GenerateReport0 at line 128"))
        << sys.messages[0].text.toStdString();
    ASSERT_NE(window->preview(), nullptr);
    EXPECT_TRUE(window->preview()->isVisible());
    ASSERT_EQ(tempFiles().size(), 1);
    auto reader = createEngineHost("Excel.Application");
    reader->workbooks()->open(temp.filePath(tempFiles()[0]));
    EXPECT_EQ(reader->range("B4")->text(), "Ann");
    reader->quit();
}

}  // namespace
}  // namespace jubilo

namespace jubilo {
namespace {

TEST_F(MainWindowTest, PointerIsTheHandOverButtonsTheArrowElsewhereAndBusyWins)
{
    sys.folder = QStringLiteral(JUBILO_RESOURCES_DIR);
    start();
    auto enter = [](QWidget* widget) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&kept(widget), &event);
    };
    enter(widgets().addDecorationButton);
    EXPECT_EQ(window->cursor().shape(), Qt::BitmapCursor);
    enter(widgets().guestsList);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    enter(widgets().startCreatingTemplateButton);
    enter(widgets().guestNameBox);  // other inputs leave the pointer alone
    EXPECT_EQ(window->cursor().shape(), Qt::BitmapCursor);
    enter(widgets().dateBox);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    enter(widgets().addGuestButton);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    QApplication::restoreOverrideCursor();
}

TEST_F(MainWindowTest, AFullTableRefusesAnotherRowWithAMessage)
{
    start();
    PlanTable& incidentals = table(TableId::Incidentals);
    for (int i = 0; i < PlanTable::kMaxRows; ++i)
        incidentals.append({"x", "No", "1"});
    type(widgets().incidentalNameBox, "one more");
    type(widgets().incidentalAmountBox, "2");
    choose(widgets().incidentalPurchasedChoice, "Yes");
    click(widgets().addIncidentalButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "The Incidentals list is full: it holds at most 32767 rows.");
    EXPECT_EQ(incidentals.rowCount(), PlanTable::kMaxRows);
    EXPECT_EQ(widgets().incidentalNameBox->text(), "one more");
}

TEST_F(MainWindowTest, AClickIntoABoxSelectsItsWholeText)
{
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto& amount = *widgets().musicAmountBox;
    widgets().leftTabs->setCurrentIndex(1);
    amount.setText("12.50");
    QTest::mouseClick(&amount, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(20);
    EXPECT_TRUE(amount.hasFocus());
    EXPECT_EQ(amount.selectedText(), "12.50");
}

}  // namespace
}  // namespace jubilo
