#pragma once

#include <cstdint>
#include <vector>

namespace zephyr {

// The quantities a statistics pass adds its sources into, before the
// formulas turn them into figures.
enum class Quantity : std::uint8_t {
    AttackType, // 1 ranged, 0 melee
    Strength,
    Agility,
    Intelligence,
    HitPoints,
    Mana,
    Damage, // the average hit
    DamagePercent,
    Armor,
    AttackSpeed,
    AttackTime, // the base attack time before attack speed
    MoveSpeed,  // before the percentage and the cap
    MoveSpeedPercent,
    AttackRange,
    LifeSteal,
    PhysicalEhpBonus,
    MagicalEhpBonus,
    Shield,
    PhysicalDpsFlat,
    MagicalDpsFlat,
    PhysicalDps, // the parts of the attack: plain hits, crits, bashes, procs, orb
    MagicalDps,
    ItemMagicResist,
    AbilityMagicResist,
    Evasion,
    Miss,
    TriggeredEvasion,
    BashChance, // the chance that some bash lands, 0 to 1
    CritChance,
    TotalPrice,
};
inline constexpr int kQuantityCount = static_cast<int>(Quantity::TotalPrice) + 1;

// Who moved a quantity.
enum class SourceKind : std::uint8_t {
    HeroBase,         // the hero at the current level
    Aura,             // Number: aura slot 1 to 10
    Item,             // Number: slot 1 to 6
    AttributeLevels,  // the attribute-bonus levels taken
    Ability,          // Number: ability 1 to 4, its current level program
    Attributes,       // derived from the attribute totals
    Constant,         // a fixed base of every hero
    PrimaryAttribute, // the primary attribute's share of the damage
    DamagePercent,    // the damage percentage applied to the hit
    Orbs,             // the orbs in force
    PlainHits,        // the parts of the damage per second
    Crits,
    Bashes,
    Procs,
    OrbProc,
};

// One source's move of one quantity: from Before to After.
struct Contribution {
    Quantity What = Quantity::Strength;
    SourceKind Kind = SourceKind::HeroBase;
    int Number = 0;
    double Before = 0;
    double After = 0;

    double Amount() const { return After - Before; }
};

// Where a pass's figures came from. A pass given one fills it; a pass
// without one records nothing and costs nothing extra.
struct StatRecord {
    std::vector<Contribution> Contributions;

    std::vector<Contribution> Of(Quantity what) const {
        std::vector<Contribution> found;
        for (const Contribution& c : Contributions) {
            if (c.What == what) {
                found.push_back(c);
            }
        }
        return found;
    }
};

} // namespace zephyr
