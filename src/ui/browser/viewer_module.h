#pragma once

#include "ui/browser/html_viewer.h"

#include "data/data_location.h"

#include <QString>

namespace zephyr::ui {

// The browser engine lives in a module of its own, loaded once the window is
// on screen, so that the program starts without the engine's libraries.
// The module exports one function under this name: it makes the factory of
// viewers on the engine for the Data folder at `location`.
inline constexpr char kViewerModuleEntry[] = "ZephyrdexWebEngineViewers";
using ViewerModuleEntry = void (*)(const DataLocation& location, ViewerFactory& factory);

// Loads the module: the file beside the program (a build tree), else the one
// the package installs. On failure, returns null and says why in `problem`.
ViewerModuleEntry LoadViewerModule(QString& problem);

} // namespace zephyr::ui
