// The program itself run with no display, as over ssh or from cron, on a
// plan in a settings folder of the test's own: --pdf writes one page and
// leaves the settings file, its folder and its time stamp as they were;
// a display named but not there changes nothing; --help and a wrong option
// exit as documented, also when their output cannot be written; --version
// prints the version the build was made as; --summary prints the figures;
// --ics writes the timetable.

#include "plan/saved_plan.h"
#include "platform/ini_settings_store.h"
#include "tests/support/external_tools.h"
#include "tests/support/sample_plans.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir(home.path()).mkpath("config"));
        IniSettingsStore store(config());
        testing::storePlan(store, testing::samplePlan());
        store.write(kStoreApplication, kStoreSection, kDateKey, "2021 | August 31 | 09 PM");
    }

    QString config() const { return home.filePath("config"); }
    QString ini() const { return QDir(config()).filePath("Tarvel.ini"); }

    // No display, no platform chosen, no runtime folder (as under cron), no
    // language or locale, and
    // this test's folders as home and settings folder; then `extra`
    // ("NAME=value"). Standard output and error go to `outFile` and
    // `errFile` when given.
    Finished run(const QStringList& arguments, const QStringList& extra = {}, const QString& outFile = {},
                 const QString& errFile = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Nor a language or locale of the machine's: US English unless `extra` says otherwise.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "LANGUAGE",
                                 "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_MONETARY", "LANG"})
            env.remove(name);
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", config());
        for (const QString& entry : extra)
            env.insert(entry.section('=', 0, 0), entry.section('=', 1));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home.path());
        if (!outFile.isEmpty())
            process.setStandardOutputFile(outFile);
        if (!errFile.isEmpty())
            process.setStandardErrorFile(errFile);
        process.start(JUBILO_PROGRAM, arguments);
        EXPECT_TRUE(process.waitForFinished(120'000)) << process.errorString().toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(),
                outFile.isEmpty() ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString(),
                errFile.isEmpty() ? QString::fromLocal8Bit(process.readAllStandardError()) : QString()};
    }

    QTemporaryDir home;
};

TEST_F(ProgramTest, PdfWithNoDisplayOnlyReadsThePlan)
{
    const QByteArray before = testing::readFile(ini());
    const QDateTime modified = QFileInfo(ini()).lastModified();
    const QStringList filesBefore = QDir(config()).entryList(QDir::Files | QDir::Hidden);
    const QString pdf = home.filePath("plan.pdf");

    const Finished done = run({"--pdf", pdf});
    ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
    EXPECT_EQ(done.out, "");
    EXPECT_EQ(done.err, "");  // nothing for cron to mail, not even Qt's notes

    const auto info = testing::runProcess("pdfinfo", {pdf}, 60'000);
    if (info.started)
        EXPECT_TRUE(info.output.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.output.toStdString();
    else
        EXPECT_EQ(testing::readPdfPages(pdf).count, 1);
    EXPECT_EQ(testing::readFile(ini()), before);
    EXPECT_EQ(QFileInfo(ini()).lastModified(), modified);
    // No lock and no damaged copy beside the settings file.
    EXPECT_EQ(QDir(config()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    EXPECT_FALSE(QFileInfo::exists(QDir(config()).filePath("Jubilo.lock")));
}

// A settings file that cannot be read is a failure, never an empty plan
// written over the last PDF.
TEST_F(ProgramTest, AnUnreadableSettingsFileWritesNothingAndExitsOne)
{
    ASSERT_TRUE(QFile::remove(ini()));
    ASSERT_TRUE(QDir().mkdir(ini()));
    const QString pdf = home.filePath("plan.pdf");
    testing::writeFile(pdf, "last week's PDF");
    const Finished done = run({"--pdf", pdf});
    EXPECT_EQ(done.exitCode, 1) << done.err.toStdString();
    EXPECT_TRUE(done.err.contains(ini())) << done.err.toStdString();
    EXPECT_EQ(testing::readFile(pdf), "last week's PDF");
}

TEST_F(ProgramTest, HelpAndAWrongOptionExitAsDocumented)
{
    const Finished help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--pdf") && help.out.contains("--xls")) << help.out.toStdString();

    EXPECT_TRUE(help.out.contains("[PLAN]") && help.out.contains("--version")) << help.out.toStdString();

    const Finished wrong = run({"--pfd", "plan.pdf"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains("unknown option --pfd")) << wrong.err.toStdString();
    EXPECT_TRUE(wrong.err.contains("Usage:")) << wrong.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath("plan.pdf")));
}

// The system's language as Qt reads it, its locale's money, and --lang over
// both for one run; the plan's own texts are read as the run's locale reads
// them ("9.99" is an amount in English, no amount in German).
TEST_F(ProgramTest, TheLanguageFollowsTheSystemAndLangOverridesIt)
{
    const struct {
        QStringList arguments;
        QStringList environment;
        const char* firstLines;
    } cases[] = {
        {{"--summary"}, {}, "Guests: 1 (1 person, 1 coming)\nMusic: $9.99 spent"},
        {{"--summary"}, {"LANG=C"}, "Guests: 1 (1 person, 1 coming)\nMusic: $9.99 spent"},
        {{"--summary"}, {"LANG=en_GB.UTF-8"}, "Guests: 1 (1 person, 1 coming)\nMusic: £9.99 spent"},
        {{"--summary"}, {"LANG=de_DE.UTF-8"}, "Gäste: 1 (1 Person, Zusagen: 1)\nMusik: 0,00 € ausgegeben"},
        {{"--summary"},
         {"LANG=C", "LANGUAGE=fr"},
         "Invités\u00a0: 1 (1 personne, présentes\u00a0: 1)\nMusique\u00a0: $9.99"},
        {{"--summary"},
         {"LC_ALL=es_ES.UTF-8", "LANG=de_DE.UTF-8"},
         "Invitados: 1 (1 persona, asistentes: 1)\nMúsica: 0,00 €"},
        {{"--lang", "en", "--summary"}, {"LANG=de_DE.UTF-8"}, "Guests: 1 (1 person, 1 coming)\nMusic: $9.99 spent"},
        {{"--summary", "--lang", "de"}, {}, "Gäste: 1 (1 Person, Zusagen: 1)\nMusik: 0,00 € ausgegeben"},
        {{"--lang", "de", "--help"}, {}, "Aufruf: jubilo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.arguments + c.environment).join(' ').toStdString());
        const Finished finished = run(c.arguments, c.environment);
        EXPECT_EQ(finished.exitCode, 0) << finished.err.toStdString();
        const QString expected = QString::fromUtf8(c.firstLines);
        EXPECT_TRUE(finished.out.startsWith(expected)) << finished.out.toStdString();
    }
    const Finished notALanguage = run({"--lang", "xx", "--summary"});
    EXPECT_EQ(notALanguage.exitCode, 2);
    EXPECT_TRUE(notALanguage.err.contains("--lang: xx is not a language")) << notALanguage.err.toStdString();
}

TEST_F(ProgramTest, VersionIsTheOneTheBuildWasMadeAs)
{
    const Finished version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "jubilo " JUBILO_PROJECT_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

// A plan file named is the only plan read: when it cannot be opened, the
// export fails naming it and the settings file is not the fallback.
TEST_F(ProgramTest, APlanFileThatCannotBeOpenedExitsOneAndLeavesTheSettingsFile)
{
    const QByteArray before = testing::readFile(ini());
    const QString pdf = home.filePath("plan.pdf");
    const QString missing = home.filePath("no such party.jubilo");
    const Finished done = run({"--pdf", pdf, missing});
    EXPECT_EQ(done.exitCode, 1) << done.err.toStdString();
    EXPECT_TRUE(done.err.startsWith("jubilo: ") && done.err.contains(missing)) << done.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_EQ(testing::readFile(ini()), before);
}

// A display named but not there (a closed ssh tunnel, a stale DISPLAY in a
// cron job's environment), or another platform asked for: the scripting
// forms run offscreen all the same and never reach for it.
TEST_F(ProgramTest, ScriptingFormsNeverUseADisplay)
{
    const QString pdf = home.filePath("plan.pdf");
    const Finished toPdf = run({"--pdf", pdf}, {"DISPLAY=:99", "WAYLAND_DISPLAY=jubilo-test-no-such-display"});
    EXPECT_EQ(toPdf.exitCode, 0) << toPdf.err.toStdString();
    EXPECT_EQ(toPdf.err, "");
    EXPECT_EQ(testing::readFile(pdf).left(5), "%PDF-");

    const QString xls = home.filePath("plan.xls");
    const Finished toXls = run({"--xls", xls}, {"DISPLAY=:99", "QT_QPA_PLATFORM=xcb"});
    EXPECT_EQ(toXls.exitCode, 0) << toXls.err.toStdString();
    EXPECT_EQ(toXls.err, "");
    EXPECT_EQ(testing::readFile(xls).left(8), QByteArray::fromHex("d0cf11e0a1b11ae1"));  // an OLE2 file
}

// The summary runs as the exports do, offscreen, reading amounts as the
// engine's sheet does. The stored plan holds the example's rows alone.
TEST_F(ProgramTest, SummaryPrintsTheStoredPlansFiguresWithNoDisplay)
{
    const Finished text = run({"--summary"}, {"LC_ALL=en_US.UTF-8", "DISPLAY=:99"});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith("Guests: 1 (1 person, 1 coming)\n"
                                    "Music: $9.99 spent, no budget; 1 item, $9.99 still to buy\n"))
        << text.out.toStdString() << text.err.toStdString();
}

// The timetable runs offscreen too, reading the stored date as the date
// box writes it at first.
TEST_F(ProgramTest, IcsWritesTheStoredTimetableWithNoDisplay)
{
    const QString ics = home.filePath("party.ics");
    const Finished written = run({"--ics", ics}, {"LC_ALL=en_US.UTF-8", "DISPLAY=:99"});
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_EQ(written.err, "");
    const QByteArray calendar = testing::readFile(ics);
    EXPECT_TRUE(calendar.contains("DTSTART:20210831T111000\r\n")) << calendar.data();
    EXPECT_TRUE(calendar.contains("DTSTART:20210831T190000\r\n")) << calendar.data();
}

// /dev/full takes the open but fails every write, as a full disk does.
TEST_F(ProgramTest, OutputThatCannotBeWrittenExitsOne)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const QString errors = home.filePath("errors.txt");
    const Finished help = run({"--help"}, {}, "/dev/full", errors);
    EXPECT_EQ(help.exitCode, 1);
    const QByteArray said = testing::readFile(errors);
    EXPECT_TRUE(said.startsWith("jubilo: ") && said.contains("standard output")) << said.toStdString();

    const Finished wrong = run({"--pfd", "plan.pdf"}, {}, {}, "/dev/full");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(run({"--summary"}, {}, "/dev/full", errors).exitCode, 1);
}

}  // namespace
}  // namespace jubilo
