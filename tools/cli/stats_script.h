#pragma once

#include "builds/build_script.h"
#include "data/catalogue.h"
#include "engine/build_recipe.h"

#include <nlohmann/json.hpp>

namespace zephyr::cli {

// Replays {"hero": H, "actions": [...]} through the calculator's gestures and
// returns the resulting build, statistics and screen texts (UTF-8). Actions
// that the screen would not offer at that moment change nothing and are
// listed by index under "refused".
nlohmann::json RunStatsScript(const Catalogue& catalogue, const nlohmann::json& script,
                              char decimalSeparator);

// Replays a recipe and gives what RunStatsScript gives for its script;
// BuildScriptError when the catalogue lacks a hero or item it names.
nlohmann::json RunRecipe(const Catalogue& catalogue, const BuildRecipe& recipe,
                         char decimalSeparator);

} // namespace zephyr::cli
