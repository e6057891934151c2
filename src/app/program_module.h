#pragma once

namespace zephyr::app {

class SplashForm;

// The program lives in a module that its launcher loads once the splash is
// on screen, so that the splash comes up before the program's libraries
// are loaded. The module exports one function under this name: it takes
// the splash shown and runs the program (start-up, then the event loop),
// returning the process's exit code.
inline constexpr char kProgramModuleEntry[] = "ZephyrdexRunProgram";
using ProgramModuleEntry = int (*)(SplashForm* splash, bool exitWhenShown);

} // namespace zephyr::app
