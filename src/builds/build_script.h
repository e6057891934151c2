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
    // What kind of fault, for the window to word it in its own language.
    enum class Fault {
        Damaged,      // not JSON, or a value of the wrong shape
        NotBuildFile, // JSON of another kind, or another program's format
        Newer,        // written by a newer program
        Missing,      // names a hero or item the catalogue does not hold
    };
    explicit BuildScriptError(const std::string& message, Fault fault = Fault::Damaged,
                              std::string name = {})
        : std::runtime_error(message), Kind(fault), Name(std::move(name)) {}
    Fault Kind;
    std::string Name; // Missing: the name the script gives (UTF-8)
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
