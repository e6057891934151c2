#include "data/effect_code.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

// Catalogues already in users' hands store these numbers: a renumbering of
// the vocabulary would silently change what every stored program does.
TEST(EffectVocabulary, StoredNumbersStayPut) {
    EXPECT_EQ(CodeValue(EffectCode::AttackTime), 1000);
    EXPECT_EQ(CodeValue(EffectCode::NumberParam), 1004);
    EXPECT_EQ(CodeValue(EffectCode::MagicResist), 1023);
    EXPECT_EQ(CodeValue(EffectCode::Bash), 1027);
    EXPECT_EQ(CodeValue(EffectCode::AttackTypeBash), 1031);
    EXPECT_EQ(CodeValue(EffectCode::LateDamage), 1034);
    EXPECT_EQ(CodeValue(EffectCode::Shield), 1037);
    EXPECT_EQ(CodeValue(FormulaOperator::Plus), 2);
    EXPECT_EQ(CodeValue(FormulaOperator::Divide), 5);
    EXPECT_EQ(CodeValue(FormulaVariable::AttackTime), 10000);
    EXPECT_EQ(CodeValue(FormulaVariable::Param1), 10004);
    EXPECT_EQ(CodeValue(FormulaVariable::HitPoints), 10009);
    EXPECT_EQ(CodeValue(FormulaVariable::MoveSpeed), 10015);
    EXPECT_EQ(kSeparatorToken, 8);
    EXPECT_EQ(kEndToken, 0);
}

TEST(EffectVocabulary, LookupsByNumberAndByName) {
    EXPECT_EQ(FindEffect(999), nullptr);
    EXPECT_EQ(FindEffect(1038), nullptr);
    ASSERT_NE(FindEffect(1027), nullptr);
    EXPECT_EQ(FindEffect(1027)->Name, "Bash");
    EXPECT_EQ(FindEffect("Crit")->Code, EffectCode::Crit);
    EXPECT_EQ(FindEffect("crit"), nullptr); // names are matched exactly
    EXPECT_EQ(FindEffect(""), nullptr);
    for (const EffectInfo& info : kEffects) {
        EXPECT_EQ(FindEffect(info.Name), &info) << info.Name;
        EXPECT_EQ(FindEffect(CodeValue(info.Code)), &info) << info.Name;
    }
    EXPECT_EQ(EffectArgumentCount(1031), 4);
    EXPECT_EQ(EffectArgumentCount(1004), 3);
    EXPECT_EQ(EffectArgumentCount(1037), 2);
    EXPECT_EQ(EffectArgumentCount(1000), 1);
    EXPECT_EQ(EffectArgumentCount(8), 0);

    EXPECT_EQ(FindVariable(9999), nullptr);
    EXPECT_EQ(FindVariable(10016), nullptr);
    EXPECT_EQ(FindVariable(10001)->Name, "STR");
    EXPECT_EQ(FindVariable("SPEED")->Variable, FormulaVariable::MoveSpeed);
    EXPECT_EQ(FindVariable("P4"), nullptr);
    EXPECT_EQ(OperatorOf(1), std::nullopt);
    EXPECT_EQ(OperatorOf(4), FormulaOperator::Times);
    EXPECT_EQ(OperatorOf(6), std::nullopt);
    EXPECT_EQ(OperatorSymbol(FormulaOperator::Minus), '-');
}

// Which list may hold which effect decides what a stored program does: an
// item's AttackTypeBash is the only one that looks at the attack type, the
// parameter definitions and the last two codes belong to abilities, and the
// late bonuses do not stack.
TEST(EffectVocabulary, EachEffectActsInItsLists) {
    const auto lists = [](EffectCode code) {
        const EffectInfo& info = Effect(code);
        return std::string(info.ActsIn(EffectList::Stacking) ? "S" : "") +
               (info.ActsIn(EffectList::Unique) ? "U" : "") +
               (info.ActsIn(EffectList::Level) ? "L" : "");
    };
    EXPECT_EQ(lists(EffectCode::Strength), "SUL");
    EXPECT_EQ(lists(EffectCode::MagicalProc), "SUL");
    EXPECT_EQ(lists(EffectCode::AttackTypeBash), "SU");
    EXPECT_EQ(lists(EffectCode::NumberParam), "L");
    EXPECT_EQ(lists(EffectCode::YesNoParam), "L");
    EXPECT_EQ(lists(EffectCode::LateDamage), "UL");
    EXPECT_EQ(lists(EffectCode::LateMagicalDamage), "UL");
    EXPECT_EQ(lists(EffectCode::RegenerationBase), "L");
    EXPECT_EQ(lists(EffectCode::Shield), "L");
}

} // namespace
} // namespace zephyr
