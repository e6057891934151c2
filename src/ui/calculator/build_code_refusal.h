#pragma once

#include "engine/build_code.h"
#include "engine/build_recipe.h"

#include <QString>

namespace zephyr::ui {

// Why a pasted build code changed nothing, in the window's words: what is
// wrong with the code, or what it names that the catalogue lacks.
QString BuildCodeRefusal(const BuildCodeError& error);
QString BuildCodeRefusal(const MissingRecord& missing);

} // namespace zephyr::ui
