#include "build_fixture.h"

#include "engine/aura_slots.h"
#include "engine/float_conversion.h"
#include "engine/stat_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace zephyr {
namespace {

using namespace test;

class StatComputationTest : public ::testing::Test, public BuildFixture {};

TEST_F(StatComputationTest, LevelOneHeroWithoutItems) {
    const HeroStats s = Compute();
    EXPECT_EQ(s.StrengthBase, 20);
    EXPECT_EQ(s.AgilityBase, 15);
    EXPECT_EQ(s.IntelligenceBase, 10);
    EXPECT_EQ(s.StrengthTotal, 20);
    EXPECT_EQ(s.HitPoints, 19 * 20 + 150);
    EXPECT_EQ(s.Mana, 13 * 10);
    EXPECT_EQ(s.RespawnTime, 4);
    EXPECT_EQ(s.GoldLoss, 30);
    EXPECT_EQ(s.TotalPrice, 0);
    // strength hero: base damage + strength, no bonus
    EXPECT_EQ(s.DamageLow, 50);
    EXPECT_EQ(s.DamageHigh, 60);
    EXPECT_EQ(s.DamageBonus, 0);
    EXPECT_DOUBLE_EQ(s.HpRegen, 0.5 + 0.03 * 20);
    EXPECT_DOUBLE_EQ(s.ManaRegen, 0.04 * 10 + 0.25);
    EXPECT_DOUBLE_EQ(s.MagicalReduction, 25);
    EXPECT_FALSE(s.OrbShown);
}

TEST_F(StatComputationTest, HeroLevelZeroComputesAsLevelOne) {
    state.HeroLevel = 0;
    const HeroStats zero = Compute();
    state.HeroLevel = 1;
    const HeroStats one = Compute();
    EXPECT_EQ(zero.StrengthBase, one.StrengthBase);
    EXPECT_EQ(zero.RespawnTime, 4);
}

TEST_F(StatComputationTest, LevelsRaiseAttributesAndArmor) {
    Learn({1, 5, 2});
    const HeroStats s = Compute();
    EXPECT_EQ(s.StrengthBase, 24);
    EXPECT_EQ(s.AgilityBase, 18);
    EXPECT_EQ(s.StrengthBonus, 2);
    EXPECT_DOUBLE_EQ(s.ArmorBase, 2 * 1.5 / 7 + 1);
    EXPECT_DOUBLE_EQ(s.ArmorBonus, 2 / 7.0);
    EXPECT_EQ(s.RespawnTime, 12);
    EXPECT_EQ(s.GoldLoss, 90);
}

TEST_F(StatComputationTest, AgilityDividesTheAttackTime) {
    hero().BaseAgility = 20;
    hero().BaseAttackTime = 1.8;
    EXPECT_DOUBLE_EQ(Compute().AttackCooldown, 1.8 / 1.2);
}

TEST_F(StatComputationTest, ArmorReduction) {
    hero().BaseArmor = 0;
    hero().AgilityGain = 0;
    EXPECT_DOUBLE_EQ(Compute().PhysicalReduction, 0);
    const int curse = b.AddAura("Curse", 1);
    b.Aura(curse).V5 = -100;
    AddAura(b.Catalogue, state, curse);
    EXPECT_DOUBLE_EQ(Compute().PhysicalReduction, -0.06 / 0.94);
}

TEST_F(StatComputationTest, FullItemResistanceMakesMagicalEhpUnbounded) {
    const int cloak = b.AddItem("Cloak", 100, ItemEffect(EffectCode::MagicResist, {100}));
    Carry(1, cloak);
    const HeroStats s = Compute();
    EXPECT_DOUBLE_EQ(s.MagicalReduction, 100);
    EXPECT_EQ(s.MagicalEhp, -1);
    EXPECT_EQ(FormatStatsGrid(s, '.')[7][3], "infinity");
}

TEST_F(StatComputationTest, FullEvasionMakesPhysicalEhpUnbounded) {
    const int a = b.AddItem("Ghost", 100, ItemEffect(EffectCode::Evasion, {100}));
    Carry(1, a);
    EXPECT_EQ(Compute().PhysicalEhp, -1);
}

TEST_F(StatComputationTest, EffectiveHitPoints) {
    hero().BaseArmor = 5;
    hero().AgilityGain = 0;
    const int a = b.AddItem("Talisman", 100, ItemEffect(EffectCode::Evasion, {20}));
    Carry(1, a);
    const HeroStats s = Compute();
    // (0.06 x 5 + 1) x 530 / 0.8
    EXPECT_EQ(s.PhysicalEhp, 861);
    EXPECT_EQ(s.MagicalEhp, static_cast<int>(530 / 0.75));
}

TEST_F(StatComputationTest, MovementSpeedKeepsWholeUnitsAndIsCapped) {
    const int boots = b.AddItem("Boots", 100, ItemEffect(EffectCode::MoveSpeed, {50}),
                                ItemEffect(EffectCode::MoveSpeedPercent, {40}));
    Carry(1, boots);
    HeroStats s = Compute();
    EXPECT_EQ(TruncToInt32(s.MoveSpeed), 490);
    EXPECT_EQ(FormatStatsGrid(s, '.')[0][5], "490");
    b.Item(boots).UniqueEffects = ItemEffect(EffectCode::MoveSpeedPercent, {100});
    s = Compute();
    EXPECT_DOUBLE_EQ(s.MoveSpeed, 522);
}

TEST_F(StatComputationTest, AttributeGainsKeepWholeUnits) {
    hero().BaseStrength = 0;
    hero().StrengthGain = 8.20;
    for (int i = 0; i < 16; ++i) {
        Learn({i % 2 == 0 ? 5 : 1});
    }
    EXPECT_EQ(Compute().StrengthBase, 123);
}

TEST_F(StatComputationTest, IntegerResultsSaturate) {
    const TEffectList huge{Lit(2000000), Times(), Lit(2000000)};
    ability(1).LevelEffects[0] = Join(
        {LevelEffect(EffectCode::HitPoints, {huge}), LevelEffect(EffectCode::HitPoints, {huge}),
         LevelEffect(EffectCode::Damage,
                     {{Lit(0), Minus(), Lit(2000000), Times(), Lit(2000000)}})});
    Learn({1});
    const HeroStats s = Compute();
    EXPECT_EQ(s.HitPoints, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(s.DamageBonus, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncToInt32(-1e300), std::numeric_limits<std::int32_t>::min());
}

TEST_F(StatComputationTest, NotANumberTruncatesToZero) {
    ability(1).LevelEffects[0] = LevelEffect(EffectCode::Strength, {{Lit(0), Divide(), Lit(0)}});
    Learn({1});
    EXPECT_EQ(Compute().StrengthBonus, 0);
}

TEST_F(StatComputationTest, AbilityThatNeedsActivationCountsOnlyWhileOn) {
    ability(2).NeedsActive = true;
    ability(2).LevelEffects[0] = LevelEffect(EffectCode::AttackSpeed, {{Lit(30)}});
    Learn({2});
    EXPECT_EQ(Compute().AttackSpeed, 0);
    state.AbilityActive[1] = true;
    EXPECT_EQ(Compute().AttackSpeed, 30);
}

TEST_F(StatComputationTest, ActivatableItemUniqueEffectsNeedTheSlotSwitchedOn) {
    const int a = b.AddItem("Mask", 100, {}, ItemEffect(EffectCode::AttackSpeed, {20}));
    b.Item(a).Activatable = true;
    Carry(1, a);
    EXPECT_EQ(Compute().AttackSpeed, 0);
    state.SlotActive[0] = true;
    EXPECT_EQ(Compute().AttackSpeed, 20);
}

TEST_F(StatComputationTest, LinksDecideBetweenAbilityAndItem) {
    const int a = b.AddItem("Aegis", 100, {}, ItemEffect(EffectCode::Strength, {10}));
    ability(3).LevelEffects[0] = LevelEffect(EffectCode::Agility, {{Lit(5)}});
    Carry(1, a);
    Learn({3});
    state.AbilityItemLinks[2] = AbilityItemLink{true, a, true};
    HeroStats s = Compute();
    EXPECT_EQ(s.StrengthBonus, 0);
    EXPECT_EQ(s.AgilityBonus, 5);
    state.AbilityItemLinks[2].AbilityPrevails = false;
    s = Compute();
    EXPECT_EQ(s.StrengthBonus, 10);
    EXPECT_EQ(s.AgilityBonus, 0);
}

TEST_F(StatComputationTest, AurasFollowTheAttackTypeInForce) {
    const int aura = b.AddAura("Trueshot", 1);
    b.Aura(aura).V1 = 5;
    b.Aura(aura).V2 = 9;
    b.Aura(aura).V9 = 10;
    b.Aura(aura).V10 = 20;
    AddAura(b.Catalogue, state, aura);
    EXPECT_EQ(Compute().DamageBonus, 5);
    EXPECT_EQ(Compute().LifeSteal, 10);
    ability(1).AttackTypeChange = 2;
    Learn({1});
    const HeroStats s = Compute();
    EXPECT_TRUE(s.IsRanged);
    EXPECT_EQ(s.DamageBonus, 9);
    EXPECT_EQ(s.LifeSteal, 20);
}

TEST_F(StatComputationTest, DamagePercentUsesAverageDamageAndPrimaryBonus) {
    const int a = b.AddItem("Axe", 100,
                            Join({ItemEffect(EffectCode::Strength, {10}),
                                  ItemEffect(EffectCode::DamagePercent, {50})}));
    Carry(1, a);
    const HeroStats s = Compute();
    // low 50, high 60, bonus 10: 10 + trunc((55 + 10) x 0.5)
    EXPECT_EQ(s.DamageBonus, 42);
}

TEST_F(StatComputationTest, BashDamageIsMagicalForMeleeAndPhysicalForRanged) {
    const int a = b.AddItem("Basher", 100, ItemEffect(EffectCode::Bash, {25, 40, 0}));
    Carry(1, a);
    HeroStats s = Compute();
    const double bashDps = 0.25 * 40 / s.AttackCooldown;
    EXPECT_DOUBLE_EQ(s.BashDps, bashDps);
    EXPECT_DOUBLE_EQ(s.MagicalDps, bashDps);
    EXPECT_DOUBLE_EQ(s.PhysicalDps, s.BaseDps);
    hero().Ranged = true;
    s = Compute();
    EXPECT_DOUBLE_EQ(s.MagicalDps, 0);
    EXPECT_DOUBLE_EQ(s.PhysicalDps, s.BaseDps + s.BashDps);
    EXPECT_DOUBLE_EQ(s.BashChance, 0.25);
}

TEST_F(StatComputationTest, HeroOutsideTheTableGivesEmptyResults) {
    state.CurrentHero = 5;
    const HeroStats s = Compute();
    EXPECT_EQ(s.HitPoints, 0);
    EXPECT_EQ(s.RespawnTime, 0);
}

TEST_F(StatComputationTest, OutOfRangeNumbersInTheBuildAreIgnored) {
    state.ItemSlots[0].ItemNumber = 77;
    state.ItemSlots[1].ItemNumber = -3;
    state.AuraSlots[0].AuraNumber = 40;
    state.AuraSlots[0].Sources = {40};
    for (int k = 0; k < 25; ++k) {
        state.SkillPicks[k] = 1; // more levels than the ability has
    }
    state.HeroLevel = 99;
    ability(1).LevelEffects[3] = LevelEffect(EffectCode::Strength, {{Lit(1)}});
    const HeroStats s = Compute();
    EXPECT_EQ(s.TotalPrice, 0);
    EXPECT_EQ(s.StrengthBonus, 1);
    EXPECT_EQ(s.RespawnTime, 100);
}

} // namespace
} // namespace zephyr
