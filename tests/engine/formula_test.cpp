#include "catalogue_builder.h"

#include "engine/formula.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using namespace test;

class FormulaTest : public ::testing::Test {
protected:
    FormulaTest() { b.AddHero(MakeHero("Tester")); }

    double Eval(const TEffectList& tokens, int ability = 1) {
        StatRun run(b.Catalogue, state, b.Catalogue.Heroes[0], stats);
        run.SpeedFlat = speedFlat;
        run.SpeedPercent = speedPercent;
        return EvaluateFormula(run, tokens, ability);
    }

    CatalogueBuilder b;
    BuildState state;
    HeroStats stats;
    std::int32_t speedFlat = 0;
    std::int32_t speedPercent = 0;
};

TEST_F(FormulaTest, LiteralsAreHundredths) {
    EXPECT_DOUBLE_EQ(Eval({Lit(1.5)}), 1.5);
}

TEST_F(FormulaTest, ProductsBindTighterThanSums) {
    EXPECT_DOUBLE_EQ(Eval({Lit(2), Plus(), Lit(3), Times(), Lit(4)}), 14);
    EXPECT_DOUBLE_EQ(Eval({Lit(2), Times(), Lit(3), Plus(), Lit(4)}), 10);
    EXPECT_DOUBLE_EQ(Eval({Lit(8), Divide(), Lit(2), Divide(), Lit(2)}), 2);
    EXPECT_DOUBLE_EQ(Eval({Lit(1), Minus(), Lit(2), Plus(), Lit(3)}), 2);
    EXPECT_DOUBLE_EQ(Eval({Lit(10), Minus(), Lit(2), Times(), Lit(3), Minus(), Lit(1)}), 3);
}

TEST_F(FormulaTest, VariablesReadTheRunSoFar) {
    stats.StrengthBase = 20;
    stats.StrengthBonus = 5;
    stats.HitPoints = 100;
    stats.AttackCooldown = 1.7;
    EXPECT_DOUBLE_EQ(Eval({Lit(3), Times(), Var(FormulaVariable::Strength)}), 75);
    // hit points as shown: 25 x 19 + 100 + 150 = 725
    EXPECT_DOUBLE_EQ(Eval({Var(FormulaVariable::HitPoints), Divide(), Lit(4), Plus(), Lit(10)}),
                     725 / 4.0 + 10);
    EXPECT_DOUBLE_EQ(Eval({Var(FormulaVariable::AttackTime)}), 1.7);
    EXPECT_DOUBLE_EQ(Eval({Var(FormulaVariable::Zero1), Plus(), Var(FormulaVariable::Zero2)}), 0);
}

TEST_F(FormulaTest, ParameterAndLevelVariablesBelongToTheRunningAbility) {
    state.AbilityParams[1][0].Value = 3;
    state.AbilityParams[1][2].Value = 7;
    state.SkillPicks[0] = 2;
    state.SkillPicks[1] = 2;
    state.SkillPicks[2] = 4;
    EXPECT_DOUBLE_EQ(Eval({Var(FormulaVariable::Param1), Plus(), Var(FormulaVariable::Param3)}, 2),
                     10);
    EXPECT_DOUBLE_EQ(Eval({Var(FormulaVariable::Param1)}, 1), 0);
    EXPECT_DOUBLE_EQ(Eval({Var(FormulaVariable::Level2), Times(), Lit(10), Plus(),
                           Var(FormulaVariable::Level4)}),
                     21);
}

TEST_F(FormulaTest, SpeedVariableIsCappedAndNeverAnOperator) {
    stats.MoveSpeed = 300;
    speedFlat = 50;
    speedPercent = 40;
    EXPECT_NEAR(Eval({Var(FormulaVariable::MoveSpeed)}), 490, 1e-9);
    speedPercent = 100;
    EXPECT_DOUBLE_EQ(Eval({Var(FormulaVariable::MoveSpeed), Minus(), Lit(22)}), 500);
}

TEST_F(FormulaTest, MissingOperandsCountAsZero) {
    EXPECT_DOUBLE_EQ(Eval({}), 0);
    EXPECT_DOUBLE_EQ(Eval({Plus(), Lit(5)}), 5);
    EXPECT_DOUBLE_EQ(Eval({Lit(5), Times()}), 0);
    EXPECT_DOUBLE_EQ(Eval({Lit(5), Minus()}), 5);
    EXPECT_DOUBLE_EQ(Eval({Times(), Lit(5)}), 0);
    EXPECT_DOUBLE_EQ(Eval({Lit(2), Code(EffectCode::Strength), Plus(), Lit(1)}),
                     1); // unknown code is no number
}

TEST_F(FormulaTest, LongFormulasHaveNoLengthLimit) {
    TEffectList tokens{Lit(1)};
    for (int i = 0; i < 500; ++i) {
        tokens.push_back(Plus());
        tokens.push_back(Lit(1));
    }
    EXPECT_DOUBLE_EQ(Eval(tokens), 501);
}

} // namespace
} // namespace zephyr
