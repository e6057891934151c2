// The launcher: the splash first and the main window's place beneath it,
// then the program's module with its libraries, which fills the window and
// runs the program.
#include "app/first_windows.h"
#include "app/program_arguments.h"
#include "app/program_module.h"
#include "ui/browser/viewer_process.h"
#include "ui/widgets/module_library.h"

#include <QApplication>

#include <cstring>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    bool exitWhenShown = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "usage: zephyrdex [--data DIR] [--builds DIR] [--exit-when-shown] "
                         "[FILE.zdxbuild]\n"
                         "  Opens the encyclopedia, the hero calculator and the dictionary on\n"
                         "  the Data folder beside the program, the installed one, or DIR.\n"
                         "  --builds DIR keeps the build library in DIR instead of\n"
                         "  $XDG_DATA_HOME/zephyrdex/builds (~/.local/share/zephyrdex/builds).\n"
                         "  FILE.zdxbuild opens that build in the calculator.\n"
                         "  --exit-when-shown ends the program once its window is on screen.\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--exit-when-shown") == 0) {
            exitWhenShown = true;
        }
    }
    // The browser engine's switches come before the application; the engine
    // itself comes once the window is on screen.
    zephyr::ui::PrepareViewerProcess();
    QApplication application(argc, argv);

    // The main window's place comes up beneath the splash at once; the
    // program fills it once its module has loaded.
    zephyr::app::FirstWindows shown = zephyr::app::ShowFirstWindows(
        zephyr::app::LocationFromArguments(QApplication::arguments()));

    QString problem;
    const auto run = reinterpret_cast<zephyr::app::ProgramModuleEntry>(zephyr::ui::LoadModuleEntry(
        "zephyrdex-program.so", zephyr::app::kProgramModuleEntry, problem));
    if (run == nullptr) {
        std::cerr << "zephyrdex: the program's module did not load: " << problem.toStdString()
                  << '\n';
        return 1;
    }
    return run(shown.Splash.release(), shown.Host.get(), exitWhenShown);
}
