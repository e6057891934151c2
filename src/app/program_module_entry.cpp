// The one symbol the program's module exports (see app/program_module.h).

#include "app/program_entry.h"
#include "app/program_module.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT int ZephyrdexRunProgram(zephyr::app::SplashForm* splash, QWidget* host,
                                                 bool exitWhenShown) {
    using namespace zephyr::app;
    const QStringList arguments = QApplication::arguments();
    const ProgramOptions options{LocationFromArguments(arguments),
                                 {},
                                 {},
                                 {},
                                 {},
                                 exitWhenShown,
                                 BuildsFolderFromArguments(arguments),
                                 BuildFileFromArguments(arguments),
                                 {}};
    return RunProgram(options, std::unique_ptr<SplashForm>(splash), host);
}
