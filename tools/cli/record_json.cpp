#include "record_json.h"

#include "effect_syntax.h"

#include "data/cp1251.h"

namespace zephyr::cli {
namespace {

using nlohmann::json;

template <class Range> json Texts(const Range& texts) {
    json out = json::array();
    for (const auto& text : texts) {
        out.push_back(Text(text));
    }
    return out;
}

json ProgramJson(const TEffectList& program, pack::ProgramKind kind, EffectStyle style) {
    if (style == EffectStyle::Tokens) {
        return TokensJson(program);
    }
    return pack::DisassembleProgram(program, kind);
}

json AbilityJson(const TAbility& a, EffectStyle style) {
    json levels = json::array();
    for (const TEffectList& list : a.LevelEffects) {
        levels.push_back(ProgramJson(list, pack::ProgramKind::Level, style));
    }
    return {{"Name", Text(a.Name)},
            {"ImagePath", Text(a.ImagePath)},
            {"HasData", a.HasData},
            {"NeedsActive", a.NeedsActive},
            {"AttackTypeChange", a.AttackTypeChange},
            {"LearnAura", a.LearnAura},
            {"ActiveAura", a.ActiveAura},
            {"LinkItem", a.LinkItem},
            {"ParamCaptions", Texts(a.ParamCaptions)},
            {"OrbCode", a.OrbCode},
            {"LevelOrbCodes", a.LevelOrbCodes},
            {"LevelEffects", levels}};
}

json HeroJson(const THero& h, EffectStyle style) {
    json abilities = json::array();
    for (const TAbility& ability : h.Abilities) {
        abilities.push_back(AbilityJson(ability, style));
    }
    return {{"Name", Text(h.Name)},
            {"Ranged", h.Ranged},
            {"BaseStrength", h.BaseStrength},
            {"BaseAgility", h.BaseAgility},
            {"BaseIntelligence", h.BaseIntelligence},
            {"PrimaryAttribute", h.PrimaryAttribute},
            {"StrengthGain", h.StrengthGain},
            {"AgilityGain", h.AgilityGain},
            {"IntelligenceGain", h.IntelligenceGain},
            {"DamageMin", h.DamageMin},
            {"DamageMax", h.DamageMax},
            {"BaseArmor", h.BaseArmor},
            {"BaseHpRegen", h.BaseHpRegen},
            {"BaseManaRegen", h.BaseManaRegen},
            {"BaseAttackTime", h.BaseAttackTime},
            {"MoveSpeed", h.MoveSpeed},
            {"AttackRange", h.AttackRange},
            {"Abilities", abilities}};
}

json ItemJson(const TItem& i, EffectStyle style) {
    return {{"Name", Text(i.Name)},
            {"ImageIndex", i.ImageIndex},
            {"Cost", i.Cost},
            {"OrbCode", i.OrbCode},
            {"OnePerHero", i.OnePerHero},
            {"PassiveAuras", i.PassiveAuras},
            {"StackingEffects", ProgramJson(i.StackingEffects, pack::ProgramKind::Item, style)},
            {"Activatable", i.Activatable},
            {"ActiveAuras", i.ActiveAuras},
            {"UniqueEffects", ProgramJson(i.UniqueEffects, pack::ProgramKind::Item, style)}};
}

json PairsJson(const std::vector<TOrbPair>& pairs) {
    json out = json::array();
    for (const TOrbPair& p : pairs) {
        out.push_back({p.First, p.Second, p.Result});
    }
    return out;
}

} // namespace

json Text(std::string_view cp1251) {
    return Utf8FromCp1251(cp1251);
}

json TokensJson(const TEffectList& tokens) {
    json out = json::array();
    for (const TEffectToken& token : tokens) {
        out.push_back({token.IsCode, token.Value});
    }
    return out;
}

json HeroesJson(const Catalogue& catalogue, EffectStyle style) {
    json taverns = json::array();
    for (const TavernMenuEntry& tavern : catalogue.HeroMenu) {
        json numbers = json::array();
        for (const HeroMenuEntry& hero : tavern.Heroes) {
            numbers.push_back(hero.HeroNumber);
        }
        taverns.push_back({{"name", Text(tavern.Caption)}, {"heroes", numbers}});
    }
    json heroes = json::array();
    for (const THero& hero : catalogue.Heroes) {
        heroes.push_back(HeroJson(hero, style));
    }
    return {{"taverns", taverns}, {"heroes", heroes}};
}

json ItemsJson(const Catalogue& catalogue, EffectStyle style) {
    json shops = json::array();
    for (const ShopMenuEntry& shop : catalogue.ItemMenu) {
        json entries = json::array();
        for (const ItemMenuEntry& entry : shop.Entries) {
            if (!entry.IsGroup()) {
                entries.push_back({{"item", entry.ItemNumber}});
                continue;
            }
            json numbers = json::array();
            for (const ItemMenuEntry& variant : entry.Variants) {
                numbers.push_back(variant.ItemNumber);
            }
            entries.push_back({{"group", Text(entry.Caption)}, {"items", numbers}});
        }
        shops.push_back({{"name", Text(shop.Caption)}, {"entries", entries}});
    }
    json items = json::array();
    for (const TItem& item : catalogue.Items) {
        items.push_back(ItemJson(item, style));
    }
    return {{"shops", shops}, {"items", items}};
}

json AurasJson(const Catalogue& catalogue) {
    json auras = json::array();
    for (const TAura& a : catalogue.Auras) {
        auras.push_back({{"Name", Text(a.Name)},
                         {"V0", a.V0},
                         {"V1", a.V1},
                         {"V2", a.V2},
                         {"V3", a.V3},
                         {"V4", a.V4},
                         {"V5", a.V5},
                         {"V6", a.V6},
                         {"V7", a.V7},
                         {"V8", a.V8},
                         {"V9", a.V9},
                         {"V10", a.V10}});
    }
    return {{"auras", auras}};
}

json OrbsJson(const Catalogue& catalogue) {
    json itemOrbs = json::array();
    for (const TOrb& orb : catalogue.ItemOrbs) {
        itemOrbs.push_back({{"Name", Text(orb.Name)},
                            {"Category", orb.Category},
                            {"ProcChance", orb.ProcChance},
                            {"ProcDamage", orb.ProcDamage},
                            {"LifeSteal", orb.LifeSteal}});
    }
    return {{"OrbCategories", Texts(catalogue.OrbCategories)},
            {"AbilityOrbs", Texts(catalogue.AbilityOrbs)},
            {"ItemOrbs", itemOrbs},
            {"MeleeOrbTable", PairsJson(catalogue.MeleeOrbTable)},
            {"RangedOrbTable", PairsJson(catalogue.RangedOrbTable)},
            {"AbilityOrbTable", PairsJson(catalogue.AbilityOrbTable)}};
}

json DictionaryJson(const Catalogue& catalogue) {
    json words = json::array();
    for (const TSlang& entry : catalogue.SlangWords) {
        json links = json::array();
        for (const TSlangLink& link : entry.Links) {
            links.push_back({{"Caption", Text(link.Caption)}, {"Target", Text(link.Target)}});
        }
        words.push_back({{"Category", entry.Category},
                         {"Terms", Texts(entry.Terms)},
                         {"Definition", Text(entry.Definition)},
                         {"Links", links}});
    }
    return {{"SlangWords", words}};
}

json AddressesJson(const DocumentAddresses& addresses) {
    json out = json::object();
    const auto& names = DocumentKeyNames();
    for (std::size_t k = 0; k < names.size(); ++k) {
        out[Utf8FromCp1251(names[k])] = Text(addresses.Values[k]);
    }
    out[std::string(kDefaultDocumentKey)] = Text(addresses.DefaultPage);
    out[Utf8FromCp1251(SiteKeyName())] = Text(addresses.Site);
    return out;
}

} // namespace zephyr::cli
