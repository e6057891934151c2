#include "stats_script.h"

#include "engine/calculator.h"
#include "engine/stat_format.h"

#include "data/cp1251.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace zephyr::cli {
namespace {

using nlohmann::json;

json Utf8(const std::string& cp1251) {
    return Utf8FromCp1251(cp1251);
}

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

// The offending value as the script writes it, cut short.
std::string Excerpt(const json& value) {
    return Cut(value.dump());
}

// Where in the script a problem lies: an action by index, or nothing for the
// top level.
using Place = std::optional<std::size_t>;

[[noreturn]] void Fail(Place place, const std::string& message) {
    if (!place) {
        throw StatsScriptError(message);
    }
    throw StatsScriptError("action " + std::to_string(*place) + ": " + message);
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
        Fail(place, what + " must be an integer, not " + Excerpt(value));
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
        Fail(place, action + " needs \"" + name + "\" in " + Excerpt(object));
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
        Fail(place, "unknown " + what + " " + Excerpt(value));
    }
    if (value.is_string()) {
        const std::string name = Cp1251FromUtf8(value.get<std::string>());
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i].Name == name) {
                return static_cast<int>(i + 1);
            }
        }
        Fail(place, "unknown " + what + " " + Excerpt(value));
    }
    Fail(place, what + " must be a name or a whole number, not " + Excerpt(value));
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
        Fail(place, "an action is an object with one key, not " + Excerpt(action));
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
            Fail(place, "text must be a string, not " + Excerpt(text));
        }
        return {GestureKind::ParamText, editor, 0, Cp1251FromUtf8(text.get<std::string>())};
    }
    if (name == "paramArrow") {
        const int editor = number(member("editor"), "editor");
        const json& dir = member("dir");
        if (dir != "left" && dir != "right") {
            Fail(place, "dir must be \"left\" or \"right\", not " + Excerpt(dir));
        }
        return {GestureKind::ParamArrow, editor, dir == "right" ? 1 : 0, {}};
    }
    Fail(place, "unknown action " + Excerpt(json(name)));
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

json HeroStatsJson(const HeroStats& s) {
    return json{
        {"IsRanged", s.IsRanged},
        {"StrengthBase", s.StrengthBase},
        {"AgilityBase", s.AgilityBase},
        {"IntelligenceBase", s.IntelligenceBase},
        {"StrengthBonus", s.StrengthBonus},
        {"AgilityBonus", s.AgilityBonus},
        {"IntelligenceBonus", s.IntelligenceBonus},
        {"StrengthTotal", s.StrengthTotal},
        {"AgilityTotal", s.AgilityTotal},
        {"IntelligenceTotal", s.IntelligenceTotal},
        {"StrengthGainShown", s.StrengthGainShown},
        {"AgilityGainShown", s.AgilityGainShown},
        {"IntelligenceGainShown", s.IntelligenceGainShown},
        {"HitPoints", s.HitPoints},
        {"Mana", s.Mana},
        {"HpRegen", s.HpRegen},
        {"ManaRegen", s.ManaRegen},
        {"DamageLow", s.DamageLow},
        {"DamageHigh", s.DamageHigh},
        {"DamageBonus", s.DamageBonus},
        {"MagicDamage", s.MagicDamage},
        {"ArmorBase", s.ArmorBase},
        {"ArmorBonus", s.ArmorBonus},
        {"ArmorTotal", s.ArmorTotal},
        {"AttackSpeed", s.AttackSpeed},
        {"AttackCooldown", s.AttackCooldown},
        {"AttackRange", s.AttackRange},
        {"PhysicalReduction", s.PhysicalReduction},
        {"BaseMagicalReduction", s.BaseMagicalReduction},
        {"MagicalReduction", s.MagicalReduction},
        {"Evasion", s.Evasion},
        {"TriggeredEvasion", s.TriggeredEvasion},
        {"Miss", s.Miss},
        {"Dodge", s.Dodge},
        {"BashChance", s.BashChance},
        {"CritChance", s.CritChance},
        {"LifeSteal", s.LifeSteal},
        {"PhysicalEhp", s.PhysicalEhp},
        {"MagicalEhp", s.MagicalEhp},
        {"BaseDps", s.BaseDps},
        {"MagicBaseDps", s.MagicBaseDps},
        {"BashDps", s.BashDps},
        {"CritDps", s.CritDps},
        {"PhysicalDps", s.PhysicalDps},
        {"MagicalDps", s.MagicalDps},
        {"MoveSpeed", s.MoveSpeed},
        {"RespawnTime", s.RespawnTime},
        {"GoldLoss", s.GoldLoss},
        {"TotalPrice", s.TotalPrice},
        {"OrbShown", s.OrbShown},
        {"OrbPicture1", s.OrbPicture1},
        {"OrbPicture2", s.OrbPicture2},
    };
}

json OptionalText(const std::optional<std::string>& text) {
    return text ? Utf8(*text) : json(nullptr);
}

json LabelsJson(const Calculator& calc, char separator) {
    const HeroBlockLabels labels = FormatHeroBlock(calc.Stats(), separator);
    return json{
        {"Label2", Utf8(calc.LevelCaption())},     {"Label3", Utf8(calc.HeroName())},
        {"Label7", Utf8(labels.Label7)},           {"Label9", Utf8(labels.Label9)},
        {"Label11", Utf8(labels.Label11)},         {"Label13", Utf8(labels.Label13)},
        {"Label15", Utf8(labels.Label15)},         {"Label16", Utf8(labels.Label16)},
        {"Label17", Utf8(labels.Label17)},         {"Label23", OptionalText(labels.Label23)},
        {"Label24", OptionalText(labels.Label24)}, {"Label25", OptionalText(labels.Label25)},
        {"Label26", OptionalText(labels.Label26)}, {"Label27", OptionalText(labels.Label27)},
    };
}

json BuildJson(const Calculator& calc, char separator) {
    const BuildState& state = calc.State();
    json result;
    result["HeroStats"] = HeroStatsJson(calc.Stats());

    json grid = json::array();
    for (const auto& row : FormatStatsGrid(calc.Stats(), separator)) {
        json cells = json::array();
        for (const std::string& cell : row) {
            cells.push_back(Utf8(cell));
        }
        grid.push_back(cells);
    }
    result["Grid"] = grid;
    result["Labels"] = LabelsJson(calc, separator);

    json lines = json::array();
    for (const std::string& line : calc.BuildOrderLines()) {
        lines.push_back(Utf8(line));
    }
    result["BuildOrder"] = lines;
    result["BuildOrderCodes"] = state.BuildOrder;
    result["HeroLevel"] = state.HeroLevel;
    result["SkillPicks"] = state.SkillPicks;
    json canLevel = json::array();
    for (int a = 1; a <= 5; ++a) {
        canLevel.push_back(calc.CanLevel(a));
    }
    result["CanLevel"] = canLevel;
    result["AbilityActive"] = state.AbilityActive;
    result["SlotActive"] = state.SlotActive;

    json slots = json::array();
    for (const ItemSlot& slot : state.ItemSlots) {
        slots.push_back({{"IconIndex", slot.IconIndex}, {"ItemNumber", slot.ItemNumber}});
    }
    result["ItemSlots"] = slots;
    json links = json::array();
    for (const AbilityItemLink& link : state.AbilityItemLinks) {
        links.push_back({{"Linked", link.Linked},
                         {"LinkedItem", link.LinkedItem},
                         {"AbilityPrevails", link.AbilityPrevails}});
    }
    result["AbilityItemLinks"] = links;
    json auras = json::array();
    for (int n = 0; n < kAuraSlotCount; ++n) {
        const TCurAura& slot = state.AuraSlots[n];
        auras.push_back({{"AuraNumber", slot.AuraNumber},
                         {"Sources", slot.Sources},
                         {"Hint", Utf8(state.AuraHints[n])}});
    }
    result["AuraSlots"] = auras;
    json params = json::array();
    for (const AbilityParamRow& row : state.AbilityParams) {
        json entries = json::array();
        for (const AbilityParam& param : row) {
            entries.push_back({{"Used", param.Used},
                               {"Kind", param.Kind},
                               {"Value", param.Value},
                               {"Min", param.Min},
                               {"Max", param.Max}});
        }
        params.push_back(entries);
    }
    result["AbilityParams"] = params;
    result["ParamAbility"] = state.ParamAbility;
    json editors = json::array();
    for (int n = 1; n <= 3; ++n) {
        const EditorView& editor = calc.Editor(n);
        editors.push_back({{"Label", Utf8(editor.Label)},
                           {"Text", Utf8(editor.Text)},
                           {"Enabled", editor.Enabled}});
    }
    result["Editors"] = editors;
    result["OrbPicture"] = {calc.Stats().OrbPicture1, calc.Stats().OrbPicture2};
    return result;
}

} // namespace

json ParseStatsScript(const std::string& text) {
    // The parser itself keeps its own stack, but copying and printing the
    // value recurse, so depth is refused while reading.
    const json::parser_callback_t limitDepth = [](int depth, json::parse_event_t event, json&) {
        if ((event == json::parse_event_t::object_start ||
             event == json::parse_event_t::array_start) &&
            depth >= kMaxScriptDepth) {
            throw StatsScriptError("nested deeper than " + std::to_string(kMaxScriptDepth) +
                                   " levels");
        }
        return true;
    };
    try {
        return json::parse(text, limitDepth);
    } catch (const json::parse_error& error) {
        throw StatsScriptError("not valid JSON: " + LibraryReason(error));
    } catch (const json::exception& error) {
        throw StatsScriptError(LibraryReason(error));
    }
}

BuildRecipe RecipeFromScript(const Catalogue& catalogue, const json& script) {
    if (!script.is_object() || !script.contains("hero")) {
        throw StatsScriptError("the script is an object with \"hero\" and \"actions\", not " +
                               Excerpt(script));
    }
    const json actions = script.value("actions", json::array());
    if (!actions.is_array()) {
        throw StatsScriptError("\"actions\" must be an array, not " + Excerpt(actions));
    }
    BuildRecipe recipe;
    recipe.Hero = NameOf(catalogue.Heroes, script.at("hero"), std::nullopt, "hero");
    for (std::size_t index = 0; index < actions.size(); ++index) {
        recipe.Gestures.push_back(GestureOf(catalogue, actions[index], index));
    }
    return recipe;
}

json RunRecipe(const Catalogue& catalogue, const BuildRecipe& recipe, char decimalSeparator) {
    if (const std::optional<std::string> missing = MissingName(catalogue, recipe)) {
        throw StatsScriptError("the catalogue has no " + Utf8FromCp1251(*missing));
    }
    Calculator calc(catalogue);
    ApplyGesture(calc, Gesture{GestureKind::ChooseHero, 0, 0, recipe.Hero});
    json refused = json::array();
    for (std::size_t index = 0; index < recipe.Gestures.size(); ++index) {
        if (!ApplyGesture(calc, recipe.Gestures[index])) {
            refused.push_back(index);
        }
    }
    json result = BuildJson(calc, decimalSeparator);
    result["refused"] = refused;
    return result;
}

json RunStatsScript(const Catalogue& catalogue, const json& script, char decimalSeparator) {
    return RunRecipe(catalogue, RecipeFromScript(catalogue, script), decimalSeparator);
}

} // namespace zephyr::cli
