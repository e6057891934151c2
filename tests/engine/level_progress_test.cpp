#include "catalogue_builder.h"

#include "engine/build_recipe.h"
#include "engine/calculator.h"
#include "engine/level_progress.h"
#include "engine/level_progress_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace zephyr {
namespace {

using namespace test;

Gesture Pick(int ability) {
    return {GestureKind::LevelUp, ability, 0, {}};
}
Gesture Buy(int slot, const char* item) {
    return {GestureKind::Place, slot, 0, item};
}

// A hero with a passive ability, a switched one with a parameter, an
// activation aura and a linked item, and items with and without switches.
class LevelProgressTest : public ::testing::Test {
protected:
    LevelProgressTest() {
        const int fury = b.AddAura("Fury", 2);
        const int greaterFury = b.AddAura("Greater Fury", 2);
        const int vigor = b.AddAura("Vigor", 3);
        b.Aura(fury).V5 = 300;
        b.Aura(greaterFury).V8 = 15;
        b.Aura(vigor).V8 = 20;

        THero hero = MakeHero("Tester");
        TAbility& toughness = hero.Abilities[0];
        toughness.HasData = true;
        for (int level = 0; level < 4; ++level) {
            toughness.LevelEffects[level] =
                LevelEffect(EffectCode::HitPoints, {{Lit(50.0 * (level + 1))}});
        }
        TAbility& rage = hero.Abilities[1];
        rage.HasData = true;
        rage.NeedsActive = true;
        rage.ActiveAura = static_cast<std::uint8_t>(fury);
        for (int level = 0; level < 4; ++level) {
            rage.LevelEffects[level] = Join(
                {LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(level + 4.0)}, {Lit(3)}}),
                 LevelEffect(EffectCode::AttackSpeed,
                             {{Var(FormulaVariable::Param1), Times(), Lit(10)}})});
        }
        b.AddHero(hero);

        vitality = b.AddItem("Vitality", 250, ItemEffect(EffectCode::HitPoints, {200}));
        mask = b.AddItem("Mask", 300, {}, ItemEffect(EffectCode::AttackSpeed, {30}));
        b.Item(mask).Activatable = true;
        b.Item(mask).ActiveAuras = {static_cast<std::uint8_t>(greaterFury)};
        b.Hero(1).Abilities[1].LinkItem = static_cast<std::uint8_t>(mask);
        ring = b.AddItem("Ring", 100, {}, ItemEffect(EffectCode::Armor, {2}));
        b.Item(ring).PassiveAuras = {static_cast<std::uint8_t>(vigor)};
    }

    // The build of `gestures` on the hero, as the panel would make it.
    Calculator Built(const std::vector<Gesture>& gestures) const {
        Calculator calc(b.Catalogue);
        calc.ChooseHero(1);
        for (const Gesture& gesture : gestures) {
            EXPECT_TRUE(ApplyGesture(calc, gesture)) << static_cast<int>(gesture.Kind);
        }
        return calc;
    }

    // The same gestures by hand for a build of hero level `level`: its picks,
    // no purchase after the next pick, and every switch and typed value as far
    // as that build offers it.
    Calculator ByHand(const std::vector<Gesture>& gestures, int level) const {
        Calculator calc(b.Catalogue);
        calc.ChooseHero(1);
        int picks = 0;
        for (const Gesture& gesture : gestures) {
            if (gesture.Kind == GestureKind::LevelUp) {
                ++picks;
            }
            const bool later = picks > level && (gesture.Kind == GestureKind::LevelUp ||
                                                 gesture.Kind == GestureKind::Place);
            if (!later) {
                ApplyGesture(calc, gesture);
            }
        }
        return calc;
    }

    CatalogueBuilder b;
    int vitality = 0, mask = 0, ring = 0;
};

// Bought before the first pick, between picks, switched on in an order the
// replay cannot know, a value typed, and the last item before the last pick.
const std::vector<Gesture> kInterleaved = {
    Buy(2, "Vitality"),
    Pick(1),
    Pick(2),
    Buy(1, "Mask"),
    {GestureKind::ToggleSlot, 1, 0, {}},
    {GestureKind::ToggleAbility, 2, 0, {}},
    {GestureKind::ParamText, 1, 0, "4"},
    Pick(1),
    Buy(3, "Ring"),
    Pick(5),
    Pick(2),
};

TEST_F(LevelProgressTest, NoHeroOrNoLevelHasNoRows) {
    Calculator none(b.Catalogue);
    EXPECT_TRUE(LevelProgress(b.Catalogue, none.State()).empty());
    const Calculator unlevelled = Built({Buy(1, "Vitality"), Buy(2, "Ring")});
    EXPECT_TRUE(LevelProgress(b.Catalogue, unlevelled.State()).empty());
}

TEST_F(LevelProgressTest, TheLastLevelIsTheBuildAsItStands) {
    const Calculator calc = Built(kInterleaved);
    const std::vector<HeroStats> levels = LevelProgress(b.Catalogue, calc.State());
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels.back(), calc.Stats());
    EXPECT_EQ(levels.back().TotalPrice, 650);
}

TEST_F(LevelProgressTest, ItemsBoughtAfterTheLastPickCountAtTheLastLevel) {
    std::vector<Gesture> gestures = kInterleaved;
    gestures.push_back(Buy(4, "Vitality"));
    const Calculator calc = Built(gestures);
    const std::vector<HeroStats> levels = LevelProgress(b.Catalogue, calc.State());
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels.back(), calc.Stats());
    EXPECT_EQ(levels[3].TotalPrice, 650);
}

TEST_F(LevelProgressTest, EachLevelIsTheBuildMadeByHandWithItsPicksAndItems) {
    const Calculator calc = Built(kInterleaved);
    const BuildState before = calc.State();
    const std::vector<HeroStats> levels = LevelProgress(b.Catalogue, calc.State());
    EXPECT_EQ(calc.State(), before);
    ASSERT_EQ(levels.size(), 5u);
    for (int level = 1; level <= 5; ++level) {
        const Calculator hand = ByHand(kInterleaved, level);
        ASSERT_EQ(hand.State().HeroLevel, level);
        EXPECT_EQ(levels[level - 1], hand.Stats()) << "level " << level;
    }
    // The typed value holds from the level the ability was switched on; the
    // link leaves the ability in force, as the last switch chose.
    EXPECT_EQ(levels[0].AttackSpeed, 0);
    EXPECT_EQ(levels[1].AttackSpeed, 40 + 15);
    EXPECT_EQ(levels[2].AttackSpeed, 40 + 15 + 20);
    EXPECT_EQ(levels[1].ArmorBonus, 0) << "Greater Fury outranks Fury in their slot";
}

TEST_F(LevelProgressTest, ATypedValueIsClampedToTheLevelsRange) {
    std::vector<Gesture> gestures = {Pick(2),
                                     {GestureKind::ToggleAbility, 2, 0, {}},
                                     Pick(1),
                                     Pick(2),
                                     {GestureKind::ParamText, 1, 0, "5"}};
    const Calculator calc = Built(gestures);
    ASSERT_EQ(calc.State().AbilityParams[1][0].Value, 5);
    const std::vector<HeroStats> levels = LevelProgress(b.Catalogue, calc.State());
    ASSERT_EQ(levels.size(), 3u);
    // Level 1 of the ability ranges up to 4, level 2 up to 5.
    EXPECT_EQ(levels[0].AttackSpeed, 40);
    EXPECT_EQ(levels[1].AttackSpeed, 40);
    EXPECT_EQ(levels[2].AttackSpeed, 50);
    EXPECT_EQ(levels[0], ByHand(gestures, 1).Stats());
}

TEST_F(LevelProgressTest, ItemsBoughtLaterDoNotCountEarlier) {
    Calculator calc = Built({Pick(1), Pick(5), Buy(1, "Vitality"), Pick(1)});
    std::vector<HeroStats> levels = LevelProgress(b.Catalogue, calc.State());
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].TotalPrice, 0);
    EXPECT_EQ(levels[1].TotalPrice, 250);
    EXPECT_EQ(levels[1].HitPoints, ByHand({Pick(1), Pick(5)}, 2).Stats().HitPoints + 200);
    EXPECT_EQ(levels[2].TotalPrice, 250);

    // Dragged to the top of the build order, it counts from level 1.
    ASSERT_TRUE(calc.MoveBuildOrderLine(2, 0));
    levels = LevelProgress(b.Catalogue, calc.State());
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].TotalPrice, 250);

    // A removed item counts nowhere.
    ASSERT_TRUE(calc.RemoveItem(1));
    for (const HeroStats& level : LevelProgress(b.Catalogue, calc.State())) {
        EXPECT_EQ(level.TotalPrice, 0);
    }
}

TEST_F(LevelProgressTest, AnItemSwitchedOnCountsFromItsPurchase) {
    const Calculator calc =
        Built({Pick(1), Pick(5), Buy(1, "Mask"), Pick(1), {GestureKind::ToggleSlot, 1, 0, {}}});
    const std::vector<HeroStats> levels = LevelProgress(b.Catalogue, calc.State());
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].AttackSpeed, 0);
    EXPECT_EQ(levels[1].AttackSpeed, 30 + 15);
    EXPECT_EQ(levels[2].AttackSpeed, 30 + 15);
}

TEST(LevelProgressTableTest, CaptionsThenOneTabSeparatedLinePerLevel) {
    CatalogueBuilder b;
    b.AddHero(MakeHero("Plain"));
    b.AddItem("Cloak", 100, ItemEffect(EffectCode::Evasion, {100}));
    Calculator calc(b.Catalogue);
    calc.ChooseHero(1);
    ASSERT_TRUE(calc.LevelUp(1));
    ASSERT_TRUE(calc.LevelUp(5));
    ASSERT_TRUE(calc.PlaceItem(1, 1)); // full evasion: unbounded physical EHP
    EXPECT_EQ(LevelProgressTable(LevelProgress(b.Catalogue, calc.State()), ','),
              "Уровень\tЗдоровье\tМана\tБроня\tЗадержка\tФизический DPS\tМагический DPS\t"
              "Физический EHP\tМагический EHP\n"
              "1\t530\t130\t1,00\t1,48\t37,21\t0,00\t561\t706\n"
              "2\t606\t169\t1,50\t1,44\t40,95\t0,00\t∞\t808\n");
}

TEST(LevelProgressTableTest, NoLevelsGiveTheCaptionsAlone) {
    EXPECT_EQ(LevelProgressTable({}, '.'),
              "Уровень\tЗдоровье\tМана\tБроня\tЗадержка\tФизический DPS\tМагический DPS\t"
              "Физический EHP\tМагический EHP\n");
}

} // namespace
} // namespace zephyr
