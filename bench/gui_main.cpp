// The main of the benchmarks that paint: from the GUI thread of an offscreen
// application, as a paint event would, with no display needed.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    static int qtArgc = 3;
    static char name[] = "torvane-bench";
    static char platformFlag[] = "-platform";
    static char platform[] = "offscreen";
    static char* qtArgv[] = {name, platformFlag, platform, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
