#pragma once

#include "data/catalogue.h"
#include "engine/build_recipe.h"

#include <nlohmann/json.hpp>

#include <stdexcept>

namespace zephyr::cli {

// A build script that cannot be read or replayed: not JSON, wrong shape, an
// unknown action, or a hero or item that the catalogue does not hold. The
// message says which, with the action's index and the offending value cut
// short; the caller adds the script's name.
struct StatsScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Deepest nesting a script may have. Real scripts use three levels; deeper
// input would only exhaust the stack when the value is copied or printed.
inline constexpr int kMaxScriptDepth = 64;

// Parses a script's text; StatsScriptError when it is not JSON, holds a number
// out of range or nests deeper than kMaxScriptDepth.
nlohmann::json ParseStatsScript(const std::string& text);

// Replays {"hero": H, "actions": [...]} through the calculator's gestures and
// returns the resulting build, statistics and screen texts (UTF-8). Actions
// that the screen would not offer at that moment change nothing and are
// listed by index under "refused".
nlohmann::json RunStatsScript(const Catalogue& catalogue, const nlohmann::json& script,
                              char decimalSeparator);

// The script as the gestures it makes, heroes and items by name;
// StatsScriptError as RunStatsScript gives it.
BuildRecipe RecipeFromScript(const Catalogue& catalogue, const nlohmann::json& script);

// Replays a recipe and gives what RunStatsScript gives for its script;
// StatsScriptError when the catalogue lacks a hero or item it names.
nlohmann::json RunRecipe(const Catalogue& catalogue, const BuildRecipe& recipe,
                         char decimalSeparator);

} // namespace zephyr::cli
