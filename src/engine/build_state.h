#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zephyr {

inline constexpr int kMaxHeroLevel = 25;
inline constexpr int kSlotCount = 6;
inline constexpr int kAbilityCount = 4;
inline constexpr int kAuraSlotCount = 10;
inline constexpr int kParamsPerAbility = 5;
inline constexpr int kBuildOrderLength = 31;
// SkillPicks and BuildOrder code of an attribute-bonus level.
inline constexpr std::uint8_t kAttributeBonus = 5;
// BuildOrder code of the item in slot s is s + kSlotCodeOffset.
inline constexpr int kSlotCodeOffset = 5;

struct ItemSlot {
    std::int32_t IconIndex = 0;  // icon in the Shops list
    std::int32_t ItemNumber = 0; // 1-based into Items, 0 = empty

    friend bool operator==(const ItemSlot&, const ItemSlot&) = default;
};

struct AbilityItemLink {
    bool Linked = false;
    std::int32_t LinkedItem = 0;
    bool AbilityPrevails = false;

    friend bool operator==(const AbilityItemLink&, const AbilityItemLink&) = default;
};

// One aura slot: the aura in force and every source that supplies an aura of
// the slot's group. AuraNumber is the largest source, 0 when there is none.
struct TCurAura {
    std::int32_t AuraNumber = 0;
    std::vector<std::uint8_t> Sources;

    friend bool operator==(const TCurAura&, const TCurAura&) = default;
};

struct AbilityParam {
    bool Used = false;
    std::uint8_t Kind = 0; // 0 number in a range, 1 yes/no
    std::int32_t Value = 0;
    std::int32_t Min = 0;
    std::int32_t Max = 0;

    friend bool operator==(const AbilityParam&, const AbilityParam&) = default;
};

using AbilityParamRow = std::array<AbilityParam, kParamsPerAbility>;

// The one build the calculator works on. Arrays are 0-based: ability m,
// slot s and hero level k live at index m - 1, s - 1 and k - 1.
struct BuildState {
    std::int32_t CurrentHero = 0; // 1-based, 0 = none chosen
    std::int32_t HeroLevel = -1;  // -1 until the first reset, then 0 to 25
    std::array<std::uint8_t, kMaxHeroLevel> SkillPicks{};
    std::array<ItemSlot, kSlotCount> ItemSlots{};
    std::array<bool, kSlotCount> SlotActive{};
    std::array<std::uint8_t, kBuildOrderLength> BuildOrder{};
    std::int32_t BuildOrderCount = 0;
    std::array<bool, kAbilityCount> AbilityActive{};
    std::array<AbilityItemLink, kAbilityCount> AbilityItemLinks{};
    std::array<TCurAura, kAuraSlotCount> AuraSlots{};
    // Hint texts of the ten aura pictures (Windows-1251), kept by the aura rules.
    std::array<std::string, kAuraSlotCount> AuraHints{};
    std::array<AbilityParamRow, kAbilityCount> AbilityParams{};
    std::int32_t ParamAbility = 0; // ability whose parameters the editors show

    friend bool operator==(const BuildState&, const BuildState&) = default;
};

// Number of SkillPicks entries equal to k: the level of ability k (1 to 4), or
// the attribute-bonus levels taken (5).
std::uint8_t AbilityLevel(const BuildState& state, int k);

// row -1 clears all twenty records, 0 to 3 the five of ability row + 1. Kind
// is kept.
void ResetParams(BuildState& state, int row);

} // namespace zephyr
