// The program as the user meets it: start-up with a stored plan and every
// budget set, a keystroke in a budget box, and the report run from the
// click to the preview on screen. The store is the settings file on disk;
// each benchmark counts the writes that reach it.

#include "bench_main.h"
#include "process_memory.h"
#include "platform/ini_settings_store.h"
#include "platform/plan_file_store.h"
#include "platform/qt_system.h"
#include "plan/stored_values.h"
#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"
#include "ui/main/main_window.h"
#include "ui/main/plan_files.h"
#include "ui/preview/preview_window.h"
#include "tests/support/sample_plans.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QAction>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QDialog>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using namespace jubilo;

// The settings file, counting what is written to it.
class CountingStore : public SettingsStore {
public:
    explicit CountingStore(const QString& folder)
        : file_(folder)
    {
    }
    QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue) override
    {
        return file_.read(app, section, key, defaultValue);
    }
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override
    {
        ++writes;
        file_.write(app, section, key, value);
    }
    void writeAll(const QString& app, const QString& section, std::span<const ValueWrite> values) override
    {
        ++writes;
        file_.writeAll(app, section, values);
    }
    void checkpoint() override { file_.checkpoint(); }
    QString location(const QString& app) const override { return file_.location(app); }

    int writes = 0;

private:
    IniSettingsStore file_;
};

// The desktop seam, but with its store, temporary folder and boxes kept
// away from the user's own.
class BenchSystem : public QtSystem {
public:
    explicit BenchSystem(const QString& folder)
        : store_(folder + "/config")
        , temp_(folder)
    {
        setHostFactory(createEngineHost, runningEngineHost, engineTypedInput());
    }
    int messageBox(const QString&, int, const QString&) override { return msgbox::kAnswerOk; }
    SaveFileChoice saveFileName(const QString&, const QString&, const QString&, int) override { return {}; }
    PrintResult printPages(const PageMaker&) override { return PrintResult::Cancelled; }
    void openUrl(const QString&) override {}
    QStringList environment() override { return {"TEMP=" + temp_}; }
    CountingStore& settings() override { return store_; }
    void setClipboardRows(const QString& tabSeparated, const QString&) override { clipboard = tabSeparated; }
    QString clipboardText() override { return clipboard; }

    QString clipboard;  // the desktop's own is left alone
    QString openFileName(const QString&, const QString&, const QString&) override { return openPath; }
    // No dialog shows: each is answered here (rejected when no answer is set).
    bool runDialog(QDialog& dialog) override { return answerDialog ? answerDialog(dialog) : false; }

    QString openPath;
    std::function<bool(QDialog&)> answerDialog;

private:
    CountingStore store_;
    QString temp_;
};

// A plan of `rows` rows in every table with all five budgets set, stored.
void storeFullPlan(SettingsStore& store, int rows)
{
    Plan plan = testing::planWithRows(rows);
    for (const BudgetSpec& budget : budgetSpecs())
        plan.setBudget(budget.id, QStringLiteral("25.00"));
    testing::storePlan(store, plan);
    SavedPlan saved(store);
    for (const BudgetSpec& budget : budgetSpecs())
        saved.writeBudget(budget.id, plan.budget(budget.id));
}

// From an unread settings file to the window on screen. Qt keeps files it
// has read, by path, so each start gets a copy in a folder of its own and
// reads it from disk, as the program does when it starts.
void BM_StartWithStoredPlan(benchmark::State& state)
{
    QTemporaryDir dir;
    QString stored;
    {
        BenchSystem writer(dir.path() + "/stored");
        storeFullPlan(writer.settings(), static_cast<int>(state.range(0)));
        stored = writer.settings().location(kStoreApplication);
    }
    const long before = bench::residentKiB();
    long grown = 0;
    int writes = 0;
    int starts = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString folder = dir.path() + "/start" + QString::number(++starts);
        QDir().mkpath(folder + "/config");
        QFile::copy(stored, folder + "/config/" + QFileInfo(stored).fileName());
        state.ResumeTiming();
        auto sys = std::make_unique<BenchSystem>(folder);
        auto installed = std::make_unique<ScopedSystem>(*sys);
        auto window = std::make_unique<MainWindow>();
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        grown = bench::residentKiB() - before;
        writes += sys->settings().writes;
        window.reset();
        installed.reset();
        sys.reset();
        QDir(folder).removeRecursively();
        state.ResumeTiming();
    }
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
    state.counters["rss_growth_kB"] = static_cast<double>(grown);
    state.counters["store_writes"] = benchmark::Counter(writes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartWithStoredPlan)->Arg(1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One keystroke in the music budget, a digit typed or taken back in turn:
// its change handler writes the budget to the store.
void BM_BudgetKeystroke(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchSystem sys(dir.path());
    ScopedSystem installed(sys);
    storeFullPlan(sys.settings(), static_cast<int>(state.range(0)));
    MainWindow window;
    window.show();
    QApplication::processEvents();
    auto* box = window.findChild<QLineEdit*>("txtMusicBudget");
    if (!box) {
        state.SkipWithError("no music budget box");
        return;
    }
    sys.settings().writes = 0;
    bool typed = false;
    for (auto _ : state) {
        typed ? box->backspace() : box->insert(QStringLiteral("5"));
        typed = !typed;
        QApplication::processEvents();
    }
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
    state.counters["store_writes"] = benchmark::Counter(sys.settings().writes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BudgetKeystroke)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ReportFromClickToPreview(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchSystem sys(dir.path());
    ScopedSystem installed(sys);
    testing::storePlan(sys.settings(), testing::planWithRows(static_cast<int>(state.range(0))));
    MainWindow window;
    window.show();
    QApplication::processEvents();
    auto* start = window.findChild<QPushButton*>("PushButton1");
    for (auto _ : state) {
        start->click();
        QApplication::processEvents();
        state.PauseTiming();
        if (!window.preview() || !window.preview()->isVisible())
            state.SkipWithError("the preview did not show");
        window.preview()->goBack();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReportFromClickToPreview)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

// A plan file of `rows` rows per table opened in the window, from the file
// on disk to the lists shown; the window turns between two such plans, so
// each iteration also lets the plan before go.
void BM_OpenPlanFileInWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchSystem sys(dir.path());
    ScopedSystem installed(sys);
    const QString plans[] = {dir.filePath("first.jubilo"), dir.filePath("second.jubilo")};
    for (const QString& path : plans)
        PlanFileStore::create(path, storedValues(testing::planWithRows(static_cast<int>(state.range(0)))));
    MainWindow window;
    window.show();
    QApplication::processEvents();
    int turn = 0;
    for (auto _ : state) {
        PlanFileOpening opening = openPlanFile(plans[turn++ % 2]);
        if (!opening.plan) {
            state.SkipWithError("the plan file did not open");
            return;
        }
        window.showPlan(std::move(*opening.plan));
        QApplication::processEvents();
    }
    if (window.plan().table(TableId::Guests).rowCount() != state.range(0))
        state.SkipWithError("the plan shown is not the plan opened");
    state.counters["rows_per_table"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_OpenPlanFileInWindow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A window on a stored plan of `rows` rows per table, shown.
struct WindowOnStoredPlan {
    WindowOnStoredPlan(const QString& folder, int rows)
        : sys(folder)
        , installed(sys)
    {
        storeFullPlan(sys.settings(), rows);
        window = std::make_unique<MainWindow>();
        window->show();
        QApplication::processEvents();
    }
    BenchSystem sys;
    ScopedSystem installed;
    std::unique_ptr<MainWindow> window;
};

// Undo of a guest deleted from the middle of the list: from the menu item
// to the row back in the list, selected, and stored. The delete itself is
// not timed.
void BM_UndoDelete(benchmark::State& state)
{
    QTemporaryDir dir;
    const int rows = static_cast<int>(state.range(0));
    WindowOnStoredPlan on(dir.path(), rows);
    MainWindow& window = *on.window;
    QTreeView& guests = *window.widgets().guestsList;
    on.sys.settings().writes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        guests.selectionModel()->select(guests.model()->index(rows / 2, 0),
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        window.widgets().deleteGuestButton->click();
        state.ResumeTiming();
        window.menus().undo->trigger();
        QApplication::processEvents();
    }
    if (window.plan().table(TableId::Guests).rowCount() != rows)
        state.SkipWithError("the deleted row did not come back");
    state.counters["rows_per_table"] = static_cast<double>(rows);
    state.counters["store_writes"] = benchmark::Counter(on.sys.settings().writes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_UndoDelete)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Undo of "Load Sample/Example Data": a row out of each of nine lists and
// five budgets back, all stored. The load itself is not timed.
void BM_UndoLoadSampleData(benchmark::State& state)
{
    QTemporaryDir dir;
    const int rows = static_cast<int>(state.range(0));
    WindowOnStoredPlan on(dir.path(), rows);
    MainWindow& window = *on.window;
    on.sys.settings().writes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.widgets().loadSampleDataButton->click();
        state.ResumeTiming();
        window.menus().undo->trigger();
        QApplication::processEvents();
    }
    if (window.plan().table(TableId::Music).rowCount() != rows)
        state.SkipWithError("the sample rows were not taken back");
    state.counters["rows_per_table"] = static_cast<double>(rows);
    state.counters["store_writes"] = benchmark::Counter(on.sys.settings().writes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_UndoLoadSampleData)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// 10,000 guests pasted from the clipboard into a list of `rows` rows: from
// Edit > Paste Rows to the rows checked, in the list, selected and stored.
// Undoing the paste is not timed.
void BM_PasteRows(benchmark::State& state)
{
    QTemporaryDir dir;
    const int rows = static_cast<int>(state.range(0));
    WindowOnStoredPlan on(dir.path(), rows);
    MainWindow& window = *on.window;
    QString text;
    for (int i = 1; i <= 10000; ++i)
        text += QStringLiteral("Guest %1\t\"Flat %1\nElm St\"\tyes\t%1\r\n").arg(i);
    on.sys.clipboard = text;
    window.widgets().guestsList->setFocus();
    int pasteWrites = 0;
    for (auto _ : state) {
        const int before = on.sys.settings().writes;
        window.pasteRows();
        QApplication::processEvents();
        state.PauseTiming();
        pasteWrites += on.sys.settings().writes - before;
        if (window.plan().table(TableId::Guests).rowCount() != rows + 10000)
            state.SkipWithError("the rows were not pasted");
        window.menus().undo->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows_per_table"] = static_cast<double>(rows);
    state.counters["store_writes"] = benchmark::Counter(pasteWrites, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PasteRows)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

// One amount of a list of `rows` rows changed in the plan, as an edit where
// it stands leaves it: from the change to the list and the status bar
// showing it. The store's write is not part of it (BM_UndoDelete times one).
void BM_AmountEdit(benchmark::State& state)
{
    QTemporaryDir dir;
    const int rows = static_cast<int>(state.range(0));
    WindowOnStoredPlan on(dir.path(), rows);
    MainWindow& window = *on.window;
    PlanTable& music = window.plan().table(TableId::Music);
    const int amountColumn = music.columnCount() - 1;
    int edits = 0;
    for (auto _ : state) {
        music.setCell(rows / 2, amountColumn, QString::number(++edits % 100) + QStringLiteral(".25"));
        QApplication::processEvents();
    }
    if (!window.planStatusBar().summary().contains(QStringLiteral(" spent")))
        state.SkipWithError("the status bar shows no figures");
    state.counters["rows_per_table"] = static_cast<double>(rows);
}
BENCHMARK(BM_AmountEdit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// File > Import Guests with a CSV file of `rows` guests, the dialog
// confirmed as it opens: from the menu item to the guests in the list on
// screen and stored. Undoing them after each import is not timed.
void BM_ImportGuestsFromCsv(benchmark::State& state)
{
    QTemporaryDir dir;
    const int rows = static_cast<int>(state.range(0));
    WindowOnStoredPlan on(dir.path(), 1);
    MainWindow& window = *on.window;
    QByteArray csv = "Name,Address,RSVP,Number in Party\r\n";
    for (int i = 0; i < rows; ++i)
        csv += "Guest " + QByteArray::number(i) + ",\"" + QByteArray::number(i) + " Elm St, Springfield\",yes,2\r\n";
    on.sys.openPath = dir.filePath("guests.csv");
    QFile file(on.sys.openPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size()) {
        state.SkipWithError("the CSV file could not be written");
        return;
    }
    file.close();
    on.sys.answerDialog = [](QDialog&) { return true; };
    on.sys.settings().writes = 0;
    for (auto _ : state) {
        window.menus().importGuests->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        if (window.plan().table(TableId::Guests).rowCount() != rows + 1)
            state.SkipWithError("the guests were not imported");
        window.menus().undo->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["guests"] = static_cast<double>(rows);
    state.counters["store_writes"] = benchmark::Counter(on.sys.settings().writes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ImportGuestsFromCsv)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    jubilo::bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const jubilo::testing::UsEnglishLocale english;
    return jubilo::bench::runBenchmarks(argc, argv);
}
