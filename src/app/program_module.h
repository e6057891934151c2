#pragma once

class QWidget;

namespace zephyr::app {

class SplashForm;

// The program lives in a module that its launcher loads once the splash is
// on screen, so that the splash comes up before the program's libraries
// are loaded. The module exports one function under this name: it takes
// the splash shown and the main window's place beneath it (null when not
// shown), runs the program (start-up, then the event loop) and returns the
// process's exit code. The launcher keeps the place until then.
inline constexpr char kProgramModuleEntry[] = "ZephyrdexRunProgram";
using ProgramModuleEntry = int (*)(SplashForm* splash, QWidget* host, bool exitWhenShown);

} // namespace zephyr::app
