#pragma once

#include "builds/build_script.h"

#include <QString>

namespace zephyr::ui {

// Why a build file cannot be used, in the window's words.
QString BuildFileRefusal(const BuildScriptError& fault);

} // namespace zephyr::ui
