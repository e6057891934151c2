#include "builds/build_file.h"

#include "builds/build_script.h"

#include <string>

namespace zephyr {
namespace {

using nlohmann::json;

// A header field: missing gives the default, another type is damage.
template <class Value>
Value Field(const json& file, const char* name, const Value& fallback, const char* type) {
    if (!file.contains(name)) {
        return fallback;
    }
    const json& value = file.at(name);
    const bool fits = std::is_same_v<Value, int> ? value.is_number_integer() : value.is_string();
    if (!fits) {
        throw BuildScriptError(std::string("\"") + name + "\" must be " + type + ", not " +
                               ScriptExcerpt(value));
    }
    return value.get<Value>();
}

json ParseBuildFile(const std::string& text) {
    json file = ParseBuildScript(text);
    if (!file.is_object() || !file.contains("format")) {
        throw BuildScriptError("not a Zephyrdex build file (it has no \"format\")",
                               BuildScriptError::Fault::NotBuildFile);
    }
    CheckBuildFileHeader(file);
    return file;
}

BuildFileHeader HeaderOf(const json& file) {
    BuildFileHeader header;
    header.Name = Field<std::string>(file, "name", {}, "a text");
    header.Notes = Field<std::string>(file, "notes", {}, "a text");
    header.Created = Field<std::string>(file, "created", {}, "a text");
    header.Modified = Field<std::string>(file, "modified", {}, "a text");
    header.HeroLevel = Field<int>(file, "level", 0, "a whole number");
    header.DataId = Field<std::string>(file, "data", {}, "a text");
    if (const auto hero = file.find("hero"); hero != file.end() && hero->is_string()) {
        header.Hero = hero->get<std::string>();
    }
    return header;
}

} // namespace

void CheckBuildFileHeader(const json& script) {
    if (!script.is_object() || !script.contains("format")) {
        return;
    }
    const json& format = script.at("format");
    if (format != kBuildFileFormat) {
        throw BuildScriptError("not a Zephyrdex build file (\"format\" is " +
                                   ScriptExcerpt(format) + ")",
                               BuildScriptError::Fault::NotBuildFile);
    }
    const json& version = script.value("version", json());
    if (!version.is_number_integer() || version.get<long long>() < 1) {
        throw BuildScriptError("the build file is damaged: \"version\" must be a whole number "
                               "from 1");
    }
    if (version.get<long long>() > kBuildFileVersion) {
        throw BuildScriptError("the build file was written by a newer Zephyrdex (format version " +
                                   std::to_string(version.get<long long>()) +
                                   "; this program reads version " +
                                   std::to_string(kBuildFileVersion) + ")",
                               BuildScriptError::Fault::Newer);
    }
}

bool MadeOnOtherData(const json& script, const std::string& dataIdentity) {
    if (!script.is_object() || !script.contains("data") || !script.at("data").is_string()) {
        return false;
    }
    const std::string& made = script.at("data").get_ref<const std::string&>();
    return !made.empty() && made != dataIdentity;
}

std::string BuildFileText(const BuildFile& build) {
    json file = ScriptFromRecipe(build.Recipe);
    file["format"] = kBuildFileFormat;
    file["version"] = kBuildFileVersion;
    file["name"] = build.Name;
    file["notes"] = build.Notes;
    file["created"] = build.Created;
    file["modified"] = build.Modified;
    file["level"] = build.HeroLevel;
    file["data"] = build.DataId;
    // Readable in a text editor, and ending in a newline like any text file.
    return file.dump(2, ' ', false, json::error_handler_t::replace) + '\n';
}

BuildFileHeader ReadBuildFileHeader(const std::string& text) {
    return HeaderOf(ParseBuildFile(text));
}

BuildFile ReadBuildFile(const std::string& text, const Catalogue& catalogue) {
    const json file = ParseBuildFile(text);
    BuildFile build;
    static_cast<BuildFileHeader&>(build) = HeaderOf(file);
    build.Recipe = RecipeFromScript(catalogue, file);
    return build;
}

} // namespace zephyr
