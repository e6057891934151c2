#include "app/program_entry.h"
#include "ui/browser/web_engine_environment.h"

#include <QApplication>

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    bool exitWhenShown = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "usage: zephyrdex [--data DIR] [--exit-when-shown]\n"
                         "  Opens the encyclopedia, the hero calculator and the dictionary on\n"
                         "  the Data folder beside the program, the installed one, or DIR.\n"
                         "  --exit-when-shown ends the program once its window is on screen.\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--exit-when-shown") == 0) {
            exitWhenShown = true;
        }
    }
    // The browser engine's scheme and switches come before the application.
    zephyr::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    zephyr::app::ProgramOptions options{
        zephyr::app::LocationFromArguments(QApplication::arguments()),
        {},
        {},
        {},
        {},
        exitWhenShown};
    return zephyr::app::RunProgram(options);
}
