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

TEST(EffectDescriptions, ParametersAreNamedByTheirCaptionsInOrder) {
    EffectDescriber describer({"Stacks", "", "Planted"});
    EXPECT_EQ(describer.Describe("NumberParam(0, 5, 3)"),
              "Параметр «Stacks»: от 0 до 5, сначала 3");
    EXPECT_EQ(describer.Describe("YesNoParam(1)"), "Переключатель «параметр 2», сначала включён");
    EXPECT_EQ(describer.Describe("Damage(P1 * 25 - P3)"), "Урон +«Stacks» · 25 - «Planted»");
}

} // namespace
} // namespace zephyr::pack
