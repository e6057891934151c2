#include "build_fixture.h"

#include "engine/proc_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zephyr {
namespace {

using namespace test;

ProcEntry Bash(int source, double chance, double damage, bool notCounted = false) {
    return ProcEntry{kProcBash, chance, 0, damage, source, notCounted};
}
ProcEntry Crit(int source, double chance, double multiplier) {
    return ProcEntry{kProcCrit, chance, 0, multiplier, source, false};
}

TEST(OrderProcsTest, MostRecentlyAcquiredFirstAbilitiesAtTheirFirstLevel) {
    ProcTable procs{};
    procs[0] = Bash(1, 10, 1); // ability 1
    procs[2] = Crit(3, 20, 2); // ability 3
    procs[5] = Bash(6, 15, 1); // slot 2
    BuildOrderCodes order{};
    const std::uint8_t codes[] = {1, 7, 3, 5, 1, 3};
    std::copy(std::begin(codes), std::end(codes), order.begin());
    OrderProcs(procs, order);
    // Walking back: ability 3's later level is skipped, code 5 matches
    // nothing, ability 1's later level is skipped; first level of 3, slot 2,
    // first level of 1.
    EXPECT_EQ(procs[0].Source, 3);
    EXPECT_EQ(procs[1].Source, 6);
    EXPECT_EQ(procs[2].Source, 1);
}

TEST(OrderProcsTest, DuplicateCodesNeverPlaceBeyondTheTable) {
    ProcTable procs{};
    for (int i = 0; i < 10; ++i) {
        procs[i] = Bash(i + 1, 5, 1);
    }
    BuildOrderCodes order{};
    order.fill(6); // slot 1 over and over: a build order no gesture makes
    OrderProcs(procs, order);
    std::vector<int> sources;
    for (const ProcEntry& entry : procs) {
        sources.push_back(entry.Source);
    }
    std::sort(sources.begin(), sources.end());
    EXPECT_EQ(sources, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(BashTest, MeleeChancesMultiplyAndDamageUsesRawChances) {
    BuildFixture f;
    const int a = f.b.AddItem("Basher", 100, ItemEffect(EffectCode::Bash, {10, 20, 0}));
    const int c = f.b.AddItem("Hammer", 100, ItemEffect(EffectCode::Bash, {15, 30, 0}));
    f.Carry(1, a);
    f.Carry(2, c);
    const HeroStats s = f.Compute();
    EXPECT_NEAR(s.BashChance, 1 - 0.9 * 0.85, 1e-12);
    EXPECT_NEAR(s.BashDps * s.AttackCooldown, 0.10 * 20 + 0.15 * 30, 1e-12);
}

TEST(BashTest, RangedProcsFireInReverseBuildOrder) {
    ProcTable procs{};
    procs[4] = Bash(5, 10, 20); // slot 1, bought first
    procs[5] = Bash(6, 15, 30); // slot 2, bought second
    BuildOrderCodes order{};
    order[0] = 6;
    order[1] = 7;
    double chance = 0;
    const double damage = BashExtraDamage(procs, order, true, chance);
    EXPECT_EQ(procs[0].Source, 6);
    EXPECT_NEAR(procs[0].Effective, 0.15, 1e-12);
    EXPECT_NEAR(procs[1].Effective, 0.085, 1e-12);
    EXPECT_NEAR(chance, 0.235, 1e-12);
    EXPECT_NEAR(damage, 0.15 * 30 + 0.085 * 20, 1e-12);
}

// Crits and bashes of a ranged hero alternate: a bash counts only when no
// proc ahead of it fired, crits included.
TEST(BashTest, RangedBashYieldsToCritsAheadOfIt) {
    ProcTable procs{};
    procs[0] = Crit(6, 15, 2); // bought last
    procs[1] = Bash(5, 16, 25);
    procs[2] = Crit(3, 20, 1.5);
    procs[3] = Bash(4, 12, 40); // learnt first
    double chance = 0;
    const double damage = BashExtraDamage(procs, BuildOrderCodes{}, true, chance);
    EXPECT_NEAR(procs[1].Effective, 0.85 * 0.16, 1e-12);
    EXPECT_NEAR(procs[3].Effective, 0.85 * 0.84 * 0.80 * 0.12, 1e-12);
    EXPECT_NEAR(chance, 0.204544, 1e-12); // the panel's 20,45%
    EXPECT_NEAR(damage, 0.136 * 25 + 0.068544 * 40, 1e-12);
    // The crits keep their shares among the crits alone.
    EXPECT_NEAR(procs[0].Effective, 0.15, 1e-12);
    EXPECT_NEAR(procs[2].Effective, 1 - 0.85 * 0.80 - 0.15, 1e-12);
}

TEST(BashTest, LikelyCritsAheadNeverMakeABashShareNegative) {
    ProcTable procs{};
    procs[0] = Crit(1, 90, 2);
    procs[1] = Bash(2, 10, 30);
    procs[2] = Crit(3, 90, 2);
    procs[3] = Bash(4, 10, 30);
    double chance = 0;
    const double damage = BashExtraDamage(procs, BuildOrderCodes{}, true, chance);
    EXPECT_NEAR(procs[1].Effective, 0.1 * 0.1, 1e-12);
    EXPECT_NEAR(procs[3].Effective, 0.1 * 0.9 * 0.1 * 0.1, 1e-12);
    EXPECT_GT(procs[3].Effective, 0);
    EXPECT_NEAR(chance, 0.0109, 1e-12);
    EXPECT_NEAR(damage, 0.0109 * 30, 1e-12);
}

TEST(BashTest, ModeDecidesWhetherTheChanceCounts) {
    BuildFixture f;
    const int quiet = f.b.AddItem("Quiet", 100, ItemEffect(EffectCode::Bash, {20, 10, 1}));
    f.Carry(1, quiet);
    HeroStats s = f.Compute();
    EXPECT_EQ(s.BashChance, 0);
    EXPECT_GT(s.BashDps, 0);

    f.b.Item(quiet).StackingEffects = ItemEffect(EffectCode::Bash, {20, 10, 2});
    EXPECT_EQ(f.Compute().BashChance, 0); // melee: only mode 0 counts
    f.hero().Ranged = true;
    EXPECT_NEAR(f.Compute().BashChance, 0.2, 1e-12);
}

TEST(BashTest, AttackTypeBashPicksTheChanceOfTheAttackType) {
    BuildFixture f;
    const int a =
        f.b.AddItem("Cleaver", 100, ItemEffect(EffectCode::AttackTypeBash, {30, 10, 50, 0}));
    f.Carry(1, a);
    EXPECT_NEAR(f.Compute().BashChance, 0.3, 1e-12);
    f.hero().Ranged = true;
    EXPECT_NEAR(f.Compute().BashChance, 0.1, 1e-12);
}

TEST(CritTest, ExpectedExtraDamageOnAverageDamage) {
    ProcTable procs{};
    procs[0] = Crit(1, 20, 2);
    BuildOrderCodes order{};
    order[0] = 1;
    EXPECT_NEAR(CritExtraDamage(procs, order, 50), 10, 1e-12);
}

TEST(CritTest, CritChanceInTheStatistics) {
    BuildFixture f;
    f.ability(1).LevelEffects[0] = LevelEffect(EffectCode::Crit, {{Lit(20)}, {Lit(2)}});
    f.Learn({1});
    const HeroStats s = f.Compute();
    EXPECT_NEAR(s.CritChance, 0.2, 1e-12);
    // low 50 + high 60 over 2: 55 average
    EXPECT_NEAR(s.CritDps * s.AttackCooldown, 0.2 * 55, 1e-9);
}

TEST(CritTest, ASecondProcOfOneSourceReplacesTheFirst) {
    BuildFixture f;
    const int a = f.b.AddItem(
        "Daedalus", 100,
        Join({ItemEffect(EffectCode::Bash, {10, 20, 0}), ItemEffect(EffectCode::Crit, {25, 2})}));
    f.Carry(1, a);
    const HeroStats s = f.Compute();
    EXPECT_EQ(s.BashDps, 0);
    EXPECT_NEAR(s.CritChance, 0.25, 1e-12);
}

TEST(OrbChanceTest, RangedOrbChanceYieldsToProcsThatFireFirst) {
    ProcTable procs{};
    procs[0] = Bash(5, 20, 10);
    procs[0].Effective = 0.2;
    EXPECT_NEAR(AdjustOrbChance(procs, 30), (1 - 0.7 * 0.8 - 0.2) * 100, 1e-12);
}

TEST(OrbChanceTest, ACritAheadOfABashTakesItsShareOfTheWholeChain) {
    ProcTable procs{};
    procs[0] = Bash(5, 20, 10);
    procs[1] = Crit(6, 50, 2);
    double chance = 0;
    BashExtraDamage(procs, BuildOrderCodes{}, true, chance);
    CritExtraDamage(procs, BuildOrderCodes{}, 40);
    // The orb lands only when neither proc fired: 30% of 80% of 50%.
    EXPECT_NEAR(AdjustOrbChance(procs, 30), 30 * 0.8 * 0.5, 1e-9);
}

} // namespace
} // namespace zephyr
