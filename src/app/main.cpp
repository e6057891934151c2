#include "app/program_entry.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zephyr::app::ProgramOptions options{
        zephyr::app::LocationFromArguments(QApplication::arguments()), {}, {}};
    return zephyr::app::RunProgram(options);
}
