#include "stats_script.h"

#include "engine/calculator.h"
#include "engine/stat_format.h"

#include "data/cp1251.h"

#include <limits>
#include <string>

namespace zephyr::cli {
namespace {

using nlohmann::json;

json Utf8(const std::string& cp1251) {
    return Utf8FromCp1251(cp1251);
}

[[noreturn]] void Fail(std::size_t index, const std::string& message) {
    throw StatsScriptError("action " + std::to_string(index) + ": " + message);
}

int IntegerOf(const json& value, std::size_t index, const std::string& what) {
    if (!value.is_number_integer()) {
        Fail(index, what + " must be an integer");
    }
    const auto number = value.get<long long>();
    // Far-out numbers are just refused gestures, like any other bad slot.
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(number);
}

const json& Member(const json& object, const char* name, std::size_t index,
                   const std::string& action) {
    if (!object.is_object() || !object.contains(name)) {
        Fail(index, action + " needs \"" + name + "\"");
    }
    return object.at(name);
}

// A hero or item by its 1-based number or by its name (UTF-8 in the script).
template <class Record>
int Resolve(const std::vector<Record>& table, const json& value, const std::string& what) {
    if (value.is_number_integer()) {
        const auto number = value.get<long long>();
        if (number >= 1 && number <= static_cast<long long>(table.size())) {
            return static_cast<int>(number);
        }
        throw StatsScriptError("unknown " + what + " " + value.dump());
    }
    if (value.is_string()) {
        const std::string name = Cp1251FromUtf8(value.get<std::string>());
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i].Name == name) {
                return static_cast<int>(i + 1);
            }
        }
        throw StatsScriptError("unknown " + what + " " + value.dump());
    }
    throw StatsScriptError(what + " must be a name or a number, not " + value.dump());
}

bool RunAction(Calculator& calc, const json& action, std::size_t index) {
    if (!action.is_object() || action.size() != 1) {
        Fail(index, "an action is an object with one key");
    }
    const std::string& name = action.begin().key();
    const json& value = action.begin().value();
    const Catalogue& catalogue = calc.Catalog();
    if (name == "levelUp") {
        return calc.LevelUp(IntegerOf(value, index, name));
    }
    if (name == "levelDown") {
        return calc.LevelDown();
    }
    if (name == "reset") {
        return calc.ShowHero();
    }
    if (name == "chooseHero") {
        return calc.ChooseHero(Resolve(catalogue.Heroes, value, "hero"));
    }
    if (name == "place") {
        const int slot = IntegerOf(Member(value, "slot", index, name), index, "slot");
        const int item = Resolve(catalogue.Items, Member(value, "item", index, name), "item");
        return calc.PlaceItem(slot, item);
    }
    if (name == "remove") {
        return calc.RemoveItem(IntegerOf(value, index, name));
    }
    if (name == "moveLine") {
        return calc.MoveBuildOrderLine(IntegerOf(Member(value, "from", index, name), index, "from"),
                                       IntegerOf(Member(value, "to", index, name), index, "to"));
    }
    if (name == "toggleAbility") {
        return calc.ToggleAbility(IntegerOf(value, index, name));
    }
    if (name == "openParams") {
        return calc.ConfigureAbility(IntegerOf(value, index, name));
    }
    if (name == "toggleSlot") {
        return calc.ToggleSlot(IntegerOf(value, index, name));
    }
    if (name == "paramText") {
        const int editor = IntegerOf(Member(value, "editor", index, name), index, "editor");
        const json& text = Member(value, "text", index, name);
        if (!text.is_string()) {
            Fail(index, "text must be a string");
        }
        return calc.TypeIntoEditor(editor, Cp1251FromUtf8(text.get<std::string>()));
    }
    if (name == "paramArrow") {
        const int editor = IntegerOf(Member(value, "editor", index, name), index, "editor");
        const json& dir = Member(value, "dir", index, name);
        if (dir != "left" && dir != "right") {
            Fail(index, "dir must be \"left\" or \"right\"");
        }
        return calc.EditorArrow(editor, dir == "right");
    }
    Fail(index, "unknown action \"" + name + "\"");
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

json RunStatsScript(const Catalogue& catalogue, const json& script, char decimalSeparator) {
    if (!script.is_object() || !script.contains("hero")) {
        throw StatsScriptError("the script is an object with \"hero\" and \"actions\"");
    }
    const json actions = script.value("actions", json::array());
    if (!actions.is_array()) {
        throw StatsScriptError("\"actions\" must be an array");
    }
    Calculator calc(catalogue);
    calc.ChooseHero(Resolve(catalogue.Heroes, script.at("hero"), "hero"));
    json refused = json::array();
    for (std::size_t index = 0; index < actions.size(); ++index) {
        if (!RunAction(calc, actions[index], index)) {
            refused.push_back(index);
        }
    }
    json result = BuildJson(calc, decimalSeparator);
    result["refused"] = refused;
    return result;
}

} // namespace zephyr::cli
