#pragma once

#include "data/catalogue.h"
#include "data/effect_code.h"
#include "data/hero_figures.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace zephyr::test {

inline TEffectToken Lit(double value) {
    return TEffectToken{false, static_cast<std::int32_t>(std::llround(value * 100))};
}
// A code token by its stored number: also for codes that are no effect.
inline TEffectToken Code(std::int32_t code) {
    return TEffectToken{true, code};
}
inline TEffectToken Code(EffectCode code) {
    return Code(CodeValue(code));
}
inline TEffectToken Code(FormulaVariable variable) {
    return Code(CodeValue(variable));
}
inline TEffectToken Separator() {
    return Code(kSeparatorToken);
}
inline TEffectToken End() {
    return Code(kEndToken);
}
inline TEffectToken Plus() {
    return Code(CodeValue(FormulaOperator::Plus));
}
inline TEffectToken Minus() {
    return Code(CodeValue(FormulaOperator::Minus));
}
inline TEffectToken Times() {
    return Code(CodeValue(FormulaOperator::Times));
}
inline TEffectToken Divide() {
    return Code(CodeValue(FormulaOperator::Divide));
}
inline TEffectToken Var(FormulaVariable variable) {
    return Code(variable);
}

// An item-list effect: code, opening token, the literal arguments with
// separators, end token (2n + 2 tokens). The opening token is a separator, as
// old catalogues store it: the interpreters never read it.
inline TEffectList ItemEffect(EffectCode code, std::initializer_list<double> args) {
    TEffectList list{Code(code), Separator()};
    bool first = true;
    for (double arg : args) {
        if (!first) {
            list.push_back(Separator());
        }
        list.push_back(Lit(arg));
        first = false;
    }
    list.push_back(End());
    return list;
}

// A level-program effect whose arguments are formulas (token runs).
inline TEffectList LevelEffect(EffectCode code, std::initializer_list<TEffectList> args) {
    TEffectList list{Code(code), Separator()};
    bool first = true;
    for (const TEffectList& arg : args) {
        if (!first) {
            list.push_back(Separator());
        }
        list.insert(list.end(), arg.begin(), arg.end());
        first = false;
    }
    list.push_back(End());
    return list;
}

inline TEffectList Join(std::initializer_list<TEffectList> parts) {
    TEffectList list;
    for (const TEffectList& part : parts) {
        list.insert(list.end(), part.begin(), part.end());
    }
    return list;
}

struct CatalogueBuilder {
    zephyr::Catalogue Catalogue;

    int AddHero(THero hero) {
        Catalogue.Heroes.push_back(std::move(hero));
        return static_cast<int>(Catalogue.Heroes.size());
    }
    THero& Hero(int number) { return Catalogue.Heroes[number - 1]; }

    int AddItem(TItem item) {
        Catalogue.Items.push_back(std::move(item));
        const int number = static_cast<int>(Catalogue.Items.size());
        if (Catalogue.ItemMenu.empty()) {
            Catalogue.ItemMenu.push_back(ShopMenuEntry{"Shop", 0, {}});
        }
        Catalogue.ItemMenu.back().Entries.push_back(ItemMenuEntry{
            Catalogue.Items.back().Name, Catalogue.Items.back().ImageIndex, number, {}});
        return number;
    }
    int AddItem(std::string name, std::uint16_t cost = 100, TEffectList stacking = {},
                TEffectList unique = {}) {
        TItem item;
        item.Name = std::move(name);
        item.Cost = cost;
        item.ImageIndex = static_cast<std::int32_t>(Catalogue.Items.size()) + 10;
        item.StackingEffects = std::move(stacking);
        item.UniqueEffects = std::move(unique);
        return AddItem(std::move(item));
    }
    TItem& Item(int number) { return Catalogue.Items[number - 1]; }

    int AddAura(std::string name, std::int32_t group) {
        TAura aura;
        aura.Name = std::move(name);
        aura.V0 = group;
        Catalogue.Auras.push_back(aura);
        return static_cast<int>(Catalogue.Auras.size());
    }
    TAura& Aura(int number) { return Catalogue.Auras[number - 1]; }

    int AddCategory(std::string name) {
        Catalogue.OrbCategories.push_back(std::move(name));
        return static_cast<int>(Catalogue.OrbCategories.size());
    }
    int AddItemOrb(std::uint8_t category, std::int32_t chance, std::int32_t damage,
                   std::int32_t lifeSteal) {
        Catalogue.ItemOrbs.push_back(TOrb{"Orb", category, chance, damage, lifeSteal});
        return static_cast<int>(Catalogue.ItemOrbs.size());
    }
    int AddAbilityOrb(std::string name) {
        Catalogue.AbilityOrbs.push_back(std::move(name));
        return static_cast<int>(Catalogue.AbilityOrbs.size());
    }
};

} // namespace zephyr::test
