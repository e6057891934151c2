#pragma once

#include "data/catalogue.h"
#include "engine/build_recipe.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace zephyr {

// A build as a readable script: {"hero": H, "actions": [...]}, one action a
// gesture, heroes and items by name (UTF-8) or by number in the catalogue.
// The command line replays scripts; build files keep one.

// A script that cannot be read or replayed: not JSON, wrong shape, an
// unknown action, or a hero or item that the catalogue does not hold. The
// message says which, with the action's index and the offending value cut
// short; the caller adds the script's name.
struct BuildScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A value of a script as it is written, cut short after a few characters
// (whole UTF-8 characters), for messages.
std::string ScriptExcerpt(const nlohmann::json& value);

// Deepest nesting a script may have. Real scripts use three levels; deeper
// input would only exhaust the stack when the value is copied or printed.
inline constexpr int kMaxScriptDepth = 64;

// Parses a script's text; BuildScriptError when it is not JSON, holds a
// number out of range or nests deeper than kMaxScriptDepth.
nlohmann::json ParseBuildScript(const std::string& text);

// The script as the gestures it makes, heroes and items by name;
// BuildScriptError when it is malformed or names what the catalogue lacks.
BuildRecipe RecipeFromScript(const Catalogue& catalogue, const nlohmann::json& script);

// The recipe as a script, heroes and items by name, which reads back through
// RecipeFromScript into the same recipe.
nlohmann::json ScriptFromRecipe(const BuildRecipe& recipe);

} // namespace zephyr
