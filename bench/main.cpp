#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

// The drawing benchmarks paint into real drawing surfaces, which need an
// application object; offscreen unless a platform is chosen.
int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
