#include "stat_computation.h"

#include "effect_program.h"
#include "float_conversion.h"
#include "orb_rules.h"
#include "proc_rules.h"
#include "stat_constants.h"
#include "stat_recording.h"
#include "stat_run.h"

#include <algorithm>

namespace zephyr {
namespace {

// Level of ability m as an index into its per-level tables; a tampered build
// with more picks than the ability has levels uses the last one.
int AbilityLevelIndex(const BuildState& state, int ability) {
    return std::min<int>(AbilityLevel(state, ability), kMaxAbilityLevel);
}

bool AbilityCounts(const StatRun& run, int ability) {
    return !run.Hero.Abilities[ability - 1].NeedsActive || run.State.AbilityActive[ability - 1];
}

bool ValidAbilityOrb(const StatRun& run, int orb) {
    return orb >= 1 && orb <= static_cast<int>(run.Catalogue.AbilityOrbs.size());
}

void ApplyHeroBase(StatRun& run) {
    const THero& hero = run.Hero;
    HeroStats& s = run.Stats;
    const double levelsGained = run.Level - 1;
    s.IsRanged = hero.Ranged;
    s.StrengthBase = TruncToInt32(levelsGained * hero.StrengthGain + hero.BaseStrength);
    s.AgilityBase = TruncToInt32(levelsGained * hero.AgilityGain + hero.BaseAgility);
    s.IntelligenceBase = TruncToInt32(levelsGained * hero.IntelligenceGain + hero.BaseIntelligence);
    s.StrengthGainShown = hero.StrengthGain;
    s.AgilityGainShown = hero.AgilityGain;
    s.IntelligenceGainShown = hero.IntelligenceGain;
    run.HpRegenBase = hero.BaseHpRegen;
    run.ManaRegenBase = hero.BaseManaRegen;
    s.DamageLow = hero.DamageMin;
    s.DamageHigh = hero.DamageMax;
    s.ArmorBase = levelsGained * hero.AgilityGain / kAgilityPerArmor + hero.BaseArmor;
    s.AttackCooldown = hero.BaseAttackTime;
    s.MoveSpeed = hero.MoveSpeed;
    s.AttackRange = hero.AttackRange;
}

void ApplyAbilityOrbAndAttackType(StatRun& run, int m) {
    const int level = AbilityLevelIndex(run.State, m);
    if (level == 0) {
        return;
    }
    const TAbility& ability = run.Hero.Abilities[m - 1];
    if (ability.OrbCode != 0 && ValidAbilityOrb(run, ability.OrbCode)) {
        run.FirstOrb = ability.OrbCode;
        run.AbilityOrbFound = true;
    }
    if (!AbilityCounts(run, m)) {
        return;
    }
    if (ability.AttackTypeChange != 0) {
        run.Stats.IsRanged = ability.AttackTypeChange == 2;
    }
    const int levelOrb = ability.LevelOrbCodes[level - 1];
    if (levelOrb != 0 && ValidAbilityOrb(run, levelOrb)) {
        run.FirstOrb = levelOrb;
        run.AbilityOrbFound = true;
    }
}

void ApplyAbilityOrbsAndAttackType(StatRun& run) {
    for (int m = 1; m <= kAbilityCount; ++m) {
        AsSource(run, SourceKind::Ability, m, [&] { ApplyAbilityOrbAndAttackType(run, m); });
    }
}

void ApplyAura(StatRun& run, const TCurAura& slot) {
    HeroStats& s = run.Stats;
    const TAura* aura = slot.AuraNumber != 0 ? run.Catalogue.Aura(slot.AuraNumber) : nullptr;
    if (aura != nullptr) {
        AddSaturated(s.DamageBonus, s.IsRanged ? aura->V2 : aura->V1);
        AddSaturated(run.DamagePercent, s.IsRanged ? aura->V4 : aura->V3);
        s.ArmorBonus += aura->V5 / 100.0;
        run.HpRegenFlat += aura->V6;
        run.ManaRegenFlat += aura->V7 / 100.0;
        AddSaturated(s.AttackSpeed, aura->V8);
        AddSaturated(s.LifeSteal, s.IsRanged ? aura->V10 : aura->V9);
    }
}

void ApplyAuras(StatRun& run) {
    for (std::size_t a = 0; a < run.State.AuraSlots.size(); ++a) {
        AsSource(run, SourceKind::Aura, static_cast<int>(a + 1),
                 [&] { ApplyAura(run, run.State.AuraSlots[a]); });
    }
}

bool UniqueEffectsCount(const StatRun& run, int slot, const TItem& item) {
    const BuildState& state = run.State;
    const std::int32_t number = state.ItemSlots[slot - 1].ItemNumber;
    if (item.Activatable && !state.SlotActive[slot - 1]) {
        return false;
    }
    for (const AbilityItemLink& link : state.AbilityItemLinks) {
        if (link.Linked && link.AbilityPrevails && link.LinkedItem == number) {
            return false;
        }
    }
    for (int earlier = 1; earlier < slot; ++earlier) {
        if (state.ItemSlots[earlier - 1].ItemNumber == number) {
            return false;
        }
    }
    return true;
}

void ApplyItem(StatRun& run, int slot) {
    const TItem* item = run.Catalogue.Item(run.State.ItemSlots[slot - 1].ItemNumber);
    if (item == nullptr) {
        return;
    }
    AddSaturated(run.Stats.TotalPrice, item->Cost);
    if (item->OrbCode != 0 && run.Catalogue.ItemOrb(item->OrbCode) != nullptr) {
        if (run.FirstOrb == 0) {
            run.FirstOrb = item->OrbCode;
        } else if (run.SecondOrb == 0) {
            run.SecondOrb = item->OrbCode;
        }
    }
    RunEffectList(run, item->StackingEffects, slot, false);
    if (UniqueEffectsCount(run, slot, *item)) {
        RunEffectList(run, item->UniqueEffects, slot, true);
    }
}

void ApplyItems(StatRun& run) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        AsSource(run, SourceKind::Item, slot, [&] { ApplyItem(run, slot); });
    }
}

void ApplyAttributeLevels(StatRun& run) {
    const int bonus = kAttributesPerBonusLevel * AbilityLevel(run.State, kAttributeBonus);
    AddSaturated(run.Stats.StrengthBonus, bonus);
    AddSaturated(run.Stats.AgilityBonus, bonus);
    AddSaturated(run.Stats.IntelligenceBonus, bonus);
}

void ApplyAbility(StatRun& run, int m) {
    const int level = AbilityLevelIndex(run.State, m);
    if (level == 0 || !AbilityCounts(run, m)) {
        return;
    }
    const AbilityItemLink& link = run.State.AbilityItemLinks[m - 1];
    if (link.Linked && !link.AbilityPrevails) {
        return;
    }
    const TEffectList& program = run.Hero.Abilities[m - 1].LevelEffects[level - 1];
    if (!program.empty()) {
        RunLevelProgram(run, program, m);
    }
}

void ApplyAbilities(StatRun& run) {
    for (int m = 1; m <= kAbilityCount; ++m) {
        AsSource(run, SourceKind::Ability, m, [&] { ApplyAbility(run, m); });
    }
}

std::int32_t Total(std::int32_t base, std::int32_t bonus) {
    return SaturateToInt32(static_cast<std::int64_t>(base) + bonus);
}

void DeriveAttributesAndPools(StatRun& run) {
    HeroStats& s = run.Stats;
    s.StrengthTotal = Total(s.StrengthBase, s.StrengthBonus);
    s.AgilityTotal = Total(s.AgilityBase, s.AgilityBonus);
    s.IntelligenceTotal = Total(s.IntelligenceBase, s.IntelligenceBonus);
    const std::int32_t hitPointsBefore = s.HitPoints;
    const std::int32_t manaBefore = s.Mana;
    AddSaturated(s.HitPoints, static_cast<std::int64_t>(kHitPointsPerStrength) * s.StrengthTotal +
                                  kBaseHitPoints);
    AddSaturated(s.Mana, static_cast<std::int64_t>(kManaPerIntelligence) * s.IntelligenceTotal);
    if (run.Record != nullptr) {
        RecordAmount(run, Quantity::HitPoints, SourceKind::Constant, kBaseHitPoints);
        RecordAmount(run, Quantity::HitPoints, SourceKind::Attributes,
                     static_cast<double>(s.HitPoints) - hitPointsBefore - kBaseHitPoints);
        RecordAmount(run, Quantity::Mana, SourceKind::Attributes,
                     static_cast<double>(s.Mana) - manaBefore);
    }
    s.HpRegen = run.HpRegenBase + run.HpRegenFlat + kHpRegenPerStrength * s.StrengthTotal;
    s.ManaRegen =
        (run.ManaRegenPercent / 100.0 + 1.0) * (kManaRegenPerIntelligence * s.IntelligenceTotal) +
        run.ManaRegenBase + run.ManaRegenFlat - run.ManaDrain;
}

// The primary attribute's share of the hit; nothing for a hero without one.
void ApplyPrimaryAttribute(StatRun& run) {
    HeroStats& s = run.Stats;
    std::int32_t base = 0;
    std::int32_t bonus = 0;
    switch (run.Hero.PrimaryAttribute) {
    case 1:
        base = s.StrengthBase;
        bonus = s.StrengthBonus;
        break;
    case 2:
        base = s.AgilityBase;
        bonus = s.AgilityBonus;
        break;
    case 3:
        base = s.IntelligenceBase;
        bonus = s.IntelligenceBonus;
        break;
    default:
        return;
    }
    AddSaturated(s.DamageLow, base);
    AddSaturated(s.DamageHigh, base);
    AddSaturated(s.DamageBonus, bonus);
}

std::int32_t PrimaryAttributeBonus(const StatRun& run) {
    const HeroStats& s = run.Stats;
    switch (run.Hero.PrimaryAttribute) {
    case 1:
        return s.StrengthBonus;
    case 2:
        return s.AgilityBonus;
    case 3:
        return s.IntelligenceBonus;
    default:
        return 0;
    }
}

void ApplyPrimaryAttributeDamage(StatRun& run) {
    AsSource(run, SourceKind::PrimaryAttribute, 0, [&] { ApplyPrimaryAttribute(run); });
    if (run.Hero.PrimaryAttribute < 1 || run.Hero.PrimaryAttribute > 3) {
        return;
    }
    HeroStats& s = run.Stats;
    const double average = (static_cast<double>(s.DamageLow) + s.DamageHigh) / 2.0;
    const std::int32_t share =
        TruncToInt32((average + PrimaryAttributeBonus(run)) * run.DamagePercent / 100.0);
    const std::int32_t before = s.DamageBonus;
    AddSaturated(s.DamageBonus, share);
    RecordAmount(run, Quantity::Damage, SourceKind::DamagePercent,
                 static_cast<double>(s.DamageBonus) - before);
}

void DeriveDefenceAndMovement(StatRun& run) {
    HeroStats& s = run.Stats;
    RecordAmount(run, Quantity::Armor, SourceKind::Attributes, s.AgilityBonus / kAgilityPerArmor);
    s.ArmorBonus += s.AgilityBonus / kAgilityPerArmor;
    s.ArmorTotal = s.ArmorBase + s.ArmorBonus;
    s.AttackCooldown =
        s.AttackCooldown / ((static_cast<double>(s.AttackSpeed) + s.AgilityTotal) / 100.0 + 1.0);
    s.PhysicalReduction = kArmorFactor * s.ArmorTotal / (1.0 + kArmorFactor * s.ArmorTotal);
    const double abilityPart = 1.0 - run.AbilityMagicResist / 100.0;
    s.BaseMagicalReduction = (1.0 - abilityPart * kBaseMagicFactor) * 100.0;
    s.MagicalReduction =
        (1.0 - abilityPart * kBaseMagicFactor * (1.0 - run.ItemMagicResist / 100.0)) * 100.0;
    s.HpRegen -= (1.0 - s.MagicalReduction / 100.0) * run.HpDrain;
    s.MoveSpeed = run.CappedMoveSpeed();
    AddSaturated(s.AttackRange, run.RangeBonus);
}

void DeriveChancesAndSurvival(StatRun& run) {
    HeroStats& s = run.Stats;
    s.Evasion = run.EvasionPercent / 100.0;
    s.TriggeredEvasion = run.TriggeredEvasionPercent / 100.0;
    s.Miss = run.MissPercent / 100.0;
    s.Dodge = 1.0 - (1.0 - run.EvasionPercent / 100.0) *
                        (1.0 - run.TriggeredEvasionPercent / 100.0) *
                        (1.0 - run.MissPercent / 100.0);
    s.BashChance = 1.0 - run.BashNone;
    s.CritChance = 1.0 - run.CritNone;
    AddSaturated(s.LifeSteal, run.ItemLifeSteal);
    if (s.Dodge != 1.0) {
        const double hit = 1.0 - s.Dodge;
        const std::int64_t ehp = static_cast<std::int64_t>(TruncToInt32(
                                     (kArmorFactor * s.ArmorTotal + 1.0) * s.HitPoints / hit)) +
                                 TruncToInt32(run.Shield / hit) + run.PhysEhpBonus;
        s.PhysicalEhp = SaturateToInt32(ehp);
    } else {
        s.PhysicalEhp = -1;
    }
    if (s.MagicalReduction != 100.0) {
        const std::int64_t ehp = static_cast<std::int64_t>(TruncToInt32(
                                     s.HitPoints / (1.0 - s.MagicalReduction / 100.0))) +
                                 run.Shield + run.MagicEhpBonus;
        s.MagicalEhp = SaturateToInt32(ehp);
    } else {
        s.MagicalEhp = -1;
    }
    s.RespawnTime = kRespawnPerLevel * run.Level;
    s.GoldLoss = kGoldLossPerLevel * run.Level;
}

// The parts the two figures of damage per second are the sums of; the flat
// parts are the sources' own contributions.
void RecordDamagePerSecond(StatRun& run, double physProc, double magicProc) {
    const HeroStats& s = run.Stats;
    const Quantity bashTarget = s.IsRanged ? Quantity::PhysicalDps : Quantity::MagicalDps;
    RecordAmount(run, Quantity::PhysicalDps, SourceKind::PlainHits, s.BaseDps);
    RecordAmount(run, Quantity::PhysicalDps, SourceKind::Crits, s.CritDps);
    RecordAmount(run, bashTarget, SourceKind::Bashes, s.BashDps);
    RecordAmount(run, Quantity::PhysicalDps, SourceKind::Procs, physProc);
    RecordAmount(run, Quantity::MagicalDps, SourceKind::PlainHits, s.MagicBaseDps);
    RecordAmount(run, Quantity::MagicalDps, SourceKind::Procs, magicProc);
    if (run.OrbChance != 0) {
        RecordAmount(run, Quantity::MagicalDps, SourceKind::OrbProc,
                     run.OrbChance / 100.0 * run.OrbDamage / s.AttackCooldown);
    }
}

void DeriveDamagePerSecond(StatRun& run) {
    HeroStats& s = run.Stats;
    const BuildOrderCodes& order = run.State.BuildOrder;
    s.BashDps = BashExtraDamage(run.Procs, order, s.IsRanged, s.BashChance) / s.AttackCooldown;
    const double averageWhite = (static_cast<double>(s.DamageLow) + s.DamageHigh) / 2.0;
    s.CritDps = CritExtraDamage(run.Procs, order, averageWhite + s.DamageBonus) / s.AttackCooldown;

    AddSaturated(s.DamageBonus, run.DamageBonusLate);
    AddSaturated(s.MagicDamage, run.MagicDamageLate);

    s.BaseDps = (averageWhite + s.DamageBonus) / s.AttackCooldown;
    s.MagicBaseDps = s.MagicDamage / s.AttackCooldown;
    const double physProc = run.PhysProcDamage / s.AttackCooldown;
    const double magicProc = run.MagicProcDamage / s.AttackCooldown;
    // A melee hero's bash damage is magical, a ranged hero's physical.
    if (s.IsRanged) {
        s.PhysicalDps = s.BaseDps + s.BashDps + s.CritDps + run.PhysDpsFlat + physProc;
        s.MagicalDps = s.MagicBaseDps + run.MagicDpsFlat + magicProc;
    } else {
        s.PhysicalDps = s.BaseDps + s.CritDps + run.PhysDpsFlat + physProc;
        s.MagicalDps = s.MagicBaseDps + s.BashDps + run.MagicDpsFlat + magicProc;
    }
    if (run.OrbChance != 0) {
        if (s.IsRanged) {
            run.OrbChance = AdjustOrbChance(run.Procs, run.OrbChance);
        }
        s.MagicalDps += run.OrbChance / 100.0 * run.OrbDamage / s.AttackCooldown;
    }
    if (run.Record != nullptr) {
        RecordDamagePerSecond(run, physProc, magicProc);
    }
}

void ResolveOrbsRecorded(StatRun& run) {
    const std::int32_t lifeStealBefore = run.Stats.LifeSteal;
    ResolveOrbs(run);
    RecordAmount(run, Quantity::LifeSteal, SourceKind::Orbs,
                 static_cast<double>(run.Stats.LifeSteal) - lifeStealBefore);
}

} // namespace

HeroStats ComputeStats(const Catalogue& catalogue, BuildState& state, StatRecord* record) {
    HeroStats stats;
    const THero* hero = catalogue.Hero(state.CurrentHero);
    if (hero == nullptr) {
        return stats;
    }
    StatRun run(catalogue, state, *hero, stats);
    run.Level = std::clamp(state.HeroLevel, 1, kMaxHeroLevel);
    run.Record = record;

    AsSource(run, SourceKind::HeroBase, 0, [&] { ApplyHeroBase(run); });               // step 2
    ApplyAbilityOrbsAndAttackType(run);                                                // step 3
    ApplyAuras(run);                                                                   // step 4
    ApplyItems(run);                                                                   // step 5
    AsSource(run, SourceKind::AttributeLevels, 0, [&] { ApplyAttributeLevels(run); }); // step 6
    ApplyAbilities(run);                                                               // step 7
    DeriveAttributesAndPools(run);                                                     // step 8
    ApplyPrimaryAttributeDamage(run);                                                  // step 9
    DeriveDefenceAndMovement(run); // steps 10 to 16
    DeriveChancesAndSurvival(run); // steps 17 to 22
    ResolveOrbsRecorded(run);      // step 23
    DeriveDamagePerSecond(run);    // steps 24 to 27
    return stats;
}

} // namespace zephyr
