// The main of the benchmarks that paint: from the GUI thread of an offscreen
// application, as a paint event would, with no display needed. Those that
// open windows ask for widgets.
#include <benchmark/benchmark.h>

#ifdef TORVANE_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    static int qtArgc = 3;
    static char name[] = "torvane-bench";
    static char platformFlag[] = "-platform";
    static char platform[] = "offscreen";
    static char* qtArgv[] = {name, platformFlag, platform, nullptr};
    BenchApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
