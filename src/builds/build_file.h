#pragma once

#include "data/catalogue.h"
#include "engine/build_recipe.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace zephyr {

// A build kept as a file (".zdxbuild"): UTF-8 JSON, the build script that
// the command line replays ("hero" and "actions", heroes and items by name,
// so that it survives a data update) under a header saying what the build
// is and which data it was made on.
inline constexpr std::string_view kBuildFileFormat = "zephyrdex-build";
inline constexpr int kBuildFileVersion = 1;
inline constexpr std::string_view kBuildFileExtension = ".zdxbuild";

// What a build file says of itself, read without the catalogue: enough to
// list it in the library.
struct BuildFileHeader {
    std::string Name;     // UTF-8
    std::string Notes;    // UTF-8
    std::string Created;  // UTC, "2026-12-10T13:45:00Z"
    std::string Modified; // the same
    int HeroLevel = 0;
    std::string DataId; // the identity of the data it was made on
    std::string Hero;   // the script's hero as written (UTF-8), empty when by number
};

struct BuildFile : BuildFileHeader {
    BuildRecipe Recipe;
};

// The file's text.
std::string BuildFileText(const BuildFile& build);

// The build a file's text holds. BuildScriptError says what is wrong: not
// JSON, not a build file, a newer format version, a damaged header or
// script, or a hero or item the catalogue lacks; the caller adds the file's
// name.
BuildFile ReadBuildFile(const std::string& text, const Catalogue& catalogue);

// The header alone; BuildScriptError as ReadBuildFile, but a hero or item
// the catalogue lacks is not looked for.
BuildFileHeader ReadBuildFileHeader(const std::string& text);

// Refuses a parsed script that carries a build file's header of another
// format or a newer version (BuildScriptError); a plain script passes.
void CheckBuildFileHeader(const nlohmann::json& script);

// Whether a parsed build file was made on data of another identity (see
// DataIdentity); a plain script, or a file that does not say, was not.
bool MadeOnOtherData(const nlohmann::json& script, const std::string& dataIdentity);

} // namespace zephyr
