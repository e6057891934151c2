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

json RunRecipe(const Catalogue& catalogue, const BuildRecipe& recipe, char decimalSeparator) {
    if (const std::optional<std::string> missing = MissingName(catalogue, recipe)) {
        throw BuildScriptError("the catalogue has no " + Utf8FromCp1251(*missing));
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
