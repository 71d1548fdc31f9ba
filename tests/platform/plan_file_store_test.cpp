// A plan file holds a plan exactly as the settings file does, reads and
// writes it as the settings store does, and never loses or silently
// recreates it.

#include "plan/next_party.h"
#include "plan/saved_plan.h"
#include "plan/stored_values.h"
#include "plan/table_text.h"
#include "platform/ini_settings_store.h"
#include "platform/ini_text.h"
#include "platform/plan_file_store.h"
#include "tests/support/folder_snapshot.h"
#include "tests/support/full_disk.h"
#include "tests/support/plan_equality.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <ostream>
#include <unistd.h>

namespace jubilo {
namespace {

using testing::readFile;
using testing::writeFile;

const QDateTime kNow(QDate(2026, 12, 8), QTime(10, 0));

Plan loadedFrom(SettingsStore& store)
{
    Plan plan;
    SavedPlan saved(store);
    for (const PlanStep& step : saved.loadSteps(plan, kNow))
        step.run();
    return plan;
}

void writeValues(SettingsStore& store, const StoredValues& values)
{
    for (const auto& [key, text] : values)
        store.write(kStoreApplication, kStoreSection, key, text);
}

// Cells the file's escaping or the table format could get wrong, each row
// one the store keeps.
Plan awkwardPlan()
{
    const QString longCell = QStringLiteral("Ünïcødé; \"q\" \\ ").repeated(2048).left(32767);
    Plan plan;
    testing::appendRows(plan, TableId::Guests,
                        {{"  leading spaces", "trailing  ", "Yes", "1"},
                         {"semi;colon, comma = equals", "\"quoted\" 'single'", "No", "#2"},
                         {"back\\slash\\", "C:\\Temp\\", "", "@3"},
                         {"Ελληνικά — 日本語 — עברית", "🎉🥳 👨‍👩‍👧", "Yes", "３"},
                         {"||MySeparator1|", "|", "||", "MySeparator12"},
                         {"[Jubilo]", "Guests=stolen", "; not a comment", "@Invalid()"}});
    testing::appendRows(plan, TableId::Music, {{"line1\nline2\r\nline3", "\ttab", "No", ""}});
    testing::appendRows(plan, TableId::Schedules, {{"Long notes", "", longCell}});
    testing::appendRows(plan, TableId::Activities, {{longCell, longCell, longCell}});
    plan.setBudget(BudgetId::Music, " 1,000.50 ");
    plan.setBudget(BudgetId::Food, "@Variant(x)");
    plan.setBudget(BudgetId::Decoration, "; 10");
    plan.setDate("Saturday ; \"late\" = fun \\ ünï");
    return plan;
}

class PlanFileStoreTest : public testing::ScriptedSystemTest {
protected:
    PlanFileStoreTest() { sys.clock = kNow; }
    QString path() const { return dir.filePath("party.jubilo"); }
    PlanFileStore::Notice noticeList()
    {
        return [this](const QString& text) { notices << text; };
    }

    QTemporaryDir dir;
    QStringList notices;
};

// One format: the settings store writes the very bytes a new plan file
// holds, and each reads what the other wrote.
TEST_F(PlanFileStoreTest, TheSettingsFileAndAPlanFileAreOneFormat)
{
    const Plan plan = testing::samplePlan();
    IniSettingsStore settings(dir.filePath("config"));
    writeValues(settings, storedValues(plan));
    settings.checkpoint();
    PlanFileStore::create(path(), storedValues(plan));
    EXPECT_EQ(readFile(path()), readFile(settings.filePath(kStoreApplication)));

    const auto asPlanFile = PlanFileStore::open(settings.filePath(kStoreApplication));
    EXPECT_TRUE(testing::samePlan(loadedFrom(*asPlanFile), plan));

    const Plan other = testing::planWithRows(5);
    PlanFileStore::create(path(), storedValues(other));
    ASSERT_TRUE(QDir().mkdir(dir.filePath("copy")));
    ASSERT_TRUE(QFile::copy(path(), dir.filePath("copy/Tarvel.ini")));
    IniSettingsStore copy(dir.filePath("copy"));
    EXPECT_TRUE(testing::samePlan(loadedFrom(copy), other));
}

// Each plan comes back equal, written whole by create() or value by value
// into a file that held another plan.
TEST_F(PlanFileStoreTest, APlanReadsBackEqual)
{
    const Plan awkward = awkwardPlan();
    for (TableId id : SavedPlan::tableOrder()) {
        for (int row = 1; row <= awkward.table(id).rowCount(); ++row)
            ASSERT_TRUE(survivesStore(awkward.table(id).row(row), awkward.table(id).columnCount())) << row;
    }
    const Plan plans[] = {testing::samplePlan(), awkward, nextPartyFrom(testing::samplePlan())};
    for (const Plan& plan : plans) {
        SCOPED_TRACE(plan.date().toStdString());
        PlanFileStore::create(path(), storedValues(plan));
        EXPECT_TRUE(testing::samePlan(loadedFrom(*PlanFileStore::open(path())), plan));

        PlanFileStore::create(path(), storedValues(testing::planWithRows(2)));
        const auto store = PlanFileStore::open(path());
        SavedPlan saved(*store);
        for (const PlanStep& step : saved.saveSteps(plan))
            step.run();
        saved.writeDate(plan.date());
        for (const BudgetSpec& budget : budgetSpecs())
            saved.writeBudget(budget.id, plan.budget(budget.id));
        EXPECT_TRUE(testing::samePlan(loadedFrom(*PlanFileStore::open(path())), plan));
    }
}

// Whatever application name the store is asked for, it is the file.
TEST_F(PlanFileStoreTest, TheFileIsTheStoreForAnyApplication)
{
    const auto store = PlanFileStore::create(path(), {{"Date", "May 1st"}});
    EXPECT_EQ(store->path(), path());
    EXPECT_EQ(store->location("Anything"), path());
    store->write("Other", kStoreSection, "Date", "June 2nd");
    EXPECT_EQ(store->read(kStoreApplication, kStoreSection, "Date", ""), "June 2nd");
    EXPECT_EQ(store->read(kStoreApplication, "Elsewhere", "Date", "none"), "none");
    EXPECT_FALSE(store->isReadOnly());
}

TEST_F(PlanFileStoreTest, AWriteChangesOnlyItsOwnLine)
{
    const QByteArray handMade = "; the Smiths' party, by hand\r\n[General]\r\nversion=2\r\n\r\n[Jubilo]\r\nGuests=\r\n"
                                "Hand%20Note=\"keep; me\" ; a remark\r\nMusic%20Budget=10\r\n"
                                "Future\\Key=@Variant(\\0\\0\\0\\x1)\r\n\r\n[Other]\r\nKept=a, b\r\n";
    writeFile(path(), handMade);
    const auto store = PlanFileStore::open(path(), noticeList());
    SavedPlan saved(*store);
    saved.writeBudget(BudgetId::Music, "20");
    Plan plan;
    plan.table(TableId::Guests).append({"Ann", "Elm St", "Yes", "2"});
    saved.saveTable(plan.table(TableId::Guests));
    store->checkpoint();

    QByteArray expected = handMade;
    expected.replace("Music%20Budget=10", "Music%20Budget=20");
    expected.replace("Guests=\r\n",
                     "Guests=" + ini::escapedText(encodeTableText(plan.table(TableId::Guests))) + "\r\n");
    EXPECT_EQ(readFile(path()), expected);
    EXPECT_EQ(store->read("", kStoreSection, "Hand Note", ""), "keep; me");
    EXPECT_TRUE(notices.isEmpty());
}

// Copies kept beside a plan file bear its name, and the user is told of
// the plan file.
TEST_F(PlanFileStoreTest, DamagedAndChangedCopiesAreKeptBesideThePlanFile)
{
    PlanFileStore::create(path(), {{"Guests", ""}, {"Date", "May 1st"}});
    const auto damagedStore = PlanFileStore::open(path(), noticeList());
    writeFile(path(), readFile(path()) + "a line by another program\n");
    const QByteArray damaged = readFile(path());
    damagedStore->write("", kStoreSection, "Date", "May 2nd");
    EXPECT_EQ(readFile(path() + ".damaged-2026-12-08"), damaged);

    const auto store = PlanFileStore::open(path(), noticeList());
    writeFile(path(), QByteArray(readFile(path())).replace("Date=May 2nd", "Date=theirs"));
    const QByteArray theirs = readFile(path());
    store->write("", kStoreSection, "Date", "mine");
    EXPECT_EQ(readFile(path() + ".changed-2026-12-08"), theirs);
    EXPECT_EQ(store->read("", kStoreSection, "Date", ""), "mine");

    ASSERT_EQ(notices.size(), 2);
    for (const QString& notice : notices) {
        EXPECT_TRUE(notice.contains("plan file " + path())) << notice.toStdString();
        EXPECT_TRUE(notice.contains(path() + (notice == notices[0] ? ".damaged-" : ".changed-")));
    }
}

struct Vanishing {
    const char* name;
    std::function<void(const QString& path)> act;
};

// A plan file moved or deleted while open is not made again at its old
// path, by this write or any later one, even once another file is there.
TEST_F(PlanFileStoreTest, APlanFileMovedOrDeletedIsNeverRecreated)
{
    const Vanishing cases[] = {
        {"deleted", [](const QString& file) { QFile::remove(file); }},
        {"moved", [](const QString& file) { QFile::rename(file, file + ".moved"); }},
        {"moved with its folder",
         [](const QString& file) { QDir().rename(QFileInfo(file).path(), QFileInfo(file).path() + "-moved"); }},
    };
    for (const Vanishing& vanishing : cases) {
        SCOPED_TRACE(vanishing.name);
        const QString folder = dir.filePath(vanishing.name);
        ASSERT_TRUE(QDir().mkdir(folder));
        const QString file = folder + "/party.jubilo";
        const auto store = PlanFileStore::create(file, storedValues(testing::samplePlan()));
        vanishing.act(file);
        try {
            store->write("", kStoreSection, "Date", "later");
            ADD_FAILURE() << "a vanished plan file was written";
        } catch (const StoreError& error) {
            EXPECT_NE(std::string(error.what()).find(file.toStdString() + " is no longer there"), std::string::npos)
                << error.what();
        }
        EXPECT_FALSE(QFileInfo::exists(file));
        EXPECT_THROW(store->read("", kStoreSection, "Date", ""), StoreError);

        QDir().mkpath(folder);
        writeFile(file, "[Jubilo]\nDate=someone else's\n");
        const QStringList before = testing::folderSnapshot(folder);
        EXPECT_THROW(store->write("", kStoreSection, "Date", "later still"), StoreError);
        EXPECT_EQ(testing::folderSnapshot(folder), before);
    }
}

// Whatever keeps a new plan file from being written leaves no file, and
// the old file whole where there was one.
TEST_F(PlanFileStoreTest, ACreateThatFailsLeavesNoFileBehind)
{
    const StoredValues values = storedValues(testing::planWithRows(200));
    {
        testing::FullDisk full(4096);
        EXPECT_THROW(PlanFileStore::create(path(), values), StoreError);
    }
    EXPECT_EQ(testing::folderSnapshot(dir.path()), QStringList());

    PlanFileStore::create(path(), storedValues(testing::samplePlan()));
    const QStringList before = testing::folderSnapshot(dir.path());
    try {
        testing::FullDisk full(4096);
        PlanFileStore::create(path(), values);
        ADD_FAILURE() << "a plan file the disk could not take was taken for written";
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find(path().toStdString()), std::string::npos) << error.what();
    }
    EXPECT_EQ(testing::folderSnapshot(dir.path()), before);

    ASSERT_TRUE(QDir().mkdir(dir.filePath("folder.jubilo")));  // stops root too
    EXPECT_THROW(PlanFileStore::create(dir.filePath("folder.jubilo"), values), StoreError);
    EXPECT_THROW(PlanFileStore::create(dir.filePath("no such folder/party.jubilo"), values), StoreError);
    EXPECT_EQ(testing::folderSnapshot(dir.path()).size(), 2);
}

// A plan file keeps a table stored longer than a list holds just as the
// settings store does: the first rows shown, the stored text never written.
TEST_F(PlanFileStoreTest, ATableLongerThanAListIsKeptAsInTheSettingsStore)
{
    const QString row
        = "Guest" + kCellSeparator + "Street" + kCellSeparator + "Yes" + kCellSeparator + "1" + kRowTerminator;
    const QString guests = row.repeated(PlanTable::kMaxRows + 1);
    PlanFileStore::create(path(), {{"Guests", guests}});
    IniSettingsStore settings(dir.filePath("config"));
    settings.write(kStoreApplication, kStoreSection, "Guests", guests);
    const auto planFile = PlanFileStore::open(path());
    for (SettingsStore* store : {static_cast<SettingsStore*>(planFile.get()), static_cast<SettingsStore*>(&settings)}) {
        SCOPED_TRACE(store->location(kStoreApplication).toStdString());
        Plan plan;
        SavedPlan saved(*store);
        for (const PlanStep& step : saved.loadSteps(plan, kNow))
            step.run();
        EXPECT_EQ(plan.table(TableId::Guests).rowCount(), PlanTable::kMaxRows);
        ASSERT_EQ(saved.keptTables().size(), 1u);
        EXPECT_EQ(saved.keptTables()[0].storedRows, PlanTable::kMaxRows + 1);

        plan.table(TableId::Guests).setCell(1, 0, "Changed");
        plan.table(TableId::Activities).append({"Games", "8 PM", ""});
        for (const PlanStep& step : saved.saveSteps(plan))
            step.run();
        EXPECT_TRUE(store->read(kStoreApplication, kStoreSection, "Guests", "") == guests);
        EXPECT_EQ(store->read(kStoreApplication, kStoreSection, "Activities", ""),
                  "Games" + kCellSeparator + "8 PM" + kCellSeparator + kRowTerminator);
    }
}

// A read-only plan file, each way it can be one.
struct ReadOnly {
    const char* name;
    bool needsRoot;  // root writes past permission bits, but may mount
    // Makes the plan file read-only; false when this machine cannot.
    std::function<bool(const QString& folder, const QString& file)> make;
};

void PrintTo(const ReadOnly& readOnly, std::ostream* os) { *os << readOnly.name; }

bool run(const QByteArray& command) { return std::system((command + " 2>/dev/null").constData()) == 0; }

const ReadOnly kReadOnly[] = {
    {"FileWithoutWritePermission", false,
     [](const QString&, const QString& file) { return QFile::setPermissions(file, QFile::ReadOwner); }},
    {"FolderWithoutWritePermission", false,
     [](const QString& folder, const QString&) {
         return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
     }},
    {"ReadOnlyFileSystem", true,
     [](const QString& folder, const QString& file) {
         const QByteArray mountPoint = "'" + QFile::encodeName(folder) + "'";
         if (!run("mount -t tmpfs -o size=1m tmpfs " + mountPoint))
             return false;
         PlanFileStore::create(file, storedValues(testing::samplePlan()));
         return run("mount -o remount,ro " + mountPoint);
     }},
};

class ReadOnlyPlanFileTest : public testing::ScriptedSystemTest, public ::testing::WithParamInterface<ReadOnly> {
protected:
    ~ReadOnlyPlanFileTest() override
    {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        run("umount '" + QFile::encodeName(folder) + "'");
    }
    QTemporaryDir dir;
    const QString folder = dir.filePath("plans");
};

// Writes say the plan is read-only and how to keep it, and change nothing;
// a write of what the file already holds is no change and succeeds.
TEST_P(ReadOnlyPlanFileTest, WritesSaySoAndChangeNothing)
{
    if (GetParam().needsRoot != (::geteuid() == 0))
        GTEST_SKIP() << (GetParam().needsRoot ? "only the superuser can mount a read-only file system"
                                              : "the superuser writes past permission bits");
    const QString file = folder + "/party.jubilo";
    ASSERT_TRUE(QDir().mkdir(folder));
    PlanFileStore::create(file, storedValues(testing::samplePlan()));
    if (!GetParam().make(folder, file))
        GTEST_SKIP() << "this machine cannot make it read-only that way";
    const auto store = PlanFileStore::open(file);
    const QStringList before = testing::folderSnapshot(folder);

    EXPECT_TRUE(store->isReadOnly());
    try {
        SavedPlan(*store).writeDate("another day");
        ADD_FAILURE() << "a read-only plan file was written";
    } catch (const StoreError& error) {
        const std::string what = error.what();
        EXPECT_NE(what.find(file.toStdString() + " is read-only"), std::string::npos) << what;
        EXPECT_NE(what.find("Save Plan As"), std::string::npos) << what;
    }
    EXPECT_NO_THROW(SavedPlan(*store).saveTable(testing::samplePlan().table(TableId::Guests)));
    EXPECT_EQ(testing::folderSnapshot(folder), before);
    EXPECT_TRUE(testing::samePlan(loadedFrom(*store), testing::samplePlan()));
}

INSTANTIATE_TEST_SUITE_P(Ways, ReadOnlyPlanFileTest, ::testing::ValuesIn(kReadOnly),
                         [](const ::testing::TestParamInfo<ReadOnly>& info) { return info.param.name; });

}  // namespace
}  // namespace jubilo
