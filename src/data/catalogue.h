#pragma once

#include "aura.h"
#include "hero.h"
#include "image_list.h"
#include "item.h"
#include "menu_tree.h"
#include "orb.h"
#include "slang.h"

#include <string>
#include <vector>

namespace zephyr {

// Every table read from the binary catalogues, in file order, with the menu
// trees and icon lists built from them. Built once at start-up and read-only
// afterwards. Catalogue numbers are 1-based (position + 1); the dictionary is
// addressed by 0-based position.
struct Catalogue {
    std::vector<THero> Heroes;
    std::vector<TItem> Items;
    std::vector<TAura> Auras;
    std::vector<std::string> OrbCategories;
    std::vector<std::string> AbilityOrbs;
    std::vector<TOrb> ItemOrbs;
    std::vector<TOrbPair> MeleeOrbTable;
    std::vector<TOrbPair> RangedOrbTable;
    std::vector<TOrbPair> AbilityOrbTable;
    std::vector<TSlang> SlangWords;

    std::vector<TavernMenuEntry> HeroMenu;
    std::vector<ShopMenuEntry> ItemMenu;

    ImageList Heroes64{64, 64, {}};
    ImageList Heroes32{32, 32, {}};
    ImageList Shops{36, 36, {}};
    ImageList Aurs15{15, 15, {}};
    ImageList Orbs30{30, 30, {}};

    // Number-based look-ups; nullptr when the number is out of range.
    const THero* Hero(int number) const { return At(Heroes, number); }
    const TItem* Item(int number) const { return At(Items, number); }
    const TAura* Aura(int number) const { return At(Auras, number); }
    const TOrb* ItemOrb(int number) const { return At(ItemOrbs, number); }

private:
    template <class T> static const T* At(const std::vector<T>& table, int number) {
        return number >= 1 && number <= static_cast<int>(table.size()) ? &table[number - 1]
                                                                       : nullptr;
    }
};

} // namespace zephyr
