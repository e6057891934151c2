// main() of the benchmarks that start the program.
#include "ui/browser/viewer_process.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    // The browser engine's switches go before the application
    // object; offscreen unless the caller chose a platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // ZEPHYR_ENGINE_DEFAULTS: the engine as a minimal program has it, for the
    // yardstick of the tree's memory; only the sandbox is off under root,
    // where the engine would not start with it.
    if (std::getenv("ZEPHYR_ENGINE_DEFAULTS") == nullptr) {
        zephyr::ui::PrepareViewerProcess();
    } else if (geteuid() == 0) {
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
