#include "app/program_entry.h"
#include "ui/web_engine_environment.h"

#include <QApplication>

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "usage: zephyrdex [--data DIR]\n"
                         "  Opens the encyclopedia, the hero calculator and the dictionary on\n"
                         "  the Data folder beside the program, or on DIR.\n";
            return 0;
        }
    }
    // The browser engine's scheme and switches come before the application.
    zephyr::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    zephyr::app::ProgramOptions options{
        zephyr::app::LocationFromArguments(QApplication::arguments()), {}, {}, {}, {}};
    return zephyr::app::RunProgram(options);
}
