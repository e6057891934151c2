#pragma once

#include <QLibrary>
#include <QString>

namespace zephyr::ui {

// Our modules: the program itself, which its launcher loads once the splash
// is up, and the browser engine's viewers, which the program loads once its
// window is up. A module sits beside the program in a build tree, and in the
// package's library folder once installed (the same path relative to the
// program's folder). Returns the module's entry, never unloaded, or null
// with the reason in `problem`.
QFunctionPointer LoadModuleEntry(const char* file, const char* entry, QString& problem);

} // namespace zephyr::ui
