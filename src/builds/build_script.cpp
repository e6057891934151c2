#include "builds/build_script.h"

#include "data/cp1251.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zephyr {
namespace {

using nlohmann::json;

constexpr std::size_t kExcerptLength = 40;

// At most kExcerptLength characters of UTF-8 text, then "…": a pasted
// megabyte must not become a megabyte-long message.
std::string Cut(const std::string& text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80 && characters++ == kExcerptLength) {
            return text.substr(0, i) + "\u2026";
        }
    }
    return text;
}

// Where in the script a problem lies: an action by index, or nothing for the
// top level.
using Place = std::optional<std::size_t>;

[[noreturn]] void Fail(Place place, const std::string& message,
                       BuildScriptError::Fault fault = BuildScriptError::Fault::Damaged,
                       std::string name = {}) {
    if (!place) {
        throw BuildScriptError(message, fault, std::move(name));
    }
    throw BuildScriptError("action " + std::to_string(*place) + ": " + message, fault,
                           std::move(name));
}

// Whole numbers past long long (unsigned in the JSON) clamp to its largest
// value, so every range check below refuses them.
long long WholeNumber(const json& value) {
    if (value.is_number_unsigned() &&
        value.get<unsigned long long>() >
            static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
        return std::numeric_limits<long long>::max();
    }
    return value.get<long long>();
}

int IntegerOf(const json& value, Place place, const std::string& what) {
    if (!value.is_number_integer()) {
        Fail(place, what + " must be an integer, not " + ScriptExcerpt(value));
    }
    const long long number = WholeNumber(value);
    // Far-out numbers are just refused gestures, like any other bad slot.
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(number);
}

const json& Member(const json& object, const char* name, Place place, const std::string& action) {
    if (!object.is_object() || !object.contains(name)) {
        Fail(place, action + " needs \"" + name + "\" in " + ScriptExcerpt(object));
    }
    return object.at(name);
}

// A hero or item by its 1-based number or by its name (UTF-8 in the script).
template <class Record>
int Resolve(const std::vector<Record>& table, const json& value, Place place,
            const std::string& what) {
    if (value.is_number_integer()) {
        const long long number = WholeNumber(value);
        if (number >= 1 && number <= static_cast<long long>(table.size())) {
            return static_cast<int>(number);
        }
        Fail(place, "unknown " + what + " " + ScriptExcerpt(value));
    }
    if (value.is_string()) {
        const std::string name = Cp1251FromUtf8(value.get<std::string>());
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i].Name == name) {
                return static_cast<int>(i + 1);
            }
        }
        Fail(place, "unknown " + what + " " + ScriptExcerpt(value),
             BuildScriptError::Fault::Missing, value.get<std::string>());
    }
    Fail(place, what + " must be a name or a whole number, not " + ScriptExcerpt(value));
}

template <class Record>
std::string NameOf(const std::vector<Record>& table, const json& value, Place place,
                   const std::string& what) {
    return table[static_cast<std::size_t>(Resolve(table, value, place, what) - 1)].Name;
}

// An action of the script as the gesture it stands for; heroes and items by
// their names in the catalogue.
Gesture GestureOf(const Catalogue& catalogue, const json& action, std::size_t index) {
    const Place place = index;
    if (!action.is_object() || action.size() != 1) {
        Fail(place, "an action is an object with one key, not " + ScriptExcerpt(action));
    }
    const std::string& name = action.begin().key();
    const json& value = action.begin().value();
    const auto number = [&](const json& v, const std::string& what) {
        return IntegerOf(v, place, what);
    };
    const auto member = [&](const char* field) -> const json& {
        return Member(value, field, place, name);
    };
    if (name == "levelUp") {
        return {GestureKind::LevelUp, number(value, name), 0, {}};
    }
    if (name == "levelDown") {
        return {GestureKind::LevelDown, 0, 0, {}};
    }
    if (name == "reset") {
        return {GestureKind::Reset, 0, 0, {}};
    }
    if (name == "chooseHero") {
        return {GestureKind::ChooseHero, 0, 0, NameOf(catalogue.Heroes, value, place, "hero")};
    }
    if (name == "place") {
        const int slot = number(member("slot"), "slot");
        return {GestureKind::Place, slot, 0,
                NameOf(catalogue.Items, member("item"), place, "item")};
    }
    if (name == "remove") {
        return {GestureKind::Remove, number(value, name), 0, {}};
    }
    if (name == "moveLine") {
        return {
            GestureKind::MoveLine, number(member("from"), "from"), number(member("to"), "to"), {}};
    }
    if (name == "toggleAbility") {
        return {GestureKind::ToggleAbility, number(value, name), 0, {}};
    }
    if (name == "openParams") {
        return {GestureKind::OpenParams, number(value, name), 0, {}};
    }
    if (name == "toggleSlot") {
        return {GestureKind::ToggleSlot, number(value, name), 0, {}};
    }
    if (name == "paramText") {
        const int editor = number(member("editor"), "editor");
        const json& text = member("text");
        if (!text.is_string()) {
            Fail(place, "text must be a string, not " + ScriptExcerpt(text));
        }
        return {GestureKind::ParamText, editor, 0, Cp1251FromUtf8(text.get<std::string>())};
    }
    if (name == "paramArrow") {
        const int editor = number(member("editor"), "editor");
        const json& dir = member("dir");
        if (dir != "left" && dir != "right") {
            Fail(place, "dir must be \"left\" or \"right\", not " + ScriptExcerpt(dir));
        }
        return {GestureKind::ParamArrow, editor, dir == "right" ? 1 : 0, {}};
    }
    Fail(place, "unknown action " + ScriptExcerpt(json(name)));
}

// A gesture as the script's action, heroes and items by name (UTF-8).
json ActionOf(const Gesture& gesture) {
    switch (gesture.Kind) {
    case GestureKind::ChooseHero:
        return {{"chooseHero", Utf8FromCp1251(gesture.Name)}};
    case GestureKind::LevelUp:
        return {{"levelUp", gesture.A}};
    case GestureKind::LevelDown:
        return {{"levelDown", nullptr}};
    case GestureKind::Reset:
        return {{"reset", nullptr}};
    case GestureKind::Place:
        return {{"place", {{"slot", gesture.A}, {"item", Utf8FromCp1251(gesture.Name)}}}};
    case GestureKind::Remove:
        return {{"remove", gesture.A}};
    case GestureKind::MoveLine:
        return {{"moveLine", {{"from", gesture.A}, {"to", gesture.B}}}};
    case GestureKind::ToggleAbility:
        return {{"toggleAbility", gesture.A}};
    case GestureKind::OpenParams:
        return {{"openParams", gesture.A}};
    case GestureKind::ToggleSlot:
        return {{"toggleSlot", gesture.A}};
    case GestureKind::ParamText:
        return {{"paramText", {{"editor", gesture.A}, {"text", Utf8FromCp1251(gesture.Name)}}}};
    case GestureKind::ParamArrow:
        return {
            {"paramArrow", {{"editor", gesture.A}, {"dir", gesture.B != 0 ? "right" : "left"}}}};
    }
    return {};
}

// The library's message without its "[json.exception...]" tag and with the
// input it quotes cut short.
std::string LibraryReason(const json::exception& error) {
    std::string text = error.what();
    if (text.starts_with("[json.exception.")) {
        const std::size_t tagEnd = text.find("] ");
        text.erase(0, tagEnd == std::string::npos ? 0 : tagEnd + 2);
    }
    for (const std::string_view marker : {"last read: '", "parsing '"}) {
        const std::size_t quote = text.find(marker);
        if (quote != std::string::npos) {
            const std::size_t from = quote + marker.size();
            return text.substr(0, from) + Cut(text.substr(from));
        }
    }
    return text;
}

} // namespace

std::string ScriptExcerpt(const json& value) {
    return Cut(value.dump());
}

json ParseBuildScript(const std::string& text) {
    // The parser itself keeps its own stack, but copying and printing the
    // value recurse, so depth is refused while reading.
    const json::parser_callback_t limitDepth = [](int depth, json::parse_event_t event, json&) {
        if ((event == json::parse_event_t::object_start ||
             event == json::parse_event_t::array_start) &&
            depth >= kMaxScriptDepth) {
            throw BuildScriptError("nested deeper than " + std::to_string(kMaxScriptDepth) +
                                   " levels");
        }
        return true;
    };
    try {
        return json::parse(text, limitDepth);
    } catch (const json::parse_error& error) {
        throw BuildScriptError("not valid JSON: " + LibraryReason(error));
    } catch (const json::exception& error) {
        throw BuildScriptError(LibraryReason(error));
    }
}

BuildRecipe RecipeFromScript(const Catalogue& catalogue, const json& script) {
    if (!script.is_object() || !script.contains("hero")) {
        throw BuildScriptError("the script is an object with \"hero\" and \"actions\", not " +
                               ScriptExcerpt(script));
    }
    const json actions = script.value("actions", json::array());
    if (!actions.is_array()) {
        throw BuildScriptError("\"actions\" must be an array, not " + ScriptExcerpt(actions));
    }
    BuildRecipe recipe;
    recipe.Hero = NameOf(catalogue.Heroes, script.at("hero"), std::nullopt, "hero");
    for (std::size_t index = 0; index < actions.size(); ++index) {
        recipe.Gestures.push_back(GestureOf(catalogue, actions[index], index));
    }
    return recipe;
}

json ScriptFromRecipe(const BuildRecipe& recipe) {
    json actions = json::array();
    for (const Gesture& gesture : recipe.Gestures) {
        actions.push_back(ActionOf(gesture));
    }
    return json{{"hero", Utf8FromCp1251(recipe.Hero)}, {"actions", actions}};
}

} // namespace zephyr
