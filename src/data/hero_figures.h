#pragma once

#include "hero.h"

#include <string>

namespace zephyr {

// The figures of a hero that test fixtures, benchmarks and generated packs
// vary, with the round numbers of a plain melee strength hero as defaults:
// MakeHero("Archer", {.Ranged = true, .AttackRange = 600}).
struct HeroFigures {
    bool Ranged = false;
    std::uint8_t PrimaryAttribute = 1;
    std::uint16_t Strength = 20;
    std::uint16_t Agility = 15;
    std::uint16_t Intelligence = 10;
    double StrengthGain = 2;
    double AgilityGain = 1.5;
    double IntelligenceGain = 1;
    std::uint16_t DamageMin = 30;
    std::uint16_t DamageMax = 40;
    double Armor = 1;
    double HpRegen = 0.5;
    double ManaRegen = 0.25;
    double AttackTime = 1.7;
    std::uint16_t MoveSpeed = 300;
    std::uint16_t AttackRange = 128;
};

// A hero with these figures and four abilities named "<name> ability 1..4"
// that have no data yet.
inline THero MakeHero(std::string name, const HeroFigures& figures = {}) {
    THero hero;
    hero.Name = std::move(name);
    hero.Ranged = figures.Ranged;
    hero.PrimaryAttribute = figures.PrimaryAttribute;
    hero.BaseStrength = figures.Strength;
    hero.BaseAgility = figures.Agility;
    hero.BaseIntelligence = figures.Intelligence;
    hero.StrengthGain = figures.StrengthGain;
    hero.AgilityGain = figures.AgilityGain;
    hero.IntelligenceGain = figures.IntelligenceGain;
    hero.DamageMin = figures.DamageMin;
    hero.DamageMax = figures.DamageMax;
    hero.BaseArmor = figures.Armor;
    hero.BaseHpRegen = figures.HpRegen;
    hero.BaseManaRegen = figures.ManaRegen;
    hero.BaseAttackTime = figures.AttackTime;
    hero.MoveSpeed = figures.MoveSpeed;
    hero.AttackRange = figures.AttackRange;
    for (int m = 0; m < 4; ++m) {
        hero.Abilities[m].Name = hero.Name + " ability " + std::to_string(m + 1);
    }
    return hero;
}

} // namespace zephyr
