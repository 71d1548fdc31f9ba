// The File menu's plans: a plan is a file the window turns to, the store's
// plan stays as it was, and a plan open elsewhere, gone or damaged is said
// so without losing what the window shows.

#include "main_window_fixture.h"
#include "plan/recent_plans.h"
#include "plan/saved_plan.h"
#include "plan/next_party.h"
#include "plan/stored_values.h"
#include "platform/ini_settings_store.h"
#include "platform/plan_file_store.h"
#include "startup/plan_lock.h"
#include "tests/support/sample_plans.h"
#include "tests/support/test_files.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

namespace jubilo {
namespace {

class PlanFilesTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        testing::storePlan(sys.memoryStore, testing::samplePlan());
        sys.memoryStore.writtenKeys.clear();
        start();
    }

    QString file(const QString& name) const { return dir.filePath(name); }
    // The plan a file holds, read the way the window reads it.
    Plan readPlan(const QString& path)
    {
        auto store = PlanFileStore::open(path);
        Plan plan;
        SavedPlan saved(*store);
        for (const PlanStep& step : saved.loadSteps(plan, sys.clock))
            step.run();
        return plan;
    }

    // What was written to the store's own plan (its recent list aside).
    QStringList planKeysWritten() const
    {
        QStringList keys;
        for (const QString& key : sys.memoryStore.writtenKeys) {
            bool recentSlot = false;  // the recent list's keys are its slots' numbers
            key.toInt(&recentSlot);
            if (!recentSlot)
                keys << key;
        }
        return keys;
    }

    QTemporaryDir dir;
};

TEST_F(PlanFilesTest, TheMenusStandAboveTheFormWithShortcutsMnemonicsAndNames)
{
    const PlanMenus& m = window->menus();
    const QList<QAction*> items{m.newPlan, m.newPlanFromThis, m.openPlan, m.savePlanAs, m.quit, m.help, m.about};
    for (const QAction* item : items) {
        EXPECT_TRUE(item->text().contains('&')) << item->text().toStdString();
        EXPECT_FALSE(item->objectName().isEmpty());
    }
    EXPECT_EQ(m.newPlan->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(m.openPlan->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(m.savePlanAs->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(m.quit->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(m.fileMenu->accessibleName(), "File");
    EXPECT_EQ(m.helpMenu->accessibleName(), "Help");
    EXPECT_EQ(m.recentMenu->accessibleName(), "Open Recent");
    EXPECT_FALSE(m.recentMenu->isEnabled()) << "no plan was opened yet";
}

// Save Plan As writes the whole plan and turns to the file: later changes
// go there and the store's plan stays as it was.
TEST_F(PlanFilesTest, SavePlanAsTurnsToTheFileAndLeavesTheStoreAlone)
{
    const Plan before = window->plan();
    sys.savePaths = {file("Summer party")};
    window->planFiles().savePlanAs();
    const QString path = file("Summer party.jubilo");
    ASSERT_TRUE(QFile::exists(path)) << sys.messages.size();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Summer party \u2014 Jubilo"));
    EXPECT_EQ(window->openPlan().path, path);

    addGuest("Zoë");
    EXPECT_EQ(planKeysWritten(), QStringList()) << "the store's plan was written";
    const Plan onFile = readPlan(path);
    EXPECT_EQ(onFile.table(TableId::Guests).rowCount(), before.table(TableId::Guests).rowCount() + 1);
    EXPECT_EQ(onFile.table(TableId::Music).row(1), before.table(TableId::Music).row(1));
    EXPECT_EQ(onFile.budget(BudgetId::Music), before.budget(BudgetId::Music));
    EXPECT_EQ(RecentPlans(sys.memoryStore).paths(), QStringList{path});
    emit window->menus().fileMenu->aboutToShow();
    const QMenu& recent = *window->menus().recentMenu;
    EXPECT_TRUE(recent.isEnabled());
    ASSERT_EQ(recent.actions().size(), 1);
    EXPECT_TRUE(recent.actions().first()->text().startsWith("&1 Summer party.jubilo"))
        << recent.actions().first()->text().toStdString();
}

TEST_F(PlanFilesTest, TheNextPartyKeepsRowsAndBudgetsWithNothingBoughtOrAnsweredAndNoDate)
{
    type(widgets().foodBudgetBox, "50.00");
    sys.savePaths = {file("next.jubilo")};
    window->planFiles().newPlanFromThis();
    ASSERT_EQ(window->openPlan().path, file("next.jubilo"));
    const Plan& next = window->plan();
    ASSERT_EQ(next.table(TableId::Guests).rowCount(), 1);
    EXPECT_EQ(next.table(TableId::Guests).row(1), (PlanRow{"John", "NY City", "No", "1"}));
    EXPECT_EQ(next.table(TableId::Decorations).cell(1, 2), "No");
    EXPECT_EQ(next.budget(BudgetId::Food), "50.00");
    EXPECT_EQ(widgets().dateBox->text(), "");
    EXPECT_EQ(readPlan(file("next.jubilo")).date(), "");
}

TEST_F(PlanFilesTest, ANewPlanIsEmptyWithTheDateOfToday)
{
    sys.savePaths = {file("Birthday")};
    window->planFiles().newPlan();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Birthday \u2014 Jubilo"));
    for (const TableSpec& spec : tableSpecs()) {
        EXPECT_EQ(table(spec.id).rowCount(), 0) << spec.name;
    }
    EXPECT_EQ(widgets().dateBox->text(), defaultDateText(sys.clock));
    EXPECT_EQ(planKeysWritten(), QStringList());
    addGuest("Ann");
    EXPECT_EQ(readPlan(file("Birthday.jubilo")).table(TableId::Guests).rowCount(), 1);

    sys.savePaths = {file("Birthday.jubilo")};  // the plan open now
    window->planFiles().newPlan();
    ASSERT_FALSE(sys.messages.empty());
    EXPECT_TRUE(sys.messages.back().text.contains("open now")) << sys.messages.back().text.toStdString();
    EXPECT_EQ(guestNames(), QStringList{"Ann"});
}

// Turning to another plan leaves no row of the one before, the working
// Ingredients list included.
TEST_F(PlanFilesTest, OpeningAPlanLeavesNoRowOfTheOneBefore)
{
    type(widgets().ingredientBox, "Salt");
    choose(widgets().ingredientPurchasedChoice, "No");
    type(widgets().ingredientAmountBox, "1");
    click(widgets().addIngredientButton);
    ASSERT_EQ(table(TableId::Ingredients).rowCount(), 1);

    Plan other;
    testing::appendRows(other, TableId::Guests, {{"Ann", "Oak St", "Yes", "3"}});
    PlanFileStore::create(file("other.jubilo"), storedValues(other));
    sys.openPaths = {file("other.jubilo")};
    window->planFiles().openPlan();
    EXPECT_EQ(guestNames(), QStringList{"Ann"});
    for (const TableSpec& spec : tableSpecs()) {
        if (spec.id != TableId::Guests) {
            EXPECT_EQ(table(spec.id).rowCount(), 0) << spec.name;
        }
    }
    EXPECT_EQ(widgets().musicBudgetBox->text(), "");
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(planKeysWritten(), QStringList()) << "the store's plan was written";
}

TEST_F(PlanFilesTest, AFileThatIsNoPlanIsSaidSoAndTheWindowKeepsItsPlan)
{
    testing::writeFile(file("notes.jubilo"), "just some notes\n");
    sys.openPaths = {file("notes.jubilo")};
    window->planFiles().openPlan();
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("notes.jubilo")) << sys.messages[0].text.toStdString();
    EXPECT_EQ(guestNames(), QStringList{"John"});
    EXPECT_EQ(window->windowTitle(), "Jubilo");
    EXPECT_EQ(testing::readFile(file("notes.jubilo")), "just some notes\n");
}

// One Jubilo per plan file: a plan whose lock another Jubilo holds is not
// opened, and the window stays on its plan.
TEST_F(PlanFilesTest, APlanOpenInAnotherJubiloIsNotOpenedTwice)
{
    IniSettingsStore settings(dir.filePath("config"));
    sys.store = &settings;
    PlanFileStore::create(file("shared.jubilo"), storedValues(Plan()));
    PlanLock other(planFileLockPath(settings.location(kStoreApplication), file("./shared.jubilo")));
    ASSERT_EQ(other.claim(), PlanLock::Claim::Held);

    sys.openPaths = {file("shared.jubilo")};
    window->planFiles().openPlan();
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("open in another Jubilo")) << sys.messages[0].text.toStdString();
    EXPECT_EQ(window->windowTitle(), "Jubilo");
    EXPECT_EQ(guestNames(), QStringList{"John"});
}

// A plan this user cannot write shows as any other, but takes no change:
// its boxes are read-only and a change asks whether to save a copy.
TEST_F(PlanFilesTest, AReadOnlyPlanTakesNoChangeAndOffersSavePlanAs)
{
    PlanFileStore::create(file("theirs.jubilo"), storedValues(testing::samplePlan()));
    OpenPlan readOnly;
    readOnly.file = PlanFileStore::open(file("theirs.jubilo"));
    readOnly.path = file("theirs.jubilo");
    readOnly.readOnly = true;
    window->showPlan(std::move(readOnly));
    EXPECT_TRUE(widgets().musicBudgetBox->isReadOnly());
    EXPECT_TRUE(widgets().dateBox->isReadOnly());
    const QByteArray before = testing::readFile(file("theirs.jubilo"));

    addGuest("Zed");  // answered No
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("read-only")) << sys.messages[0].text.toStdString();
    EXPECT_EQ(sys.messages[0].flags, msgbox::kYesNo);
    EXPECT_EQ(guestNames(), QStringList{"John"});
    click(widgets().loadSampleDataButton);
    EXPECT_EQ(guestNames(), QStringList{"John"});
    EXPECT_EQ(testing::readFile(file("theirs.jubilo")), before);

    sys.answers = {msgbox::kAnswerYes};
    sys.savePaths = {file("mine.jubilo")};
    selectRow(widgets().guestsList, 0);
    click(widgets().deleteGuestButton);
    EXPECT_EQ(window->openPlan().path, file("mine.jubilo"));
    EXPECT_FALSE(widgets().musicBudgetBox->isReadOnly());
    selectRow(widgets().guestsList, 0);
    click(widgets().deleteGuestButton);
    EXPECT_EQ(guestNames(), QStringList());
    EXPECT_EQ(testing::readFile(file("theirs.jubilo")), before);
}

TEST_F(PlanFilesTest, ARecentPlanThatIsGoneIsSaidSoAndDropped)
{
    RecentPlans(sys.memoryStore).add(file("gone.jubilo"));
    window->planFiles().openRecent(file("gone.jubilo"));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("no longer there"));
    EXPECT_TRUE(RecentPlans(sys.memoryStore).paths().isEmpty());
}

// A plan file moved away while open: the next change says so, the window
// keeps every row, nothing appears at the old name, and Save Plan As
// keeps the plan.
TEST_F(PlanFilesTest, APlanFileMovedAwayWhileOpenLosesNothing)
{
    sys.savePaths = {file("party.jubilo"), file("rescued.jubilo")};
    window->planFiles().savePlanAs();
    ASSERT_TRUE(QFile::rename(file("party.jubilo"), file("moved.jubilo")));
    addGuest("Zed");
    ASSERT_FALSE(sys.messages.empty());
    EXPECT_TRUE(sys.messages.back().text.contains("party.jubilo")) << sys.messages.back().text.toStdString();
    EXPECT_EQ(guestNames(), (QStringList{"John", "Zed"}));
    EXPECT_FALSE(QFile::exists(file("party.jubilo")));

    window->planFiles().savePlanAs();
    EXPECT_EQ(readPlan(file("rescued.jubilo")).table(TableId::Guests).rowCount(), 2);
}

}  // namespace
}  // namespace jubilo
