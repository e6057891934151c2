#include "build_fixture.h"

#include "engine/effect_program.h"

#include <gtest/gtest.h>

#include <random>

namespace zephyr {
namespace {

using namespace test;

class EffectProgramTest : public ::testing::Test, public BuildFixture {};

TEST_F(EffectProgramTest, StackingEffectsCountPerCopyUniqueEffectsOnce) {
    const int ring = b.AddItem("Ring", 100, ItemEffect(EffectCode::Strength, {3}),
                               ItemEffect(EffectCode::Agility, {4}));
    Carry(1, ring);
    Carry(2, ring);
    const HeroStats s = Compute();
    EXPECT_EQ(s.StrengthBonus, 6);
    EXPECT_EQ(s.AgilityBonus, 4);
    EXPECT_EQ(s.TotalPrice, 200);
}

TEST_F(EffectProgramTest, SpeedPercentCountsOnceForItemsWithTheSameIcon) {
    const int boots = b.AddItem("Boots", 100, ItemEffect(EffectCode::MoveSpeedPercent, {20}));
    const int greaves = b.AddItem("Greaves", 100, ItemEffect(EffectCode::MoveSpeedPercent, {30}));
    b.Item(greaves).ImageIndex = b.Item(boots).ImageIndex;
    const int wings = b.AddItem("Wings", 100, ItemEffect(EffectCode::MoveSpeedPercent, {10}));
    Carry(1, boots);
    Carry(2, greaves);
    Carry(3, wings);
    // 300 x 1.3
    EXPECT_NEAR(Compute().MoveSpeed, 390, 1e-9);
}

TEST_F(EffectProgramTest, StackingLifeStealTakesOnlyTheFirstItem) {
    const int a = b.AddItem("Mask", 100, ItemEffect(EffectCode::LifeSteal, {15}));
    const int c = b.AddItem("Blade", 100, ItemEffect(EffectCode::LifeSteal, {10}));
    Carry(1, a);
    Carry(2, c);
    EXPECT_EQ(Compute().LifeSteal, 15);
}

TEST_F(EffectProgramTest, EvasionTakesTheLargestSource) {
    const int a = b.AddItem("Talisman", 100, ItemEffect(EffectCode::Evasion, {15}));
    const int c = b.AddItem("Butterfly", 100, ItemEffect(EffectCode::Evasion, {25}));
    Carry(1, c);
    Carry(2, a);
    EXPECT_DOUBLE_EQ(Compute().Evasion, 0.25);
}

TEST_F(EffectProgramTest, NumberParameterKeepsTheUsersValueAndIsReRanged) {
    ability(1).HasData = true;
    ability(1).LevelEffects[0] =
        LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(5)}, {Lit(3)}});
    ability(1).LevelEffects[1] =
        LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(4)}, {Lit(1)}});
    Learn({1});
    Compute();
    const AbilityParam& param = state.AbilityParams[0][0];
    EXPECT_TRUE(param.Used);
    EXPECT_EQ(param.Value, 3);
    state.AbilityParams[0][0].Value = 5;
    Learn({2, 1});
    Compute();
    EXPECT_EQ(param.Max, 4);
    EXPECT_EQ(param.Value, 4);
}

TEST_F(EffectProgramTest, YesNoParameterDefaultsOnce) {
    ability(2).LevelEffects[0] = LevelEffect(EffectCode::YesNoParam, {{Lit(1)}});
    Learn({2});
    Compute();
    EXPECT_EQ(state.AbilityParams[1][0].Kind, 1);
    EXPECT_EQ(state.AbilityParams[1][0].Value, 1);
    state.AbilityParams[1][0].Value = 0;
    Compute();
    EXPECT_EQ(state.AbilityParams[1][0].Value, 0);
}

TEST_F(EffectProgramTest, ParametersFeedTheAbilitysFormulas) {
    ability(1).LevelEffects[0] = Join(
        {LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(10)}, {Lit(2)}}),
         LevelEffect(EffectCode::Strength, {{Var(FormulaVariable::Param1), Times(), Lit(5)}})});
    Learn({1});
    EXPECT_EQ(Compute().StrengthBonus, 10);
    state.AbilityParams[0][0].Value = 7;
    EXPECT_EQ(Compute().StrengthBonus, 35);
}

TEST_F(EffectProgramTest, DefinitionsBeyondTheFifthAreIgnored) {
    TEffectList program;
    for (int i = 0; i < 7; ++i) {
        const TEffectList def =
            LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(9)}, {Lit(i)}});
        program.insert(program.end(), def.begin(), def.end());
    }
    const TEffectList strength = LevelEffect(EffectCode::Strength, {{Lit(4)}});
    program.insert(program.end(), strength.begin(), strength.end());
    ability(3).LevelEffects[0] = program;
    Learn({3});
    EXPECT_EQ(Compute().StrengthBonus, 4);
    EXPECT_EQ(state.AbilityParams[2][4].Value, 4);
}

TEST_F(EffectProgramTest, AttackTypeBashIsPassedOverInLevelPrograms) {
    ability(1).LevelEffects[0] =
        Join({LevelEffect(EffectCode::AttackTypeBash, {{Lit(50)}, {Lit(50)}, {Lit(40)}, {Lit(0)}}),
              LevelEffect(EffectCode::Strength, {{Lit(2)}})});
    Learn({1});
    const HeroStats s = Compute();
    EXPECT_EQ(s.BashChance, 0);
    // The code token alone is skipped; the effect after it still runs.
    EXPECT_EQ(s.StrengthBonus, 2);
}

TEST_F(EffectProgramTest, LateDamageOnlyFromUniqueListsAndPrograms) {
    const int a = b.AddItem("Claw", 100, ItemEffect(EffectCode::LateDamage, {10}),
                            ItemEffect(EffectCode::LateDamage, {7}));
    Carry(1, a);
    EXPECT_EQ(Compute().DamageBonus, 7);
}

TEST_F(EffectProgramTest, ScepterRaisesBaseSpeedOnceOtherItemsTheFlatBonus) {
    const int scepter =
        b.AddItem("Varn's Scepter Of Divinity", 100, ItemEffect(EffectCode::MoveSpeed, {40}));
    const int boots = b.AddItem("Boots", 100, ItemEffect(EffectCode::MoveSpeed, {50}));
    Carry(1, scepter);
    Carry(2, scepter);
    Carry(3, boots);
    b.Item(boots).StackingEffects.push_back(End()); // trailing noise is harmless
    hero().MoveSpeed = 300;
    // (300 + 40 + 50) capped at 522 only when larger
    EXPECT_NEAR(Compute().MoveSpeed, 390, 1e-9);
}

TEST_F(EffectProgramTest, EffectsCutOffByTheEndOfTheListArePassedOver) {
    TEffectList cut = ItemEffect(EffectCode::Bash, {100, 50, 0});
    cut.resize(5); // the third argument is missing
    const int a = b.AddItem("Broken", 100, cut);
    const TEffectList tail{Code(EffectCode::Strength), Separator()};
    ability(1).LevelEffects[0] = Join({tail});
    ability(2).LevelEffects[0] = {Code(EffectCode::NumberParam), Separator(), Lit(0), Separator(),
                                  Lit(5)};
    Carry(1, a);
    Learn({1, 2});
    const HeroStats s = Compute();
    EXPECT_EQ(s.BashChance, 0);
    EXPECT_EQ(s.StrengthBonus, 0);
    EXPECT_FALSE(state.AbilityParams[1][0].Used);
}

TEST_F(EffectProgramTest, ArgumentReadsTheTokenTwoPlacesOnWhateverItIs) {
    // The item layout is fixed: the argument of 1001 is the token two places
    // after the code even when the separator is missing.
    const int a = b.AddItem("Odd", 100, {Code(EffectCode::Strength), Lit(99), Lit(6), End()});
    Carry(1, a);
    EXPECT_EQ(Compute().StrengthBonus, 6);
}

// A level program can hold 65535 tokens. Effects whose separators never come
// are retried one token later; each retry must not rescan the rest of the
// list, or a hostile catalogue stalls every click for many seconds.
// Each walk step must not rescan the rest of the list (the time is reported
// by the engine benchmark); here the result must be that nothing is defined.
TEST_F(EffectProgramTest, LongProgramsWithoutSeparatorsDefineNothing) {
    ability(1).LevelEffects[0] = TEffectList(65535, Code(EffectCode::NumberParam));
    // Every definition finds the one separator (the opening token of the last
    // effect) and then misses its second one.
    ability(2).LevelEffects[0] = Join({TEffectList(65531, Code(EffectCode::NumberParam)),
                                       LevelEffect(EffectCode::Strength, {{Lit(4)}})});
    Learn({1, 2});
    const HeroStats s = Compute();
    EXPECT_FALSE(state.AbilityParams[0][0].Used);
    EXPECT_FALSE(state.AbilityParams[1][0].Used);
    EXPECT_EQ(s.StrengthBonus, 4);
}

// Random token lists over every list of a full build: nothing may crash or
// read outside its list, whatever the catalogue holds.
TEST_F(EffectProgramTest, HostileProgramsNeverCrash) {
    std::mt19937 random(1234);
    auto token = [&random]() {
        std::uniform_int_distribution<int> kind(0, 5);
        std::uniform_int_distribution<int> code(995, 1040);
        std::uniform_int_distribution<int> small(-3, 10);
        std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
        switch (kind(random)) {
        case 0:
            return Code(code(random));
        case 1:
            return Code(small(random));
        case 2:
            return Code(kFirstVariableCode + small(random) + 3);
        case 3:
            return TEffectToken{false, any(random)};
        default:
            return Lit(small(random) * 10);
        }
    };
    auto list = [&](int length) {
        TEffectList tokens;
        for (int i = 0; i < length; ++i) {
            tokens.push_back(token());
        }
        return tokens;
    };
    for (int i = 0; i < 6; ++i) {
        b.AddItem("Item " + std::to_string(i), 100);
    }
    b.AddCategory("A");
    b.AddCategory("B");
    b.AddItemOrb(1, 30, 20, 5);
    b.AddItemOrb(9, 10, 10, 1); // category outside the table
    b.AddItemOrb(2, 0, 0, 7);
    b.AddAbilityOrb("Frost");
    for (std::uint8_t i = 0; i < 4; ++i) {
        const TOrbPair row{i, static_cast<std::uint8_t>(3 - i), static_cast<std::uint8_t>(i * 2)};
        b.Catalogue.MeleeOrbTable.push_back(row);
        b.Catalogue.RangedOrbTable.push_back(row);
        b.Catalogue.AbilityOrbTable.push_back(row);
    }
    for (int round = 0; round < 300; ++round) {
        for (int i = 1; i <= 6; ++i) {
            b.Item(i).StackingEffects = list(round % 40);
            b.Item(i).UniqueEffects = list((round * 7) % 40);
            b.Item(i).OrbCode = static_cast<std::uint8_t>(round % 5);
        }
        for (int m = 1; m <= 4; ++m) {
            for (auto& level : ability(m).LevelEffects) {
                level = list((round * 3 + m) % 50);
            }
            ability(m).LevelOrbCodes = {3, 200, 0, 1};
        }
        state = BuildState{};
        state.CurrentHero = 1;
        state.HeroLevel = 0;
        Learn({1, 2, 3, 1, 4, 5, 1, 2, 3, 4});
        for (int slot = 1; slot <= 6; ++slot) {
            Carry(slot, slot);
            state.SlotActive[slot - 1] = true;
        }
        state.AbilityActive = {true, true, true, true};
        const HeroStats s = Compute();
        EXPECT_GE(s.RespawnTime, 4);
    }
}

} // namespace
} // namespace zephyr
