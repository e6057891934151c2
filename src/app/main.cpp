#include "app/program_entry.h"
#include "ui/web_engine_environment.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The browser engine's scheme and switches come before the application.
    zephyr::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    zephyr::app::ProgramOptions options{
        zephyr::app::LocationFromArguments(QApplication::arguments()), {}, {}, {}, {}};
    return zephyr::app::RunProgram(options);
}
