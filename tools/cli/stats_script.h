#pragma once

#include "data/catalogue.h"

#include <nlohmann/json.hpp>

#include <stdexcept>

namespace zephyr::cli {

// A build script that cannot be replayed: wrong shape, an unknown action, or
// a hero or item that the catalogue does not hold. The message says which.
struct StatsScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Replays {"hero": H, "actions": [...]} through the calculator's gestures and
// returns the resulting build, statistics and screen texts (UTF-8). Actions
// that the screen would not offer at that moment change nothing and are
// listed by index under "refused".
nlohmann::json RunStatsScript(const Catalogue& catalogue, const nlohmann::json& script,
                              char decimalSeparator);

} // namespace zephyr::cli
