// The command line: which form each argument list is, the help and usage
// errors, and --pdf, --xls and --summary run on a stored plan through the
// scripted seam: what they write, what they say, and that the store is only
// read.

#include "plan_export_fixture.h"
#include "host/engine/engine_typed_input.h"
#include "plan/plan.h"
#include "plan/stored_values.h"
#include "plan/table_text.h"
#include "platform/plan_file_store.h"
#include "command_line/command_line.h"
#include "files/path_bytes.h"
#include "tests/support/external_tools.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sstream>

namespace jubilo {
namespace {

using Form = CommandLine::Form;

TEST(CommandLineTest, EachArgumentListIsOneFormOrSaysWhatIsWrong)
{
    const QString oddName = files::nameFromBytes("caf\xe9.jubilo");  // not UTF-8
    const struct {
        QStringList arguments;
        Form form;
        QString pathOrProblem;
        QString plan = {};
        bool json = false;
    } cases[] = {
        {{}, Form::Window, ""},
        {{"party.jubilo"}, Form::Window, "", "party.jubilo"},
        {{oddName}, Form::Window, "", oddName},
        {{"--", "-odd.jubilo"}, Form::Window, "", "-odd.jubilo"},
        {{"--help"}, Form::Help, ""},
        {{"-h"}, Form::Help, ""},
        {{"--version"}, Form::Version, ""},
        {{"--pdf", "out.pdf"}, Form::Pdf, "out.pdf"},
        {{"--xls", "/tmp/plan book.xls"}, Form::Xls, "/tmp/plan book.xls"},
        {{"--pdf", "./-odd.pdf"}, Form::Pdf, "./-odd.pdf"},
        {{"--pdf", oddName}, Form::Pdf, oddName},
        {{"--pdf", "out.pdf", "party.jubilo"}, Form::Pdf, "out.pdf", "party.jubilo"},
        {{"--xls", "out.xls", "--", "-odd.jubilo"}, Form::Xls, "out.xls", "-odd.jubilo"},
        {{"--summary"}, Form::Summary, ""},
        {{"--ics", "party.ics"}, Form::Ics, "party.ics"},
        {{"--ics", "party.ics", "party.jubilo"}, Form::Ics, "party.ics", "party.jubilo"},
        {{"--ics"}, Form::Wrong, "--ics needs the name of the file to write"},
        {{"--ics", "a.ics", "--summary"}, Form::Wrong, "unexpected argument --summary"},
        {{"--ics", "a.ics", "--json"}, Form::Wrong, "--json goes only with --summary"},
        {{"--summary", "--json"}, Form::Summary, "", "", true},
        {{"--json", "--summary", "--", "-odd.jubilo"}, Form::Summary, "", "-odd.jubilo", true},
        {{"--frobnicate"}, Form::Wrong, "unknown option --frobnicate"},
        {{"--json"}, Form::Wrong, "--json goes only with --summary"},
        {{"--pdf", "a.pdf", "--json"}, Form::Wrong, "--json goes only with --summary"},
        {{"--summary", "--json", "--json"}, Form::Wrong, "unexpected argument --json"},
        {{"--summary", "--summary"}, Form::Wrong, "unexpected argument --summary"},
        {{"--summary", "party.jubilo", "--json"}, Form::Wrong, "unexpected argument --json"},
        {{"-platform", "xcb"}, Form::Wrong, "unknown option -platform"},
        {{"--pdf=out.pdf"}, Form::Wrong, "unknown option --pdf=out.pdf"},
        {{"-pdf", "out.pdf"}, Form::Wrong, "unknown option -pdf"},
        {{"-hh"}, Form::Wrong, "unknown option -hh"},
        {{"-"}, Form::Wrong, "unknown option -"},
        {{"--pdf", "out.pdf", "--bogus"}, Form::Wrong, "unknown option --bogus"},
        {{"a.jubilo", "b.jubilo"}, Form::Wrong, "unexpected argument b.jubilo"},
        {{"party.jubilo", "--pdf", "out.pdf"}, Form::Wrong, "unexpected argument --pdf"},
        {{"--pdf"}, Form::Wrong, "--pdf needs the name of the file to write"},
        {{"--xls", ""}, Form::Wrong, "--xls needs the name of the file to write"},
        {{"--pdf", "--xls"}, Form::Wrong, "--pdf needs the name of the file to write"},
        {{"--xls", "--", "party.jubilo"}, Form::Wrong, "--xls needs the name of the file to write"},
        {{"--pdf", "a.pdf", "b.jubilo", "c.jubilo"}, Form::Wrong, "unexpected argument c.jubilo"},
        {{"--pdf", "a.pdf", "b.jubilo", "--help"}, Form::Wrong, "unexpected argument --help"},
        {{"--xls", "a.xls", "--pdf", "b.pdf"}, Form::Wrong, "unexpected argument --pdf"},
        {{"--help", "--pdf"}, Form::Wrong, "unexpected argument --pdf"},
        {{"-h", "-h"}, Form::Wrong, "unexpected argument -h"},
        {{"--version", "--help"}, Form::Wrong, "unexpected argument --help"},
        {{"--help", "party.jubilo"}, Form::Wrong, "unexpected argument party.jubilo"},
        {{""}, Form::Wrong, "the plan file's name is empty"},
        {{"--pdf", "out.pdf", ""}, Form::Wrong, "the plan file's name is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_TRUE(parseCommandLine(c.arguments).language.isEmpty());
        const CommandLine parsed = parseCommandLine(c.arguments);
        const std::string shown = c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.form, c.form) << shown;
        EXPECT_EQ(c.form == Form::Wrong ? parsed.problem : parsed.path, c.pathOrProblem) << shown;
        EXPECT_EQ(parsed.plan, c.plan) << shown;
        EXPECT_EQ(parsed.json, c.json) << shown;
    }
}

// --lang goes with every form, before or after its options, and names a
// language Qt knows.
TEST(CommandLineTest, LangGoesWithEveryFormAndNamesALanguage)
{
    const struct {
        QStringList arguments;
        Form form;
        QString language;
        QString problem = {};
    } cases[] = {
        {{"--lang", "de"}, Form::Window, "de"},
        {{"--lang", "fr_CA", "party.jubilo"}, Form::Window, "fr_CA"},
        {{"--pdf", "out.pdf", "--lang", "es"}, Form::Pdf, "es"},
        {{"--lang", "en_GB", "--summary", "--json"}, Form::Summary, "en_GB"},
        {{"--lang", "de", "--help"}, Form::Help, "de"},
        {{"--lang", "it"}, Form::Window, "it"},  // Italian money and dates, English texts
        {{"--lang"}, Form::Wrong, "", "--lang needs a language, such as de or fr_CA"},
        {{"--lang", "--pdf", "out.pdf"}, Form::Wrong, "", "--lang needs a language, such as de or fr_CA"},
        {{"--lang", "xx"}, Form::Wrong, "", "--lang: xx is not a language"},
        {{"--lang", "de", "--lang", "fr"}, Form::Wrong, "de", "unexpected argument --lang"},
        {{"--lang=de"}, Form::Wrong, "", "unknown option --lang=de"},
        {{"party.jubilo", "--lang", "de"}, Form::Wrong, "", "unexpected argument --lang"},
        // A wrong line is said in the language it names, when that comes first.
        {{"--lang", "fr", "--bogus"}, Form::Wrong, "fr", "unknown option --bogus"},
        {{"--lang", "de", "--pdf"}, Form::Wrong, "de", "--pdf needs the name of the file to write"},
        {{"--lang", "xx", "--bogus"}, Form::Wrong, "", "unknown option --bogus"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine parsed = parseCommandLine(c.arguments);
        EXPECT_EQ(parsed.form, c.form);
        EXPECT_EQ(parsed.problem, c.problem);
        EXPECT_EQ(parsed.language, c.language);
    }
}

TEST(CommandLineTest, HelpListsEveryFormAndAWrongLineAddsTheUsageToItsProblem)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCommand(parseCommandLine({"--help"}), out, err), exit_status::kDone);
    for (const char* form : {"jubilo [PLAN]", "--pdf FILE [PLAN]", "--xls FILE [PLAN]", "--summary [PLAN]",
                             "--summary --json [PLAN]", "--ics FILE [PLAN]", "--version", "--help", "Exit status"})
        EXPECT_NE(out.str().find(form), std::string::npos) << form;
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(runCommand(parseCommandLine({"--bogus"}), out, err), exit_status::kUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("jubilo: unknown option --bogus\n", 0), 0u) << err.str();
    EXPECT_NE(err.str().find(usageText().toStdString()), std::string::npos);
}

// A stream whose every write fails, as one to a full disk does.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CommandLineTest, OutputThatCannotBeWrittenIsAFailure)
{
    FullDisk full;
    std::ostream broken(&full);
    std::ostringstream out, err;
    EXPECT_EQ(runCommand(parseCommandLine({"--help"}), broken, err), exit_status::kFailed);
    EXPECT_EQ(err.str(), "jubilo: standard output could not be written\n");

    EXPECT_EQ(runCommand(parseCommandLine({"--bogus"}), out, broken), exit_status::kFailed);
    std::ostream unused(&full);
    EXPECT_EQ(runCommand(parseCommandLine({"--help"}), out, unused), exit_status::kDone)
        << "standard error that is never written is no failure";
}

class CommandLineExportTest : public testing::PlanExportFixture {
protected:
    void SetUp() override
    {
        PlanExportFixture::SetUp();
        sys.typedInputReader = &engineTypedInput();
        testing::storePlan(sys.memoryStore, testing::samplePlan());
        sys.memoryStore.write(kStoreApplication, kStoreSection, "Music Budget", "15.00");
        sys.memoryStore.writtenKeys.clear();
    }
    void TearDown() override
    {
        EXPECT_TRUE(sys.memoryStore.writtenKeys.empty()) << "the store was written";
        EXPECT_TRUE(sys.messages.empty()) << "a message box was asked for";
    }

    int run(const QStringList& arguments)
    {
        out.str("");
        err.str("");
        return runCommand(parseCommandLine(arguments), out, err);
    }

    std::ostringstream out, err;
};

// What the PDF and the workbook hold is plan_export_test's; here, that
// each form writes its kind of file and says nothing.
TEST_F(CommandLineExportTest, PdfAndXlsOfTheStoredPlan)
{
    const QString pdf = dir.filePath("plan.pdf");
    ASSERT_EQ(run({"--pdf", pdf}), exit_status::kDone) << err.str();
    EXPECT_EQ(testing::readPdfPages(pdf).count, 1);

    // A scripting form replaces the file without asking.
    const QString xls = dir.filePath("plan.xls");
    testing::writeFile(xls, "an older file");
    ASSERT_EQ(run({"--xls", xls}), exit_status::kDone) << err.str();
    EXPECT_EQ(testing::readFile(xls).left(8), QByteArray::fromHex("d0cf11e0a1b11ae1"));  // an OLE2 file
    EXPECT_EQ(out.str() + err.str(), "");
}

TEST_F(CommandLineExportTest, FailuresExitOneNamingThePathAndTouchNothing)
{
    EXPECT_EQ(run({"--pdf", "/proc/jubilo/plan.pdf"}), exit_status::kFailed);
    EXPECT_NE(err.str().find("/proc/jubilo/plan.pdf"), std::string::npos) << err.str();

    const QString existing = dir.filePath("plan.xls");
    testing::writeFile(existing, "keep me");
    sys.memoryStore.failReads = true;
    EXPECT_EQ(run({"--xls", existing}), exit_status::kFailed);
    EXPECT_EQ(err.str().rfind("jubilo: ", 0), 0u) << err.str();
    EXPECT_EQ(testing::readFile(existing), "keep me");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.xls"});
}

// A plan file named but not opened: the store is not the fallback. Reading
// it would fail with the store's own message.
TEST_F(CommandLineExportTest, APlanFileThatCannotBeOpenedExitsOneNamingItAndLeavesTheStore)
{
    sys.memoryStore.failReads = true;
    const QString pdf = dir.filePath("plan.pdf");
    const QString missing = dir.filePath("no such party.jubilo");
    EXPECT_EQ(run({"--pdf", pdf, missing}), exit_status::kFailed);
    EXPECT_EQ(err.str().rfind("jubilo: ", 0), 0u) << err.str();
    EXPECT_NE(err.str().find(missing.toStdString()), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("settings store"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

// A plan file named: its plan is built, the store is not read; a file that
// is no plan exits 1 naming it, and is left as it was.
TEST_F(CommandLineExportTest, APlanFileNamedIsBuiltInsteadOfTheStoresPlan)
{
    Plan party;
    testing::appendRows(party, TableId::Guests, {{"Ann from the file", "Oak St", "Yes", "3"}});
    const QString plan = dir.filePath("party.jubilo");
    PlanFileStore::create(plan, storedValues(party));
    sys.memoryStore.failReads = true;
    const QString xls = dir.filePath("party.xls");
    ASSERT_EQ(run({"--xls", xls, plan}), exit_status::kDone) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(testing::readFile(xls).contains("Ann from the file"));

    const QString notes = dir.filePath("notes.jubilo");
    testing::writeFile(notes, "no plan here\n");
    EXPECT_EQ(run({"--pdf", dir.filePath("notes.pdf"), notes}), exit_status::kFailed);
    EXPECT_NE(err.str().find(notes.toStdString()), std::string::npos) << err.str();
    EXPECT_EQ(testing::readFile(notes), "no plan here\n");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("notes.pdf")));
}

TEST_F(CommandLineExportTest, ATableStoredTooLongIsAWarningNotAFailure)
{
    QString text;
    for (int i = 0; i <= PlanTable::kMaxRows; ++i)
        text += "Guest" + kCellSeparator + "Street" + kCellSeparator + "Yes" + kCellSeparator + "1" + kRowTerminator;
    sys.memoryStore.values[kStoreApplication + "/" + kStoreSection + "/Guests"] = text;
    sys.hostFactory = nullptr;  // no sheet of 32,767 guests to build here
    EXPECT_EQ(run({"--pdf", dir.filePath("plan.pdf")}), exit_status::kFailed);
    EXPECT_EQ(err.str().rfind("jubilo: warning: the stored Guests list holds 32768 rows; a list holds at most 32767, "
                              "so the sheet shows only the first 32767.\njubilo: ",
                              0),
              0u)
        << err.str();
}

// The stored plan holds the example's rows and the music budget alone.
TEST_F(CommandLineExportTest, SummaryOfTheStoredPlanOrAPlanFileAndWhenItCannotBeReadOrPrinted)
{
    ASSERT_EQ(run({"--summary"}), exit_status::kDone) << err.str();
    EXPECT_EQ(out.str().rfind("Guests: 1 (1 person, 1 coming)\n"
                              "Music: $9.99 of $15.00 spent, $5.01 left; 1 item, $9.99 still to buy\n",
                              0),
              0u)
        << out.str() << err.str();

    Plan party;
    testing::appendRows(party, TableId::Guests, {{"Ann", "Oak St", "Yes", "3"}, {"Bo", "Elm St", "No", "2"}});
    const QString plan = dir.filePath("party.jubilo");
    PlanFileStore::create(plan, storedValues(party));
    sys.memoryStore.failReads = true;
    ASSERT_EQ(run({"--json", "--summary", plan}), exit_status::kDone) << err.str();
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(out.str()))["guests"]["coming"], 3);

    const QString missing = dir.filePath("no such party.jubilo");
    EXPECT_EQ(run({"--summary", missing}), exit_status::kFailed);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("jubilo: Jubilo could not open the plan file " + missing.toStdString()), std::string::npos)
        << err.str();

    FullDisk full;
    std::ostream broken(&full);
    err.str("");
    EXPECT_EQ(runCommand(parseCommandLine({"--summary", plan}), broken, err), exit_status::kFailed);
    EXPECT_EQ(err.str(), "jubilo: standard output could not be written\n");
}

// --ics: the timetable on the stored date; rows without a time are a
// warning, a date that reads as none and a file that cannot be written a
// failure that leaves no file. What the calendar holds is lists_tests'.
TEST_F(CommandLineExportTest, IcsWritesTheTimetableOrSaysWhyNot)
{
    sys.clock = QDateTime(QDate(2026, 11, 2), QTime(8, 30), QTimeZone::utc());
    sys.memoryStore.write(kStoreApplication, kStoreSection, kDateKey, "12/24/2026");
    sys.memoryStore.writtenKeys.clear();
    const QString ics = dir.filePath("party.ics");
    ASSERT_EQ(run({"--ics", ics}), exit_status::kDone) << err.str();
    EXPECT_EQ(out.str() + err.str(), "");
    const QByteArray calendar = testing::readFile(ics);
    EXPECT_EQ(calendar.count("BEGIN:VEVENT"), 2);
    for (const char* line : {"DTSTART:20261224T111000\r\n", "DTSTART:20261224T190000\r\n",
                             "DTSTAMP:20261102T083000Z\r\n", "SUMMARY:Buy meals\r\n"})
        EXPECT_TRUE(calendar.contains(line)) << line;

    Plan party = testing::samplePlan();
    testing::appendRows(party, TableId::Schedules, {{"Call the DJ", "soon", "x"}});
    const QString plan = dir.filePath("party.jubilo");
    PlanFileStore::create(plan, storedValues(party));
    ASSERT_EQ(run({"--ics", ics, plan}), exit_status::kDone) << err.str();
    EXPECT_EQ(err.str(),
              "jubilo: warning: 1 row is left out because its time does not read as a time: "
              "Schedules row 2 \"soon\".\n");
    EXPECT_TRUE(testing::readFile(ics).contains("DTSTART:20210831T111000")) << "the plan file's own date";

    party.setDate("someday");
    const QString undated = dir.filePath("undated.jubilo");
    PlanFileStore::create(undated, storedValues(party));
    const QString notWritten = dir.filePath("undated.ics");
    EXPECT_EQ(run({"--ics", notWritten, undated}), exit_status::kFailed);
    EXPECT_EQ(err.str().rfind("jubilo: the party's date \"someday\" does not read as a date", 0), 0u) << err.str();
    EXPECT_FALSE(QFileInfo::exists(notWritten));

    Plan untimed;
    testing::appendRows(untimed, TableId::Activities, {{"Dancing", "later", ""}});
    untimed.setDate("12/24/2026");
    const QString untimedPlan = dir.filePath("untimed.jubilo");
    PlanFileStore::create(untimedPlan, storedValues(untimed));
    EXPECT_EQ(run({"--ics", notWritten, untimedPlan}), exit_status::kFailed);
    EXPECT_EQ(err.str().rfind("jubilo: No row of Schedules or At The Party has a time", 0), 0u) << err.str();
    EXPECT_FALSE(QFileInfo::exists(notWritten));

    EXPECT_EQ(run({"--ics", "/proc/jubilo/party.ics"}), exit_status::kFailed);
    EXPECT_NE(err.str().find("The timetable was not written to /proc/jubilo/party.ics"), std::string::npos)
        << err.str();
}

}  // namespace
}  // namespace jubilo
