// What a language costs at start: putting one in force (Jubilo's and Qt's
// translations loaded, the default locale set).

#include "bench_main.h"
#include "messages/language.h"

#include <QCoreApplication>

namespace jubilo {
namespace {

void BM_PutALanguageInForce(benchmark::State& state)
{
    const Language german = *languageNamed(QStringLiteral("de"));
    for (auto _ : state) {
        const LanguageInForce inForce(german);
        benchmark::DoNotOptimize(inForce.translated());
    }
}
BENCHMARK(BM_PutALanguageInForce)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jubilo

int main(int argc, char** argv)
{
    jubilo::bench::useOffscreenPlatform();
    QCoreApplication app(argc, argv);
    return jubilo::bench::runBenchmarks(argc, argv);
}
