// File > Export List as CSV… and Export Timetable…: which list is on show,
// the names proposed, the files written, the day asked for when the Date
// box's text reads as none, and failures said with no word of success.

#include "lists/list_csv.h"
#include "main_window_fixture.h"
#include "tests/support/full_disk.h"
#include "tests/support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimeZone>

namespace jubilo {
namespace {

class ListExportTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        sys.clock = QDateTime(QDate(2026, 11, 2), QTime(8, 30), QTimeZone::utc());
        start();
    }
    void exportList() { window->menus().exportList->trigger(); }
    void exportTimetable() { window->menus().exportTimetable->trigger(); }
    // The file name the next export proposes; the dialog is cancelled.
    QString proposedName()
    {
        exportList();
        return sys.saveDialogs.empty() ? QString() : sys.saveDialogs.back()[2];
    }

    QTemporaryDir dir;
};

TEST_F(ListExportTest, TheListOnShowIsProposedUnderItsName)
{
    EXPECT_EQ(proposedName(), "Guests.csv") << "the left strip's tab until one is chosen";
    const struct {
        QTabWidget* MainWindowWidgets::*strip;
        int tab;
        QString name;
    } cases[] = {
        {&MainWindowWidgets::rightTabs, 3, "At The Party.csv"},
        {&MainWindowWidgets::rightTabs, 0, "Food and Drinks.csv"},
        {&MainWindowWidgets::leftTabs, 1, "Music.csv"},
    };
    for (const auto& c : cases) {
        (widgets().*c.strip)->setCurrentIndex(c.tab);
        EXPECT_EQ(proposedName(), c.name);
    }
    EXPECT_EQ(sys.saveDialogs.back(),
              (QStringList{"Export List as CSV", "CSV Files (*.csv)|*.csv|", "Music.csv", "0"}));

    // The keyboard in the other strip's list: that strip's tab is on show.
    window->show();
    QApplication::setActiveWindow(window.get());
    widgets().rightTabs->setCurrentIndex(2);
    widgets().leftTabs->setCurrentIndex(0);
    widgets().schedulesList->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widgets().schedulesList);
    EXPECT_EQ(proposedName(), "Schedules.csv");
    EXPECT_TRUE(sys.messages.empty()) << "a cancelled export says nothing";
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Written, replaced when the user says so; a folder at the name, a missing
// folder and a full disk said, the old file kept, no word of success.
TEST_F(ListExportTest, TheListIsWrittenAsCsvOrWhyNotIsSaid)
{
    addGuest("Zoë \"Zee\", Jr.", "Flat 3\nOak St");
    QDir(dir.path()).mkdir("taken.csv");
    const QString existing = dir.filePath("old.CSV");
    testing::writeFile(existing, "old list");
    sys.savePaths = {dir.filePath("taken.csv"), dir.filePath("no/such/folder/list"), existing, existing};
    sys.answers = {msgbox::kAnswerOk, msgbox::kAnswerOk, msgbox::kAnswerYes, msgbox::kAnswerOk, msgbox::kAnswerYes};
    exportList();
    exportList();
    {
        const testing::FullDisk fullDisk(4);
        exportList();
    }
    EXPECT_EQ(testing::readFile(existing), "old list");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.CSV"}) << "nothing half-written beside it";
    ASSERT_EQ(sys.messages.size(), 4u);
    EXPECT_TRUE(sys.messages[0].text.contains("taken.csv")) << sys.messages[0].text.toStdString();
    EXPECT_TRUE(sys.messages[1].text.contains("no/such/folder/list.csv"));
    for (size_t i : {1u, 3u}) {
        EXPECT_EQ(sys.messages[i].caption, "Application Error");
        EXPECT_TRUE(sys.messages[i].text.contains("Form1.mnuExportList_Click at line 104"))
            << sys.messages[i].text.toStdString();
    }
    exportList();
    EXPECT_EQ(testing::readFile(existing), listCsv(table(TableId::Guests)));
    EXPECT_EQ(sys.messageTexts().mid(4),
              (QStringList{existing + " already exists. Do you want to replace it?",
                           "The Guests list is saved as " + existing + "."}));
}

// What one plan exports, pasted into another's empty list, is the same rows.
TEST_F(ListExportTest, AnExportedListPastesBackAsTheSameRows)
{
    addGuest("Zoë \"Zee\", Jr.", "Flat 3\nOak St");
    addGuest(" Ann ; Bob ", "Elm\tSt");
    const std::vector<PlanRow> exported(table(TableId::Guests).allRows().begin(),
                                        table(TableId::Guests).allRows().end());
    sys.savePaths = {dir.filePath("guests.csv")};
    exportList();
    sys.messages.clear();  // the export's own "saved as"
    sys.memoryStore.values.clear();
    start().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(table(TableId::Guests).rowCount(), 0);
    // The file's text as an editor copies it, its byte-order mark included
    // (which the paste's reading of UTF-8 leaves out of the first cell).
    const QByteArray file = testing::readFile(dir.filePath("guests.csv"));
    ASSERT_TRUE(file.startsWith("\xEF\xBB\xBF"));
    sys.clipboardPlainText = QChar(0xFEFF) + QString::fromUtf8(file.mid(3));
    widgets().guestsList->setFocus();
    QTest::keyClick(widgets().guestsList, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(sys.messages.empty()) << sys.messageTexts().join('\n').toStdString();
    const std::vector<PlanRow> pasted(table(TableId::Guests).allRows().begin(), table(TableId::Guests).allRows().end());
    EXPECT_EQ(pasted, exported);
}

TEST_F(ListExportTest, TheTimetableIsWrittenOnTheDateAndRowsWithoutATimeAreNamed)
{
    type(widgets().dateBox, "12/24/2026");
    table(TableId::Schedules).append({"Buy meals", "11:10 AM", "Nearest store"});
    table(TableId::Schedules).append({"Call the DJ", "soon", "x"});
    table(TableId::Activities).append({"Dancing", "19:30", ""});
    const QString path = dir.filePath("party");
    sys.savePaths = {path};
    exportTimetable();
    EXPECT_TRUE(sys.dateDialogs.empty()) << "the date read";
    ASSERT_EQ(sys.saveDialogs.size(), 1u);
    EXPECT_EQ(sys.saveDialogs[0],
              (QStringList{"Export Timetable", "iCalendar Files (*.ics)|*.ics|", "Party Timetable.ics", "0"}));
    const QByteArray calendar = testing::readFile(path + ".ics");
    EXPECT_EQ(calendar.count("BEGIN:VEVENT"), 2);
    EXPECT_TRUE(calendar.contains("DTSTART:20261224T111000\r\n"));
    EXPECT_TRUE(calendar.contains("DTSTART:20261224T193000\r\n"));
    EXPECT_TRUE(calendar.contains("DTSTAMP:20261102T083000Z\r\n"));
    EXPECT_EQ(sys.messageTexts(),
              QStringList{"The timetable is saved as " + path
                          + ".ics.\n\n"
                            "1 row is left out because its time does not read as a time: "
                            "Schedules row 2 \"soon\"."});
}

TEST_F(ListExportTest, ADateThatReadsAsNoneIsAskedForAndThePlanKeepsItsText)
{
    type(widgets().dateBox, "someday");
    table(TableId::Activities).append({"Dancing", "07:00 PM", ""});
    exportTimetable();  // the day is not given
    EXPECT_TRUE(sys.saveDialogs.empty());
    EXPECT_TRUE(sys.messages.empty());

    sys.dates = {QDate(2026, 12, 31)};
    sys.savePaths = {dir.filePath("party.ics")};
    exportTimetable();
    ASSERT_EQ(sys.dateDialogs.size(), 2u);
    EXPECT_EQ(sys.dateDialogs[1],
              (QStringList{"Export Timetable",
                           "The party's date \"someday\" does not read as a date. On which day is the party?",
                           "2026-11-02"}));
    EXPECT_TRUE(testing::readFile(dir.filePath("party.ics")).contains("DTSTART:20261231T190000\r\n"));
    EXPECT_EQ(sys.messageTexts(), QStringList{"The timetable is saved as " + dir.filePath("party.ics") + "."});
    EXPECT_EQ(window->plan().date(), "someday");

    sys.dates = {QDate(2026, 12, 31)};
    sys.savePaths = {dir.filePath("no/such/folder/party.ics")};
    exportTimetable();
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_TRUE(sys.messages[1].text.contains("Form1.mnuExportTimetable_Click at line 110"))
        << sys.messages[1].text.toStdString();

    // Without a row that has a time there is no calendar to save.
    table(TableId::Activities).setCell(1, 1, "later");
    sys.dates = {QDate(2026, 12, 31)};
    sys.savePaths = {dir.filePath("empty.ics")};
    exportTimetable();
    EXPECT_EQ(sys.messages.back().text,
              "No row of Schedules or At The Party has a time that reads as a time, so there is no timetable to "
              "export.");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("empty.ics")));
}

}  // namespace
}  // namespace jubilo
