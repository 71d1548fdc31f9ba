// File > Import Guests in the window: the file chosen, the dialog driven as
// a user drives it, and the guests added as one undo step and stored, or,
// when anything is amiss, nothing added and the user told why.

#include "main_window_fixture.h"
#include "plan/stored_values.h"
#include "plan/table_text.h"
#include "platform/plan_file_store.h"
#include "tests/support/sample_plans.h"
#include "tests/support/test_files.h"
#include "ui/import/import_dialog.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

namespace jubilo {
namespace {

class ImportGuestsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start();
        addGuest("Zed");
        sys.messages.clear();
    }
    QString plant(const QByteArray& bytes, const QString& name = QStringLiteral("party.csv"))
    {
        const QString path = dir.filePath(name);
        testing::writeFile(path, bytes);
        return path;
    }
    void importFile(const QString& path)
    {
        sys.openPaths = {path};
        window->menus().importGuests->trigger();
    }
    std::vector<PlanRow> storedGuests() { return decodeTableText(stored("Guests"), 4); }

    QTemporaryDir dir;
};

const QByteArray kPartyCsv = "Name;Address;Coming;Count\r\nAnn Lee;1 Elm St, Town;yes;2\r\n"
                             "Zo\xEB M\xFCller;\"2 Oak Rd\r\nBern\";;\r\nBob;3 Ash Ln;No;4\r\n";

TEST_F(ImportGuestsTest, ConfirmedImportAddsEveryGuestAsOneStepAndStoresThem)
{
    ASSERT_TRUE(window->menus().fileMenu->actions().contains(window->menus().importGuests));
    EXPECT_EQ(window->menus().importGuests->text(), "&Import Guests…");
    sys.dialogScripts.push_back([](QDialog& dialog) {
        auto& import = dynamic_cast<ImportGuestsDialog&>(dialog);
        EXPECT_EQ(import.summary(), "3 guests will be added.");
        import.columnChoice(3)->setCurrentText("(none)");  // every party of one
        return true;
    });
    importFile(plant(kPartyCsv));

    ASSERT_EQ(sys.openDialogs.size(), 1u);
    EXPECT_EQ(sys.openDialogs[0],
              (QStringList{"Import Guests", "Guest lists (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|All files (*)|*|", ""}));
    EXPECT_EQ(sys.dialogsRun, QStringList{"Import Guests"});
    const std::vector<PlanRow> expected{{"Zed", "Elm St", "Yes", "2"},
                                        {"Ann Lee", "1 Elm St, Town", "Yes", "1"},
                                        {"Zoë Müller", "2 Oak Rd\r\nBern", "No", "1"},
                                        {"Bob", "3 Ash Ln", "No", "1"}};
    const std::span<const PlanRow> shown = table(TableId::Guests).allRows();
    EXPECT_EQ(std::vector<PlanRow>(shown.begin(), shown.end()), expected);
    EXPECT_EQ(storedGuests(), expected);
    EXPECT_EQ(window->widgets().guestsList->model()->rowCount(), 4);
    EXPECT_TRUE(sys.messages.empty()) << sys.messageTexts().join('\n').toStdString();

    EXPECT_EQ(window->menus().undo->text(), "&Undo Import Guests");
    window->menus().undo->trigger();
    EXPECT_EQ(guestNames(), QStringList{"Zed"});
    EXPECT_EQ(storedGuests().size(), 1u);
    window->menus().redo->trigger();
    EXPECT_EQ(storedGuests(), expected);
}

TEST_F(ImportGuestsTest, CancelledOrRefusedImportsAddNothing)
{
    const QString before = stored("Guests");
    const QString vanished = plant("Ann,Elm\n", "gone.csv");
    QFile::remove(vanished);
    const struct {
        QString path;
        const char* message;  // none: the dialog is cancelled
    } cases[] = {
        {plant(kPartyCsv), nullptr},
        {dir.path(), "Guests cannot be imported from \"%1\": it is a folder, not a file."},
        {vanished, "Guests cannot be imported from \"%1\": the file is not there (it may have been moved or deleted)."},
        {plant("Name,Address\nAnn,\"Elm\n", "open.csv"),
         "Guests cannot be imported from \"%1\": line 2: a quoted field is never closed."},
        {plant("BEGIN:VCARD\nEMAIL:a@b.c\nEND:VCARD\n", "cards.vcf"),
         "Guests cannot be imported from \"%1\": line 1: the card that starts here has no name (neither FN nor N)."},
    };
    for (const auto& c : cases) {
        sys.messages.clear();
        sys.dialogsRun.clear();
        importFile(c.path);
        EXPECT_EQ(sys.messageTexts(), c.message ? QStringList{QString::fromUtf8(c.message).arg(c.path)} : QStringList())
            << c.path.toStdString();
        EXPECT_EQ(sys.dialogsRun.size(), c.message ? 0u : 1u) << c.path.toStdString();
        EXPECT_EQ(guestNames(), QStringList{"Zed"});
        EXPECT_EQ(stored("Guests"), before);
    }
    window->menus().importGuests->trigger();  // the picker cancelled
    EXPECT_EQ(guestNames(), QStringList{"Zed"});
    EXPECT_EQ(window->menus().undo->text(), "&Undo Add Guest");
}

TEST_F(ImportGuestsTest, AListWithoutRoomForThemAllTakesNone)
{
    std::vector<PlanRow> rows(PlanTable::kMaxRows - 3, PlanRow{"G", "A", "No", "1"});
    table(TableId::Guests).appendRows(rows);
    sys.dialogScripts.push_back([](QDialog&) { return true; });
    importFile(plant(kPartyCsv + "Cy;4 Fir Ct;yes;1\r\n"));
    EXPECT_EQ(sys.messageTexts(),
              QStringList{"The Guests list is full: it holds at most 32767 rows. The file holds 4 "
                          "guests, and the list has room for 2 more."});
    EXPECT_TRUE(sys.dialogsRun.isEmpty());
    EXPECT_EQ(table(TableId::Guests).rowCount(), PlanTable::kMaxRows - 2);
}

TEST_F(ImportGuestsTest, AReadOnlyPlanTakesNoGuestsAndIsNotAskedForAFile)
{
    PlanFileStore::create(dir.filePath("theirs.jubilo"), storedValues(testing::samplePlan()));
    OpenPlan readOnly;
    readOnly.file = PlanFileStore::open(dir.filePath("theirs.jubilo"));
    readOnly.path = dir.filePath("theirs.jubilo");
    readOnly.readOnly = true;
    window->showPlan(std::move(readOnly));
    const QStringList names = guestNames();
    sys.messages.clear();
    importFile(plant(kPartyCsv));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_TRUE(sys.messages[0].text.contains("read-only"));
    EXPECT_TRUE(sys.openDialogs.empty());
    EXPECT_EQ(guestNames(), names);
}

}  // namespace
}  // namespace jubilo
