#include "catalogue_builder.h"

#include "engine/build_order_list.h"
#include "engine/calculator.h"

#include "data/cp1251.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using namespace test;

// A hero with a learn-aura ability, a switchable ability with parameters and
// an activation aura, a passive ability with one parameter, and an ultimate.
class CalculatorTest : public ::testing::Test {
protected:
    CalculatorTest() {
        devotion = b.AddAura("Devotion", 1);
        fury = b.AddAura("Fury", 2);
        fury2 = b.AddAura("Greater Fury", 2);
        vigor = b.AddAura("Vigor", 3);
        b.Aura(devotion).V5 = 300;

        THero hero = MakeHero("Paladin");
        TAbility& stun = hero.Abilities[0];
        stun.Name = "Stun";
        stun.HasData = true;
        stun.LearnAura = static_cast<std::uint8_t>(devotion);
        for (auto& level : stun.LevelEffects) {
            level = LevelEffect(EffectCode::Bash, {{Lit(20)}, {Lit(30)}, {Lit(0)}});
        }
        TAbility& rage = hero.Abilities[1];
        rage.Name = "Rage";
        rage.HasData = true;
        rage.NeedsActive = true;
        rage.ActiveAura = static_cast<std::uint8_t>(fury);
        rage.ParamCaptions = {"Stacks", "Roar", "", "", ""};
        for (auto& level : rage.LevelEffects) {
            level = Join({LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(5)}, {Lit(3)}}),
                          LevelEffect(EffectCode::YesNoParam, {{Lit(1)}}),
                          LevelEffect(EffectCode::AttackSpeed,
                                      {{Var(FormulaVariable::Param1), Times(), Lit(10)}})});
        }
        TAbility& aim = hero.Abilities[2];
        aim.Name = "Aim";
        aim.HasData = true;
        aim.ParamCaptions = {"Distance", "", "", "", ""};
        for (auto& level : aim.LevelEffects) {
            level = LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(3)}, {Lit(1)}});
        }
        hero.Abilities[3].Name = "Ultimate";
        paladin = b.AddHero(hero);
        other = b.AddHero(MakeHero("Other"));

        ring = b.AddItem("Ring", 100);
        b.Item(ring).PassiveAuras = {static_cast<std::uint8_t>(vigor)};
        speedBoots = b.AddItem("Boots - Speed", 500);
        travelBoots = b.AddItem("Boots - Travel", 900);
        b.Item(speedBoots).OnePerHero = true;
        b.Item(travelBoots).OnePerHero = true;
        mask = b.AddItem("Mask", 300, {}, ItemEffect(EffectCode::AttackSpeed, {40}));
        b.Item(mask).Activatable = true;
        b.Item(mask).ActiveAuras = {static_cast<std::uint8_t>(fury2)};
        vanguard = b.AddItem("Vanguard", 200);
        b.Item(vanguard).OnePerHero = true;
        basher = b.AddItem("Basher", 300, ItemEffect(EffectCode::Bash, {10, 40, 0}));
        calc.ChooseHero(paladin);
    }

    int AuraInSlot(int slot) const { return calc.State().AuraSlots[slot - 1].AuraNumber; }
    void LevelTo(std::initializer_list<int> picks) {
        for (int pick : picks) {
            ASSERT_TRUE(calc.LevelUp(pick)) << "pick " << pick;
        }
    }

    CatalogueBuilder b;
    Calculator calc{b.Catalogue};
    int devotion = 0, fury = 0, fury2 = 0, vigor = 0;
    int paladin = 0, other = 0;
    int ring = 0, speedBoots = 0, travelBoots = 0, mask = 0, vanguard = 0, basher = 0;
};

TEST_F(CalculatorTest, NewHeroOffersTheFirstThreeAbilitiesAndTheBonus) {
    EXPECT_EQ(calc.HeroName(), "Paladin");
    EXPECT_EQ(calc.LevelCaption(), "- 1 lvl -");
    for (int a : {1, 2, 3, 5}) {
        EXPECT_TRUE(calc.CanLevel(a));
        EXPECT_FALSE(calc.AbilityPicture(a).Dimmed);
    }
    EXPECT_FALSE(calc.CanLevel(4));
    EXPECT_TRUE(calc.AbilityPicture(4).Dimmed);
    LevelTo({1, 2, 3, 5});
    EXPECT_FALSE(calc.CanLevel(4));
    LevelTo({5});
    EXPECT_TRUE(calc.CanLevel(4));
    EXPECT_EQ(calc.State().HeroLevel, 5);
}

TEST_F(CalculatorTest, FirstLevelAddsTheLineAndTheLearnAura) {
    ASSERT_TRUE(calc.LevelUp(1));
    EXPECT_EQ(calc.State().HeroLevel, 1);
    EXPECT_EQ(calc.LevelCaption(), "- 1 lvl -");
    EXPECT_EQ(calc.BuildOrderLines(), std::vector<std::string>{"Stun"});
    EXPECT_EQ(AuraInSlot(1), devotion);
    EXPECT_EQ(calc.AuraPicture(1).Hint, "Devotion");
    EXPECT_EQ(calc.AuraPicture(1).IconIndex, devotion - 1);
    EXPECT_EQ(calc.AbilityPicture(1).LevelBadge, 0);
    EXPECT_FALSE(calc.LevelUp(1)); // level 2 of an ability waits for hero level 3
    EXPECT_EQ(calc.State().HeroLevel, 1);
    ASSERT_TRUE(calc.LevelUp(5));
    EXPECT_EQ(calc.LevelCaption(), "- 2 lvl -");
    EXPECT_EQ(calc.BuildOrderLines().back(), "Attribute Bonus");
    EXPECT_EQ(calc.Stats().StrengthBonus, 2);
    // The learn aura is only added once.
    ASSERT_TRUE(calc.LevelUp(1));
    EXPECT_EQ(calc.State().AuraSlots[0].Sources.size(), 1u);
}

TEST_F(CalculatorTest, TwentyFiveLevelsFillTheBuildOrder) {
    LevelTo({1, 2, 3, 1, 5, 4, 1, 2, 3, 1, 4, 2, 3, 2, 3, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    EXPECT_EQ(calc.State().HeroLevel, 25);
    for (int a = 1; a <= 5; ++a) {
        EXPECT_FALSE(calc.CanLevel(a));
    }
    EXPECT_FALSE(calc.LevelUp(5));
    for (int s = 1; s <= 6; ++s) {
        EXPECT_TRUE(calc.PlaceItem(s, ring));
    }
    EXPECT_EQ(calc.State().BuildOrderCount, 31);
    EXPECT_EQ(calc.BuildOrderLines().size(), 31u);
    EXPECT_EQ(calc.BuildOrderLineCode(30), 11);
}

TEST_F(CalculatorTest, LevelDownRemovesTheLastAbilityLineNotTheItemLine) {
    LevelTo({1, 2});
    ASSERT_TRUE(calc.PlaceItem(1, ring));
    ASSERT_TRUE(calc.LevelDown());
    EXPECT_EQ(calc.BuildOrderLines(), (std::vector<std::string>{"Stun", "> Ring <"}));
    EXPECT_EQ(calc.BuildOrderLineCode(1), 6);
    EXPECT_EQ(calc.State().BuildOrderCount, 2);
    EXPECT_EQ(calc.LevelCaption(), "- 1 lvl -");
    ASSERT_TRUE(calc.LevelDown());
    EXPECT_EQ(calc.LevelCaption(), "- 1 lvl -");
    EXPECT_EQ(calc.State().HeroLevel, 0);
    EXPECT_EQ(AuraInSlot(1), vigor); // devotion went with the last level of Stun
    EXPECT_FALSE(calc.LevelDown());
}

TEST_F(CalculatorTest, UnlearningAnActivatedAbilityDeactivatesItAndWithdrawsBothAuras) {
    b.Hero(paladin).Abilities[1].LearnAura = static_cast<std::uint8_t>(devotion);
    LevelTo({2});
    ASSERT_TRUE(calc.ToggleAbility(2));
    EXPECT_EQ(AuraInSlot(1), devotion);
    EXPECT_EQ(AuraInSlot(2), fury);
    EXPECT_EQ(calc.State().ParamAbility, 2);
    ASSERT_TRUE(calc.LevelDown());
    EXPECT_FALSE(calc.State().AbilityActive[1]);
    EXPECT_EQ(AuraInSlot(1), 0);
    EXPECT_EQ(calc.State().ParamAbility, 0);
    EXPECT_FALSE(calc.Editor(1).Enabled);
    EXPECT_EQ(calc.AuraPicture(1).Hint, "");
}

TEST_F(CalculatorTest, UnlearningAnAbilityNeverSwitchedOnKeepsOtherSourcesOfItsAura) {
    // The mask's activation supplies Fury's group; Rage was never switched on.
    b.Item(mask).ActiveAuras = {static_cast<std::uint8_t>(fury)};
    LevelTo({2});
    ASSERT_TRUE(calc.PlaceItem(1, mask));
    ASSERT_TRUE(calc.ToggleSlot(1));
    EXPECT_EQ(AuraInSlot(1), fury);
    ASSERT_TRUE(calc.LevelDown());
    EXPECT_EQ(AuraInSlot(1), fury);
}

TEST_F(CalculatorTest, OnePerHeroRefusesAVariantOfTheSameGroupAndTheSameName) {
    ASSERT_TRUE(calc.PlaceItem(1, speedBoots));
    EXPECT_FALSE(calc.PlaceItem(2, travelBoots));
    EXPECT_EQ(calc.State().ItemSlots[1].ItemNumber, 0);
    EXPECT_EQ(calc.BuildOrderLines().size(), 1u);
    ASSERT_TRUE(calc.PlaceItem(2, vanguard));
    EXPECT_FALSE(calc.PlaceItem(3, vanguard));
    EXPECT_TRUE(calc.PlaceItem(3, ring));
    EXPECT_TRUE(calc.PlaceItem(4, ring));  // no flag: two copies are fine
    EXPECT_FALSE(calc.PlaceItem(4, mask)); // the slot is filled
    EXPECT_EQ(calc.Stats().TotalPrice, 500 + 200 + 100 + 100);
}

TEST_F(CalculatorTest, CopiesAddTheirPassiveAurasAndEachRemovalWithdrawsOnce) {
    ASSERT_TRUE(calc.PlaceItem(1, ring));
    ASSERT_TRUE(calc.PlaceItem(2, ring));
    EXPECT_EQ(calc.State().AuraSlots[0].Sources.size(), 2u);
    ASSERT_TRUE(calc.RemoveItem(1));
    EXPECT_EQ(AuraInSlot(1), vigor);
    ASSERT_TRUE(calc.RemoveItem(2));
    EXPECT_EQ(AuraInSlot(1), 0);
    EXPECT_FALSE(calc.RemoveItem(2));
}

TEST_F(CalculatorTest, ItemLineTextAndSlotPicture) {
    ASSERT_TRUE(calc.PlaceItem(3, mask));
    EXPECT_EQ(calc.BuildOrderLines().back(), "> Mask <");
    EXPECT_EQ(BuildOrderLineColour(calc.BuildOrderLineCode(0)), (Rgb{255, 128, 64}));
    EXPECT_EQ(BuildOrderLineColour(1), (Rgb{81, 102, 165}));
    EXPECT_EQ(BuildOrderLineColour(0), std::nullopt);
    const SlotPictureView view = calc.SlotPicture(3);
    EXPECT_FALSE(view.Empty);
    EXPECT_EQ(view.IconIndex, b.Item(mask).ImageIndex);
    EXPECT_TRUE(view.BronzeFrame);
    EXPECT_FALSE(view.GoldFrame);
    EXPECT_TRUE(calc.SlotPicture(4).Empty);
    EXPECT_EQ(ItemLineText(std::string(60, 'x')), "> " + std::string(50, 'x') + " <");
}

TEST_F(CalculatorTest, RemovingSlotThreeDeletesItsLineOnly) {
    LevelTo({1});
    ASSERT_TRUE(calc.PlaceItem(3, ring));
    LevelTo({2});
    ASSERT_TRUE(calc.PlaceItem(1, vanguard));
    ASSERT_TRUE(calc.RemoveItem(3));
    EXPECT_EQ(calc.BuildOrderLines(), (std::vector<std::string>{"Stun", "Rage", "> Vanguard <"}));
    EXPECT_EQ(calc.BuildOrderLineCode(2), 6);
    EXPECT_EQ(calc.State().BuildOrder[3], 0);
}

TEST_F(CalculatorTest, ActivatingOneCopyLightsBothAndAddsTheAuraOncePerClick) {
    ASSERT_TRUE(calc.PlaceItem(1, mask));
    ASSERT_TRUE(calc.PlaceItem(2, mask));
    EXPECT_EQ(calc.SlotMenu(2).ActivateCaption, Cp1251FromUtf8("Активировать"));
    ASSERT_TRUE(calc.ToggleSlot(2));
    EXPECT_TRUE(calc.SlotPicture(1).GoldFrame);
    EXPECT_TRUE(calc.SlotPicture(2).GoldFrame);
    EXPECT_EQ(calc.State().AuraSlots[0].Sources.size(), 1u);
    EXPECT_EQ(calc.SlotMenu(1).ActivateCaption, Cp1251FromUtf8("Деактивировать"));
    EXPECT_EQ(calc.Stats().AttackSpeed, 40); // unique effects count once
    EXPECT_FALSE(calc.SlotMenu(3).ActivateVisible);
    EXPECT_FALSE(calc.ToggleSlot(3));
}

TEST_F(CalculatorTest, ACopyPlacedBesideAnActivatedOneStartsActiveInAnySlot) {
    ASSERT_TRUE(calc.PlaceItem(1, mask));
    ASSERT_TRUE(calc.ToggleSlot(1));
    ASSERT_TRUE(calc.PlaceItem(4, mask));
    EXPECT_TRUE(calc.State().SlotActive[3]);
    ASSERT_TRUE(calc.ToggleSlot(4));
    ASSERT_TRUE(calc.RemoveItem(1));
    ASSERT_TRUE(calc.PlaceItem(1, mask));
    EXPECT_FALSE(calc.State().SlotActive[0]);
}

TEST_F(CalculatorTest, RemovingTheLastActivatedCopyWithdrawsItsActivationAuras) {
    ASSERT_TRUE(calc.PlaceItem(1, mask));
    ASSERT_TRUE(calc.PlaceItem(2, mask));
    ASSERT_TRUE(calc.ToggleSlot(1));
    ASSERT_TRUE(calc.RemoveItem(1));
    EXPECT_EQ(AuraInSlot(1), fury2); // the other copy is still on
    ASSERT_TRUE(calc.RemoveItem(2));
    EXPECT_EQ(AuraInSlot(1), 0);
}

TEST_F(CalculatorTest, DraggingItemLinesReordersTheProcs) {
    b.Hero(paladin).Ranged = true;
    LevelTo({1});                           // Stun: 20 % bash
    ASSERT_TRUE(calc.PlaceItem(1, basher)); // 10 % bash, acquired last: fires first
    const double before = calc.Stats().BashDps;
    EXPECT_FALSE(calc.MoveBuildOrderLine(0, 1)); // ability lines stay
    EXPECT_FALSE(calc.MoveBuildOrderLine(1, 2)); // no line there
    EXPECT_FALSE(calc.MoveBuildOrderLine(1, -1));
    ASSERT_TRUE(calc.MoveBuildOrderLine(1, 0));
    EXPECT_EQ(calc.BuildOrderLines(), (std::vector<std::string>{"> Basher <", "Stun"}));
    EXPECT_EQ(calc.BuildOrderLineCode(0), 6);
    EXPECT_EQ(calc.BuildOrderLineCode(1), 1);
    // Stun (20 % x 30) now fires first: 0.2 x 30 + 0.8 x 0.1 x 40 against
    // 0.1 x 40 + 0.9 x 0.2 x 30 before.
    EXPECT_NEAR(calc.Stats().BashDps * calc.Stats().AttackCooldown, 6 + 3.2, 1e-9);
    EXPECT_NEAR(before * calc.Stats().AttackCooldown, 4 + 5.4, 1e-9);
}

TEST_F(CalculatorTest, AbilityMenuEntries) {
    AbilityMenuView menu = calc.AbilityMenu(2);
    EXPECT_FALSE(menu.ActivateVisible);
    EXPECT_FALSE(menu.ConfigureVisible);
    EXPECT_FALSE(calc.AbilityMenu(5).ActivateVisible);
    EXPECT_FALSE(calc.ToggleAbility(2));
    LevelTo({2, 3, 5});
    menu = calc.AbilityMenu(2);
    EXPECT_TRUE(menu.ActivateVisible);
    EXPECT_EQ(menu.ActivateCaption, Cp1251FromUtf8("Активировать"));
    EXPECT_FALSE(menu.ConfigureVisible); // not switched on
    EXPECT_FALSE(calc.AbilityMenu(3).ActivateVisible);
    EXPECT_TRUE(calc.AbilityMenu(3).ConfigureVisible); // passive with a parameter
    EXPECT_FALSE(calc.AbilityMenu(5).ConfigureVisible);
    EXPECT_TRUE(calc.AbilityPicture(3).GoldFrame);
    EXPECT_TRUE(calc.AbilityPicture(2).BronzeFrame);
    EXPECT_FALSE(calc.AbilityPicture(2).GoldFrame);
    EXPECT_FALSE(calc.AbilityPicture(4).BronzeFrame);
}

TEST_F(CalculatorTest, SwitchingAnAbilityOnOpensItsEditorsAtOnce) {
    LevelTo({2});
    ASSERT_TRUE(calc.ToggleAbility(2));
    EXPECT_EQ(calc.State().ParamAbility, 2);
    EXPECT_EQ(calc.Editor(1).Label, "Stacks");
    EXPECT_EQ(calc.Editor(1).Text, "3" + Cp1251FromUtf8(" из ") + "5");
    EXPECT_TRUE(calc.Editor(1).Enabled);
    EXPECT_EQ(calc.Editor(2).Label, "Roar");
    EXPECT_EQ(calc.Editor(2).Text, Cp1251FromUtf8("Да"));
    EXPECT_TRUE(calc.Editor(2).ReadOnly);
    EXPECT_FALSE(calc.Editor(3).Enabled);
    EXPECT_EQ(calc.Stats().AttackSpeed, 30);
    EXPECT_EQ(calc.AbilityMenu(2).ActivateCaption, Cp1251FromUtf8("Деактивировать"));
    EXPECT_TRUE(calc.AbilityMenu(2).ConfigureVisible);
    EXPECT_TRUE(calc.AbilityPicture(2).GoldFrame);

    ASSERT_TRUE(calc.ToggleAbility(2));
    EXPECT_EQ(calc.State().ParamAbility, 0);
    EXPECT_FALSE(calc.Editor(1).Enabled);
    EXPECT_EQ(calc.Editor(1).Label, "");
    EXPECT_FALSE(calc.State().AbilityParams[1][0].Used);
    EXPECT_EQ(calc.Stats().AttackSpeed, 0);
    EXPECT_EQ(AuraInSlot(1), 0);
}

TEST_F(CalculatorTest, SwitchingOneAbilityOffKeepsAnotherAbilitysValues) {
    LevelTo({2, 3});
    ASSERT_TRUE(calc.ConfigureAbility(3));
    ASSERT_TRUE(calc.EditorArrow(1, true));
    EXPECT_EQ(calc.State().AbilityParams[2][0].Value, 2);
    ASSERT_TRUE(calc.ToggleAbility(2)); // editors now show Rage
    ASSERT_TRUE(calc.ConfigureAbility(3));
    EXPECT_EQ(calc.State().ParamAbility, 3);
    EXPECT_FALSE(calc.Editor(2).Enabled); // Aim has one parameter only
    ASSERT_TRUE(calc.ToggleAbility(2));
    EXPECT_EQ(calc.State().AbilityParams[2][0].Value, 2);
    EXPECT_EQ(calc.State().ParamAbility, 3);
    EXPECT_TRUE(calc.Editor(1).Enabled);
}

TEST_F(CalculatorTest, TypedNumbersAreFilteredParsedAndClamped) {
    LevelTo({2});
    ASSERT_TRUE(calc.ToggleAbility(2));
    const std::string of = Cp1251FromUtf8(" из ");
    ASSERT_TRUE(calc.TypeIntoEditor(1, "99"));
    EXPECT_EQ(calc.Editor(1).Text, "5" + of + "5");
    EXPECT_EQ(calc.Stats().AttackSpeed, 50);
    ASSERT_TRUE(calc.TypeIntoEditor(1, "a2b"));
    EXPECT_EQ(calc.State().AbilityParams[1][0].Value, 2);
    ASSERT_TRUE(calc.TypeIntoEditor(1, ""));
    EXPECT_EQ(calc.State().AbilityParams[1][0].Value, 2);
    ASSERT_TRUE(calc.TypeIntoEditor(1, "-"));
    EXPECT_EQ(calc.Editor(1).Text, "2" + of + "5");
    ASSERT_TRUE(calc.TypeIntoEditor(1, "-7"));
    EXPECT_EQ(calc.State().AbilityParams[1][0].Value, 0);
    ASSERT_TRUE(calc.TypeIntoEditor(1, "4\b3"));
    EXPECT_EQ(calc.State().AbilityParams[1][0].Value, 3);
    ASSERT_TRUE(calc.TypeIntoEditor(1, "1\r4"));
    EXPECT_EQ(calc.State().AbilityParams[1][0].Value, 1);
    ASSERT_TRUE(calc.TypeIntoEditor(1, "99999999999"));
    EXPECT_EQ(calc.State().AbilityParams[1][0].Value, 1);
    // A yes/no field takes no typing but flips with the arrows.
    ASSERT_TRUE(calc.TypeIntoEditor(2, "0"));
    EXPECT_EQ(calc.State().AbilityParams[1][1].Value, 1);
    ASSERT_TRUE(calc.EditorArrow(2, false));
    EXPECT_EQ(calc.Editor(2).Text, Cp1251FromUtf8("Нет"));
    EXPECT_FALSE(calc.TypeIntoEditor(3, "1"));
    EXPECT_FALSE(calc.EditorArrow(3, true));
}

TEST_F(CalculatorTest, ArrowsStopAtTheRange) {
    LevelTo({3});
    ASSERT_TRUE(calc.ConfigureAbility(3));
    ASSERT_TRUE(calc.EditorArrow(1, false));
    ASSERT_TRUE(calc.EditorArrow(1, false));
    EXPECT_EQ(calc.State().AbilityParams[2][0].Value, 0);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(calc.EditorArrow(1, true));
    }
    EXPECT_EQ(calc.Editor(1).Text, "3" + Cp1251FromUtf8(" из ") + "3");
}

TEST_F(CalculatorTest, ResetClearsTheWholeBuildAurasAndHints) {
    LevelTo({1, 2});
    ASSERT_TRUE(calc.ToggleAbility(2));
    ASSERT_TRUE(calc.PlaceItem(1, ring));
    ASSERT_TRUE(calc.ShowHero());
    EXPECT_EQ(calc.State().HeroLevel, 0);
    EXPECT_TRUE(calc.BuildOrderLines().empty());
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(AuraInSlot(slot), 0);
        EXPECT_TRUE(calc.State().AuraSlots[slot - 1].Sources.empty());
        EXPECT_EQ(calc.AuraPicture(slot).Hint, "");
        EXPECT_EQ(calc.AuraPicture(slot).IconIndex, -1);
    }
    EXPECT_FALSE(calc.State().AbilityActive[1]);
    EXPECT_FALSE(calc.Editor(1).Enabled);
    // A later aura change must not bring back the old build's auras.
    ASSERT_TRUE(calc.PlaceItem(1, ring));
    EXPECT_EQ(AuraInSlot(1), vigor);
    EXPECT_EQ(AuraInSlot(2), 0);
}

TEST_F(CalculatorTest, ALinkDoesNotOutliveItsAbility) {
    b.Hero(paladin).Abilities[1].LinkItem = static_cast<std::uint8_t>(vanguard);
    b.Item(vanguard).UniqueEffects = ItemEffect(EffectCode::AttackSpeed, {25});
    LevelTo({2});
    ASSERT_TRUE(calc.ToggleAbility(2));
    EXPECT_TRUE(calc.State().AbilityItemLinks[1].Linked);
    ASSERT_TRUE(calc.ChooseHero(other));
    ASSERT_TRUE(calc.PlaceItem(1, vanguard));
    EXPECT_EQ(calc.Stats().AttackSpeed, 25);
    // Unlearning an ability switches its link off as well.
    ASSERT_TRUE(calc.ChooseHero(paladin));
    LevelTo({2});
    ASSERT_TRUE(calc.ToggleAbility(2));
    ASSERT_TRUE(calc.LevelDown());
    ASSERT_TRUE(calc.PlaceItem(1, vanguard));
    EXPECT_EQ(calc.Stats().AttackSpeed, 25);
}

TEST_F(CalculatorTest, SlotItemActivationDecidesTheLink) {
    b.Hero(paladin).Abilities[1].LinkItem = static_cast<std::uint8_t>(mask);
    LevelTo({2});
    ASSERT_TRUE(calc.PlaceItem(1, mask));
    ASSERT_TRUE(calc.ToggleAbility(2));
    EXPECT_EQ(calc.Stats().AttackSpeed, 30); // the ability prevails
    ASSERT_TRUE(calc.ToggleSlot(1));
    EXPECT_FALSE(calc.State().AbilityItemLinks[1].AbilityPrevails);
    EXPECT_EQ(calc.Stats().AttackSpeed, 40); // now the item does
    ASSERT_TRUE(calc.RemoveItem(1));
    EXPECT_TRUE(calc.State().AbilityItemLinks[1].AbilityPrevails);
    EXPECT_EQ(calc.Stats().AttackSpeed, 30);
}

TEST_F(CalculatorTest, RemovingOneOfTwoActivatedCopiesKeepsTheItemPrevailing) {
    b.Hero(paladin).Abilities[1].LinkItem = static_cast<std::uint8_t>(mask);
    LevelTo({2});
    ASSERT_TRUE(calc.ToggleAbility(2));
    ASSERT_TRUE(calc.PlaceItem(1, mask));
    ASSERT_TRUE(calc.PlaceItem(2, mask));
    ASSERT_TRUE(calc.ToggleSlot(1));
    EXPECT_EQ(calc.Stats().AttackSpeed, 40);
    ASSERT_TRUE(calc.RemoveItem(1));
    // The copy left in slot 2 is still switched on, so the item still wins.
    EXPECT_TRUE(calc.SlotPicture(2).GoldFrame);
    EXPECT_FALSE(calc.State().AbilityItemLinks[1].AbilityPrevails);
    EXPECT_EQ(calc.Stats().AttackSpeed, 40);
    ASSERT_TRUE(calc.RemoveItem(2));
    EXPECT_TRUE(calc.State().AbilityItemLinks[1].AbilityPrevails);
    EXPECT_EQ(calc.Stats().AttackSpeed, 30);
}

TEST_F(CalculatorTest, OrbPictureChoice) {
    EXPECT_EQ(calc.OrbPicture().Kind, OrbPictureKind::NoOrb);
    b.AddCategory("Cold");
    b.AddCategory("Leech");
    const int frost = b.AddItemOrb(1, 30, 10, 0);
    const int leech = b.AddItemOrb(2, 0, 0, 10);
    b.Item(ring).OrbCode = static_cast<std::uint8_t>(frost);
    b.Item(vanguard).OrbCode = static_cast<std::uint8_t>(leech);
    b.Catalogue.MeleeOrbTable.push_back(TOrbPair{1, 2, 5});
    ASSERT_TRUE(calc.PlaceItem(1, ring));
    EXPECT_EQ(calc.OrbPicture().Kind, OrbPictureKind::Single);
    EXPECT_EQ(calc.OrbPicture().FirstIcon, 0);
    ASSERT_TRUE(calc.PlaceItem(2, vanguard));
    EXPECT_EQ(calc.OrbPicture().Kind, OrbPictureKind::NoOrbWorks);
    b.Catalogue.MeleeOrbTable[0].Result = 6;
    ASSERT_TRUE(calc.RemoveItem(2));
    ASSERT_TRUE(calc.PlaceItem(2, vanguard));
    EXPECT_EQ(calc.OrbPicture().Kind, OrbPictureKind::Pair);
    EXPECT_EQ(calc.OrbPicture().SecondIcon, 1);
}

TEST_F(CalculatorTest, GesturesWithoutAHeroOrOutOfRangeAreRefused) {
    Calculator empty{b.Catalogue};
    EXPECT_FALSE(empty.LevelUp(1));
    EXPECT_FALSE(empty.PlaceItem(1, ring));
    EXPECT_FALSE(empty.ShowHero());
    EXPECT_FALSE(empty.ChooseHero(9));
    EXPECT_FALSE(calc.PlaceItem(7, ring));
    EXPECT_FALSE(calc.PlaceItem(1, 99));
    EXPECT_FALSE(calc.LevelUp(6));
    EXPECT_FALSE(calc.ToggleAbility(0));
    EXPECT_FALSE(calc.ToggleSlot(-1));
    EXPECT_FALSE(calc.EditorArrow(4, true));
    EXPECT_EQ(calc.AuraPicture(11).IconIndex, -1);
}

} // namespace
} // namespace zephyr
