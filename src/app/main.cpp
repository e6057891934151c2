#include "app/program_entry.h"
#include "ui/browser/viewer_process.h"

#include <QApplication>

#include <cstring>
#include <iostream>

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
    const QStringList arguments = QApplication::arguments();
    zephyr::app::ProgramOptions options{zephyr::app::LocationFromArguments(arguments),
                                        {},
                                        {},
                                        {},
                                        {},
                                        exitWhenShown,
                                        zephyr::app::BuildsFolderFromArguments(arguments),
                                        zephyr::app::BuildFileFromArguments(arguments),
                                        {}};
    return zephyr::app::RunProgram(options);
}
