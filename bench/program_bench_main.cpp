// main() of the benchmarks that start the program.
#include "ui/browser/viewer_process.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // The browser engine's switches go before the application
    // object; offscreen unless the caller chose a platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    zephyr::ui::PrepareViewerProcess();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
