#include "stat_recording.h"

namespace zephyr {

QuantitySnapshot TakeSnapshot(const StatRun& run) {
    const HeroStats& s = run.Stats;
    QuantitySnapshot q{};
    const auto set = [&q](Quantity what, double value) {
        q[static_cast<std::size_t>(what)] = value;
    };
    set(Quantity::AttackType, s.IsRanged ? 1 : 0);
    set(Quantity::Strength, static_cast<double>(s.StrengthBase) + s.StrengthBonus);
    set(Quantity::Agility, static_cast<double>(s.AgilityBase) + s.AgilityBonus);
    set(Quantity::Intelligence, static_cast<double>(s.IntelligenceBase) + s.IntelligenceBonus);
    set(Quantity::HitPoints, s.HitPoints);
    set(Quantity::Mana, s.Mana);
    set(Quantity::Damage, (static_cast<double>(s.DamageLow) + s.DamageHigh) / 2.0 + s.DamageBonus +
                              run.DamageBonusLate);
    set(Quantity::DamagePercent, run.DamagePercent);
    set(Quantity::Armor, s.ArmorBase + s.ArmorBonus);
    set(Quantity::AttackSpeed, s.AttackSpeed);
    set(Quantity::AttackTime, s.AttackCooldown);
    set(Quantity::MoveSpeed, run.SpeedFlat + s.MoveSpeed);
    set(Quantity::MoveSpeedPercent, run.SpeedPercent);
    set(Quantity::AttackRange, static_cast<double>(s.AttackRange) + run.RangeBonus);
    set(Quantity::LifeSteal, static_cast<double>(s.LifeSteal) + run.ItemLifeSteal);
    set(Quantity::PhysicalEhpBonus, run.PhysEhpBonus);
    set(Quantity::MagicalEhpBonus, run.MagicEhpBonus);
    set(Quantity::Shield, run.Shield);
    set(Quantity::PhysicalDpsFlat, run.PhysDpsFlat);
    set(Quantity::MagicalDpsFlat, run.MagicDpsFlat);
    set(Quantity::ItemMagicResist, run.ItemMagicResist);
    set(Quantity::AbilityMagicResist, run.AbilityMagicResist);
    set(Quantity::Evasion, run.EvasionPercent);
    set(Quantity::Miss, run.MissPercent);
    set(Quantity::TriggeredEvasion, run.TriggeredEvasionPercent);
    set(Quantity::BashChance, 1.0 - run.BashNone);
    set(Quantity::CritChance, 1.0 - run.CritNone);
    set(Quantity::TotalPrice, s.TotalPrice);
    return q;
}

void RecordChanges(StatRun& run, SourceKind kind, int number, const QuantitySnapshot& before) {
    const QuantitySnapshot after = TakeSnapshot(run);
    for (std::size_t q = 0; q < after.size(); ++q) {
        if (after[q] != before[q]) {
            run.Record->Contributions.push_back(
                {static_cast<Quantity>(q), kind, number, before[q], after[q]});
        }
    }
}

void RecordAmount(StatRun& run, Quantity what, SourceKind kind, double amount) {
    if (run.Record != nullptr && amount != 0) {
        run.Record->Contributions.push_back({what, kind, 0, 0, amount});
    }
}

} // namespace zephyr
