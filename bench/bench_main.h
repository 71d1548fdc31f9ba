#pragma once
// What every benchmark program's main does around its Qt application: Qt's
// offscreen platform unless another is chosen (fonts and widgets need a
// platform, benchmarks need no screen), then Google Benchmark's run.
//
//   int main(int argc, char** argv)
//   {
//       jubilo::bench::useOffscreenPlatform();
//       QGuiApplication app(argc, argv);
//       return jubilo::bench::runBenchmarks(argc, argv);
//   }

#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace jubilo::bench {

inline void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Runs the benchmarks the command line names; 1 for an argument Google
// Benchmark does not know.
inline int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace jubilo::bench
