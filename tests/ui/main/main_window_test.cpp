#include "plan/table_text.h"
#include "host/engine/engine_host.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"
#include "main_window_fixture.h"
#include "ui/main/main_window.h"
#include "ui/preview/preview_window.h"

#include <QApplication>
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
    EXPECT_EQ(window->size(), QSize(968, 393));
    EXPECT_EQ(get<QPushButton>("PushButton1").geometry(), QRect(8, 8, 312, 27));
    EXPECT_EQ(get<QPushButton>("PushButton21").text(), "Load Sample/Example Data");
    EXPECT_EQ(get<QLineEdit>("txtDate").text(), "2021 | August 31 | 09 PM");
    const char* lists[] = {"lvwGuests",        "lvwMusics",      "lvwDecorations", "lvwFoodAndDrinks", "lvwIngredients",
                           "lvwOtherSupplies", "lvwIncidentals", "lvwSchedules",   "lvwActivities"};
    ASSERT_EQ(tableSpecs().size(), std::size(lists));
    for (size_t i = 0; i < std::size(lists); ++i) {
        const TableSpec& spec = tableSpecs()[i];
        auto& list = get<QAbstractItemView>(lists[i]);
        ASSERT_EQ(list.model()->columnCount(), spec.columnCount) << lists[i];
        EXPECT_EQ(list.model()->rowCount(), 0);
        EXPECT_EQ(list.model()->headerData(0, Qt::Horizontal).toString(), spec.columns[0].header);
    }
    for (const char* box : {"cboRSVP", "cboMusicPurchased", "cboDecorationPurchased", "cboIncidentalPurchased",
                            "cboFoodPurchased", "cboOtherSupplyPurchased"}) {
        auto& combo = get<QComboBox>(box);
        EXPECT_EQ(combo.currentIndex(), -1) << box;
        EXPECT_FALSE(combo.isEditable());
        ASSERT_EQ(combo.count(), 2);
        EXPECT_EQ(combo.itemText(0), "Yes");
        EXPECT_EQ(combo.itemText(1), "No");
    }
    EXPECT_EQ(get<QTabWidget>("SSTab2").tabText(0), "Food && Drinks");
    EXPECT_EQ(get<QLineEdit>("txtMusicBudget").font().family(), "Arial");
    EXPECT_TRUE(get<QLineEdit>("txtMusicBudget").font().bold());
    EXPECT_DOUBLE_EQ(get<QPushButton>("PushButton2").font().pointSizeF(), 11.25);
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(MainWindowTest, StartLoadsTheStoredPlan)
{
    const QString S = kCellSeparator, T = kRowTerminator;
    sys.memoryStore.write("Tarvel", "Jubilo", "Schedules", "Buy meals" + S + "11:10 AM" + S + "Store" + T);
    sys.memoryStore.write("Tarvel", "Jubilo", "Music Budget", "15.00");
    sys.memoryStore.write("Tarvel", "Jubilo", "Date", "Saturday");
    start();
    auto* model = get<QAbstractItemView>("lvwSchedules").model();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->index(0, 1).data().toString(), "11:10 AM");
    EXPECT_EQ(get<QLineEdit>("txtMusicBudget").text(), "15.00");
    EXPECT_EQ(get<QLineEdit>("txtDate").text(), "Saturday");
}

TEST_F(MainWindowTest, IncompleteGuestShowsTheReminderAndKeepsTheTexts)
{
    start();
    type("txtGuestName", "Ann");
    type("txtAddress", "Elm St");
    type("txtNumberParty", "2");
    click("PushButton2");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "You forgot to input all entries for guest.");
    EXPECT_EQ(sys.messages[0].flags, 0);
    EXPECT_EQ(sys.messages[0].caption, "Jubilo");
    EXPECT_EQ(table(TableId::Guests).rowCount(), 0);
    EXPECT_EQ(get<QLineEdit>("txtGuestName").text(), "Ann");
}

TEST_F(MainWindowTest, AddPutsCellsInColumnOrderEmptiesBoxesKeepsTheChoiceAndStores)
{
    start();
    type("txtMusicType", "  ");
    type("txtMusicFormat", "CD");
    type("txtMusicAmount", "1.234,50");
    choose("cboMusicPurchased", "No");
    click("PushButton15");
    ASSERT_EQ(table(TableId::Music).rowCount(), 1);
    EXPECT_EQ(table(TableId::Music).row(1), (PlanRow{"  ", "CD", "No", "1.234,50"}));
    EXPECT_EQ(get<QLineEdit>("txtMusicType").text(), "");
    EXPECT_EQ(get<QLineEdit>("txtMusicAmount").text(), "");
    EXPECT_EQ(get<QComboBox>("cboMusicPurchased").currentText(), "No");
    EXPECT_EQ(stored("Musics"), "  ||MySeparator12||CD||MySeparator12||No||MySeparator12||1.234,50||MySeparator11||");

    click("PushButton15");
    EXPECT_EQ(sys.messages.back().text, "You forgot to input all entries for music.");

    type("txtOtherSupply", "Lights");
    type("txtOtherSupplyAmount", "3");
    choose("cboOtherSupplyPurchased", "Yes");
    click("PushButton8");
    EXPECT_EQ(table(TableId::OtherSupplies).row(1), (PlanRow{"Lights", "Yes", "3"}));
}

TEST_F(MainWindowTest, FoodIsBuiltFromTheIngredients)
{
    start();
    type("txtFoodName", "Punch");
    click("PushButton6");
    EXPECT_EQ(sys.messages.back().text, "You forgot to input all entries for food.");
    EXPECT_EQ(get<QLineEdit>("txtFoodName").text(), "Punch");

    choose("cboFoodPurchased", "Yes");
    type("txtIngredients", "Juice");
    type("txtFoodAmount", "4.00");
    click("PushButton4");
    choose("cboFoodPurchased", "No");
    type("txtIngredients", "Soda");
    type("txtFoodAmount", "2.50");
    click("PushButton4");
    ASSERT_EQ(table(TableId::Ingredients).rowCount(), 2);

    click("PushButton6");
    const PlanTable& food = table(TableId::FoodAndDrinks);
    ASSERT_EQ(food.rowCount(), 2);
    EXPECT_EQ(food.row(1), (PlanRow{"Punch", "Juice", "Yes", "4.00"}));
    EXPECT_EQ(food.row(2), (PlanRow{"Punch", "Soda", "No", "2.50"}));
    EXPECT_EQ(table(TableId::Ingredients).rowCount(), 0);
    EXPECT_EQ(get<QLineEdit>("txtFoodName").text(), "");
    EXPECT_EQ(get<QComboBox>("cboFoodPurchased").currentText(), "No");
    EXPECT_TRUE(stored("Food And Drinks").startsWith("Punch||MySeparator12||Juice"));
}

TEST_F(MainWindowTest, DeleteRemovesOnlyTheSelectedRow)
{
    start();
    click("PushButton13");  // empty table: nothing at all
    EXPECT_TRUE(sys.messages.empty());
    for (const char* name : {"a", "b", "c"}) {
        type("txtActivity", name);
        type("txtActivityTime", "8 PM");
        type("txtActivityNotes", "-");
        click("PushButton12");
    }
    get<QAbstractItemView>("lvwActivities").clearSelection();
    click("PushButton13");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("in Quenby2021/08/31.Form1.chkDeleteActivities_Click at line 102"));
    EXPECT_EQ(table(TableId::Activities).rowCount(), 3);

    selectRow("lvwActivities", 1);
    click("PushButton13");
    ASSERT_EQ(table(TableId::Activities).rowCount(), 2);
    EXPECT_EQ(table(TableId::Activities).cell(1, 0), "a");
    EXPECT_EQ(table(TableId::Activities).cell(2, 0), "c");
    EXPECT_FALSE(stored("Activities").contains("b||"));
}

TEST_F(MainWindowTest, EntriesThatTheStoreCannotHoldAreRefused)
{
    start();
    type("txtTask", "Buy ||MySeparator11|| now");
    type("txtTaskTime", "9");
    type("txtTaskNotes", "x");
    click("PushButton10");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("cannot contain"));
    EXPECT_EQ(table(TableId::Schedules).rowCount(), 0);
    EXPECT_EQ(get<QLineEdit>("txtTask").text(), "Buy ||MySeparator11|| now");
}

TEST_F(MainWindowTest, SampleDataAppendsOneRowEverywhereAndSetsTheBudgets)
{
    start();
    click("PushButton21");
    click("PushButton21");
    EXPECT_TRUE(sys.messages.empty());
    for (const TableSpec& spec : tableSpecs())
        EXPECT_EQ(table(spec.id).rowCount(), 2) << spec.name;
    EXPECT_EQ(table(TableId::Guests).row(2), (PlanRow{"John", "NY City", "Yes", "1"}));
    EXPECT_EQ(table(TableId::Activities).row(1), (PlanRow{"Dancing", "07:00 PM", "If guests want to"}));
    EXPECT_EQ(table(TableId::Ingredients).row(1), (PlanRow{"Meat", "Yes", "20.00"}));
    EXPECT_EQ(get<QLineEdit>("txtFoodName").text(), "Barbeque");
    EXPECT_EQ(get<QLineEdit>("txtOtherSupplyBudget").text(), "30.00");
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
    click("PushButton14");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Questions? Please contact Team Tarvel at https://www.jubilo.example/contact");
    EXPECT_EQ(sys.messages[0].caption, "Jubilo");
}

TEST_F(MainWindowTest, BudgetsAreWrittenAsTypedAndTheDateOnlyWhenTheUserEditsIt)
{
    start();
    EXPECT_FALSE(sys.memoryStore.contains("Date"));
    get<QLineEdit>("txtIncidentalBudget").setFocus();
    QTest::keyClicks(&get<QLineEdit>("txtIncidentalBudget"), "12");
    EXPECT_EQ(stored("Incidental Budget"), "12");
    QTest::keyClick(&get<QLineEdit>("txtIncidentalBudget"), Qt::Key_Backspace);
    EXPECT_EQ(stored("Incidental Budget"), "1");

    get<QLineEdit>("txtDate").selectAll();
    QTest::keyClicks(&get<QLineEdit>("txtDate"), "Friday");
    EXPECT_EQ(stored("Date"), "Friday");
}

TEST_F(MainWindowTest, StartingWritesNothingTheStoreAlreadyHolds)
{
    for (const BudgetSpec& budget : budgetSpecs())
        sys.memoryStore.write("Tarvel", "Jubilo", QString::fromUtf8(budget.storeKey), "25");
    sys.memoryStore.write("Tarvel", "Jubilo", "Date", "Saturday");
    sys.memoryStore.writtenKeys.clear();
    start();
    EXPECT_EQ(get<QLineEdit>("txtFoodBudget").text(), "25");
    EXPECT_TRUE(sys.memoryStore.writtenKeys.empty()) << sys.memoryStore.writtenKeys.front().toStdString();
}

TEST_F(MainWindowTest, AStoreThatCannotBeWrittenIsReportedNotFatal)
{
    start();
    sys.memoryStore.failWrites = true;
    QTest::keyClicks(&get<QLineEdit>("txtFoodBudget"), "5");
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
    auto& date = get<QLineEdit>("txtDate");
    date.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(date.selectedText(), date.text());

    auto& tabs = get<QTabWidget>("SSTab1");
    tabs.setCurrentIndex(1);
    EXPECT_FALSE(get<QLineEdit>("txtGuestName").hasFocus());
    type("txtGuestName", "Ann");
    tabs.setCurrentIndex(0);
    EXPECT_TRUE(get<QLineEdit>("txtGuestName").hasFocus());
    EXPECT_EQ(get<QLineEdit>("txtGuestName").selectedText(), "Ann");
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
    click("PushButton21");
    click("PushButton1");
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
    QTest::mouseClick(preview->findChild<QPushButton*>("PushButton6"), Qt::LeftButton);
    EXPECT_EQ(sys.messages.back().text, "Done.");
    QTest::mouseClick(preview->findChild<QPushButton*>("PushButton8"), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(tempFiles(), QStringList{"my party.xls"});
    window->close();

    start();  // the next run of the program
    EXPECT_EQ(table(TableId::Guests).row(1), (PlanRow{"John", "NY City", "Yes", "1"}));
    EXPECT_EQ(table(TableId::FoodAndDrinks).rowCount(), 1);
    EXPECT_EQ(table(TableId::Ingredients).rowCount(), 0);
    EXPECT_EQ(get<QLineEdit>("txtFoodName").text(), "");
    EXPECT_EQ(get<QLineEdit>("txtFoodBudget").text(), "50.00");

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
    click("PushButton21");
    sys.env = {QStringLiteral("TEMP=/proc")};  // not even root may create files there
    click("PushButton1");
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
    click("PushButton1");
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
    click("PushButton1");
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
    auto enter = [&](const char* name) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&get<QWidget>(name), &event);
    };
    enter("PushButton17");
    EXPECT_EQ(window->cursor().shape(), Qt::BitmapCursor);
    enter("lvwGuests");
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    enter("PushButton1");
    enter("txtGuestName");  // other inputs leave the pointer alone
    EXPECT_EQ(window->cursor().shape(), Qt::BitmapCursor);
    enter("txtDate");
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    enter("PushButton2");
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    QApplication::restoreOverrideCursor();
}

TEST_F(MainWindowTest, AFullTableRefusesAnotherRowWithAMessage)
{
    start();
    PlanTable& incidentals = table(TableId::Incidentals);
    for (int i = 0; i < PlanTable::kMaxRows; ++i)
        incidentals.append({"x", "No", "1"});
    type("txtIncidentalName", "one more");
    type("txtIncidentalAmount", "2");
    choose("cboIncidentalPurchased", "Yes");
    click("PushButton19");
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "The Incidentals list is full: it holds at most 32767 rows.");
    EXPECT_EQ(incidentals.rowCount(), PlanTable::kMaxRows);
    EXPECT_EQ(get<QLineEdit>("txtIncidentalName").text(), "one more");
}

TEST_F(MainWindowTest, AClickIntoABoxSelectsItsWholeText)
{
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto& amount = get<QLineEdit>("txtMusicAmount");
    get<QTabWidget>("SSTab1").setCurrentIndex(1);
    amount.setText("12.50");
    QTest::mouseClick(&amount, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(20);
    EXPECT_TRUE(amount.hasFocus());
    EXPECT_EQ(amount.selectedText(), "12.50");
}

}  // namespace
}  // namespace jubilo
