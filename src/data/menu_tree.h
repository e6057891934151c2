#pragma once

#include <string>
#include <vector>

namespace zephyr {

// Hero picker: taverns, each with its heroes.
struct HeroMenuEntry {
    std::string Caption; // the hero's name
    int HeroNumber = 0;  // 1-based
    int IconIndex = 0;   // index in Heroes32
};

struct TavernMenuEntry {
    std::string Caption;
    std::vector<HeroMenuEntry> Heroes;
};

// Item picker: shops, each with items or groups of variants. A group entry has
// ItemNumber 0 and its variants in Variants; an item or variant has no Variants.
struct ItemMenuEntry {
    std::string Caption; // full caption (not cut to 50 bytes)
    int IconIndex = 0;   // index in Shops
    int ItemNumber = 0;  // 1-based; 0 for a group
    std::vector<ItemMenuEntry> Variants;

    bool IsGroup() const { return ItemNumber == 0; }
};

struct ShopMenuEntry {
    std::string Caption;
    int IconIndex = 0;
    std::vector<ItemMenuEntry> Entries;
};

} // namespace zephyr
