// The program as the user meets it: start-up with a stored plan, and the
// report run from the click to the preview on screen.

#include "platform/qt_system.h"
#include "engine_host/engine_host.h"
#include "ui/main/main_window.h"
#include "ui/preview/preview_window.h"
#include "tests/support/sample_plans.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace jubilo;

// The desktop seam, but with its store, temporary folder and boxes kept
// away from the user's own.
class BenchSystem : public QtSystem {
public:
    explicit BenchSystem(const QString& folder)
        : store_(folder + "/config")
        , temp_(folder)
    {
        setHostFactory(createEngineHost, runningEngineHost);
    }
    int messageBox(const QString&, int, const QString&) override { return msgbox::kAnswerOk; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void openUrl(const QString&) override {}
    QStringList environment() override { return {"TEMP=" + temp_}; }
    SettingsStore& settings() override { return store_; }

private:
    IniSettingsStore store_;
    QString temp_;
};

long residentKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void BM_StartWithStoredPlan(benchmark::State& state)
{
    QTemporaryDir dir;
    BenchSystem sys(dir.path());
    ScopedSystem installed(sys);
    testing::storePlan(sys.settings(), testing::planWithRows(static_cast<int>(state.range(0))));
    const long before = residentKilobytes();
    long grown = 0;
    for (auto _ : state) {
        MainWindow window;
        window.show();
        QApplication::processEvents();
        grown = residentKilobytes() - before;
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    state.counters["rss_growth_kB"] = static_cast<double>(grown);
}
BENCHMARK(BM_StartWithStoredPlan)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

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

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const jubilo::testing::UsEnglishLocale english;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
