// The texts the user reads from the preview, Plan at a Glance, the import
// dialog, the command line, plan files and imports reach the translator,
// and under the context lupdate files them under: a text whose context
// differs between lupdate and tr() would never be translated.

#include "command_line/command_line.h"
#include "figures/figures_tracker.h"
#include "host/engine/engine_typed_input.h"
#include "lists/guest_file.h"
#include "lists/import_error.h"
#include "plan/row_rules.h"
#include "platform/plan_file_store.h"
#include "tests/support/marking_translator.h"
#include "tests/support/scripted_system.h"
#include "ui/glance/glance_table_model.h"
#include "ui/glance/glance_window.h"
#include "ui/import/import_dialog.h"
#include "ui/preview/preview_window.h"

#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace jubilo {
namespace {

const QString kMark = QStringLiteral("\u00AB");

// What `work` throws, or an empty text when it throws nothing.
QString thrownBy(const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

QString importErrorOf(const QString& path)
{
    try {
        readGuestFile(path);
    } catch (const ImportError& error) {
        return importErrorText(path, error);
    }
    return {};
}

// What a case runs in: the seam every window and file goes through, and
// a folder of its own.
struct Surroundings {
    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    QTemporaryDir dir;
};

struct TextCase {
    const char* what;
    const char* english;  // a piece of the English text, marks aside
    std::function<QString(Surroundings&)> shown;
};

QString previewSaveDialog(Surroundings& around, int field)
{
    PreviewWindow window;
    window.saveResults();
    return around.sys.saveDialogs.at(0).at(field);
}

const std::vector<TextCase>& textCases()
{
    static const std::vector<TextCase> cases = {
        {"preview zoom button", "Zoom In",
         [](Surroundings&) { return PreviewWindow().widgets().zoomInButton->text(); }},
        {"preview save button", "Save Results To Excel File",
         [](Surroundings&) { return PreviewWindow().widgets().saveResultsButton->text(); }},
        {"preview menu", "Save as PDF", [](Surroundings&) { return PreviewWindow().savePdfAction().text(); }},
        {"preview save dialog's title", "Save File", [](Surroundings& around) { return previewSaveDialog(around, 0); }},
        {"preview save dialog's filter", "Excel Files",
         [](Surroundings& around) { return previewSaveDialog(around, 1); }},
        {"glance window's title", "Plan at a Glance",
         [](Surroundings&) {
             const Plan plan;
             FiguresTracker tracker(plan, engineTypedInput());
             return GlanceWindow(tracker).windowTitle();
         }},
        {"glance table's header", "Still to buy",
         [](Surroundings&) {
             const Plan plan;
             FiguresTracker tracker(plan, engineTypedInput());
             return GlanceTableModel(tracker).headerData(3, Qt::Horizontal).toString();
         }},
        {"import dialog's label", "Columns of the file",
         [](Surroundings&) {
             GuestSource source;
             source.columns = {QStringLiteral("Name")};
             const ImportGuestsDialog dialog(source);
             return dialog.findChild<QGroupBox*>()->title();
         }},
        {"command line's message", "unknown option",
         [](Surroundings&) { return parseCommandLine({QStringLiteral("--colour")}).problem; }},
        {"command line's usage", "Usage: jubilo [PLAN]", [](Surroundings&) { return usageText(); }},
        {"plan file's error", "Jubilo could not open the plan file",
         [](Surroundings& around) {
             return thrownBy([&] { PlanFileStore::open(around.dir.filePath(QStringLiteral("gone.jubilo"))); });
         }},
        {"row rule's fault", "not \"Yes\" or \"No\"",
         [](Surroundings&) {
             const PlanRow row{QStringLiteral("Ann"), QStringLiteral("Elm St"), QStringLiteral("maybe"),
                               QStringLiteral("1")};
             const TableSpec& guests = tableSpec(TableId::Guests);
             return rowFaultText(guests, row, *rowFault(guests, row));
         }},
        {"import error", "Guests cannot be imported",
         [](Surroundings& around) {
             const QString path = around.dir.filePath(QStringLiteral("guests.csv"));
             QFile file(path);
             if (!file.open(QIODevice::WriteOnly) || file.write("Name\n\"Ann\n") < 0)
                 return QString();
             file.close();
             return importErrorOf(path);
         }},
    };
    return cases;
}

// Each case's text begins with the mark and holds its English piece.
void expectAllMarked()
{
    for (const TextCase& c : textCases()) {
        Surroundings around;
        ASSERT_TRUE(around.dir.isValid());
        const QString shown = c.shown(around);
        EXPECT_TRUE(shown.startsWith(kMark)) << c.what << ": " << shown.toStdString();
        EXPECT_TRUE(shown.contains(QString::fromUtf8(c.english))) << c.what << ": " << shown.toStdString();
    }
}

TEST(TranslatedTexts, EveryCaseGoesThroughTheTranslator)
{
    const testing::ScopedMarkingTranslator marking;
    expectAllMarked();
}

// The cases are English without a translator: the marks come from it.
TEST(TranslatedTexts, NoCaseIsMarkedWithoutATranslator)
{
    for (const TextCase& c : textCases()) {
        Surroundings around;
        EXPECT_FALSE(c.shown(around).contains(kMark)) << c.what;
    }
}

// lupdate's contexts are the ones tr() asks for at run time: the folders'
// texts extracted as the translators get them, compiled with every text
// "translated" to itself behind the mark, reach every case.
TEST(TranslatedTexts, LupdateFilesEachTextUnderTheContextTrAsksFor)
{
    const QString lupdate = QStringLiteral(JUBILO_LUPDATE), lrelease = QStringLiteral(JUBILO_LRELEASE);
    if (lupdate.isEmpty() || lrelease.isEmpty())
        GTEST_SKIP() << "lupdate and lrelease are not installed";
    const QTemporaryDir work;
    const QString ts = work.filePath(QStringLiteral("marked.ts")), qm = work.filePath(QStringLiteral("marked.qm"));
    QProcess tool;
    tool.setWorkingDirectory(QStringLiteral(JUBILO_SOURCE_DIR));
    tool.start(lupdate,
               QStringList{"-silent", "-locations", "none", "-extensions", "cpp,h", "-I", "."}
                   + QString::fromUtf8(JUBILO_MARKED_FOLDERS).split(QLatin1Char(' ')) + QStringList{"-ts", ts});
    ASSERT_TRUE(tool.waitForFinished(120000) && tool.exitCode() == 0) << tool.readAllStandardError().toStdString();
    tool.start(lrelease, {"-silent", "-markuntranslated", kMark, ts, "-qm", qm});
    ASSERT_TRUE(tool.waitForFinished(60000) && tool.exitCode() == 0) << tool.readAllStandardError().toStdString();

    QTranslator compiled;
    ASSERT_TRUE(compiled.load(qm));
    const testing::InstalledTranslator installed(compiled);
    expectAllMarked();
}

}  // namespace
}  // namespace jubilo
