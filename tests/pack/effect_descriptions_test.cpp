#include "effect_descriptions.h"

#include <gtest/gtest.h>

namespace zephyr::pack {
namespace {

TEST(EffectDescriptions, EffectsReadAsRussianSentences) {
    EffectDescriber describer;
    EXPECT_EQ(describer.Describe("Bash(8, 30, 0)"), "Оглушение: шанс 8%, урон 30");
    EXPECT_EQ(describer.Describe("Armor(-2)"), "Броня -2");
    EXPECT_EQ(describer.Describe("Damage(3 * STR + 10)"), "Урон +3 · сила + 10");
    EXPECT_EQ(describer.Describe("Shield(HP / 4, 300)"),
              "Щит: поглощает здоровье / 4, но не больше 300");
    EXPECT_EQ(describer.Describe("Tokens(c1099, 5)"), "Tokens(c1099, 5)");
}

// A Russian reader writes 2,5, and the dot stays where it is no decimal.
TEST(EffectDescriptions, DecimalsTakeTheRussianComma) {
    EffectDescriber describer;
    EXPECT_EQ(describer.Describe("Crit(20, 2.5)"), "Критический удар: шанс 20%, множитель 2,5");
    EXPECT_EQ(describer.Describe("HpRegen(-0.75)"), "Восстановление здоровья -0,75");
    EXPECT_EQ(describer.Describe("Damage(0.5 * STR - 1.25)"), "Урон +0,5 · сила - 1,25");
    // A sum of plain numbers is the number it makes.
    EXPECT_EQ(describer.Describe("Range(0 - 422)"), "Дальность атаки -422");
    EXPECT_EQ(describer.Describe("Range(100 - 25 + 5)"), "Дальность атаки +80");
    EXPECT_EQ(describer.Describe("HpRegen(1.5 + 0.25)"), "Восстановление здоровья +1,75");
    EXPECT_EQ(describer.Describe("HpRegen(0.25 - 1)"), "Восстановление здоровья -0,75");
    EXPECT_EQ(describer.Describe("Range(5 - 5)"), "Дальность атаки +0");
    EXPECT_EQ(describer.Describe("NumberParam(0.5, 5, 1.5)"),
              "Параметр «параметр 1»: от 0,5 до 5, сначала 1,5");
    EXPECT_EQ(RussianDecimal("Tokens(c1.5)"), "Tokens(c1.5)");
    EXPECT_EQ(RussianDecimal("12"), "12");
    EXPECT_EQ(RussianDecimal("-"), "-");
}

TEST(EffectDescriptions, ParametersAreNamedByTheirCaptionsInOrder) {
    EffectDescriber describer({"Stacks", "", "Planted"});
    EXPECT_EQ(describer.Describe("NumberParam(0, 5, 3)"),
              "Параметр «Stacks»: от 0 до 5, сначала 3");
    EXPECT_EQ(describer.Describe("YesNoParam(1)"), "Переключатель «параметр 2», сначала включён");
    EXPECT_EQ(describer.Describe("Damage(P1 * 25 - P3)"), "Урон +«Stacks» · 25 - «Planted»");
}

} // namespace
} // namespace zephyr::pack
