#include "effect_syntax.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zephyr::pack {
namespace {

TEffectList Assemble(std::initializer_list<const char*> lines, ProgramKind kind) {
    TEffectList program;
    for (const char* line : lines) {
        AssembleEffect(line, kind, program);
    }
    return program;
}

TEST(EffectSyntax, ItemEffectsLayOutTwoTokensPerArgument) {
    const TEffectList program = Assemble({"Bash(10, 40.5, 0)"}, ProgramKind::Item);
    // code, opener, arg, separator, arg, separator, arg, end: argument k sits 2k after the code
    ASSERT_EQ(program.size(), 8u);
    EXPECT_EQ(program[0], (TEffectToken{true, 1027}));
    EXPECT_EQ(program[2], (TEffectToken{false, 1000}));
    EXPECT_EQ(program[4], (TEffectToken{false, 4050}));
    EXPECT_EQ(program[6], (TEffectToken{false, 0}));
    EXPECT_EQ(program[7], (TEffectToken{true, 0}));
}

TEST(EffectSyntax, FormulasBecomeOperatorAndVariableTokens) {
    const TEffectList program = Assemble({"Damage(3 * STR + 10)"}, ProgramKind::Level);
    const TEffectList expected = {{true, 1008},  {true, 1}, {false, 300},  {true, 4},
                                  {true, 10001}, {true, 2}, {false, 1000}, {true, 0}};
    EXPECT_EQ(program, expected);
    const TEffectList negative = Assemble({"Armor(-2 - P1 / 4)"}, ProgramKind::Level);
    EXPECT_EQ(negative[2], (TEffectToken{false, -200}));
    EXPECT_EQ(negative[3], (TEffectToken{true, 3}));
    EXPECT_EQ(negative[4], (TEffectToken{true, 10004}));
}

TEST(EffectSyntax, ProgramsReadBackAsTheyWereWritten) {
    const std::vector<std::string> level = {"NumberParam(0, 5, 3)", "Damage(P1 * 25 + HP / 4)",
                                            "Shield(SPEED - 100, 400)", "YesNoParam(1)"};
    TEffectList program;
    for (const std::string& line : level) {
        AssembleEffect(line, ProgramKind::Level, program);
    }
    EXPECT_EQ(DisassembleProgram(program, ProgramKind::Level), level);

    const std::vector<std::string> item = {"AttackSpeed(15)", "HpRegen(0.75)", "Crit(20, 2.5)"};
    program.clear();
    for (const std::string& line : item) {
        AssembleEffect(line, ProgramKind::Item, program);
    }
    EXPECT_EQ(DisassembleProgram(program, ProgramKind::Item), item);
}

TEST(EffectSyntax, MalformedTokensAreShownRaw) {
    const TEffectList program = {{true, 1099}, {false, 500},  {true, 1014},
                                 {true, 1},    {false, 1500}, {true, 0}};
    EXPECT_EQ(DisassembleProgram(program, ProgramKind::Item),
              (std::vector<std::string>{"Tokens(c1099, 5)", "AttackSpeed(15)"}));
    // The ultimate's level 4 cut to one token.
    EXPECT_EQ(DisassembleProgram({{true, 1008}}, ProgramKind::Level),
              std::vector<std::string>{"Tokens(c1008)"});
}

TEST(EffectSyntax, MistakesAreExplained) {
    const auto reason = [](const char* line, ProgramKind kind) {
        TEffectList program;
        try {
            AssembleEffect(line, kind, program);
        } catch (const std::invalid_argument& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(reason("Dammage(5)", ProgramKind::Item), "unknown effect \"Dammage\"");
    EXPECT_EQ(reason("Bash(10, 40)", ProgramKind::Item), "Bash takes 3 arguments, found 2");
    EXPECT_EQ(reason("Damage(STR)", ProgramKind::Item), "\"STR\" is not a number");
    EXPECT_EQ(reason("Damage(1.005)", ProgramKind::Item), "\"1.005\" has more than two decimals");
    EXPECT_EQ(reason("Damage(2 *)", ProgramKind::Level), "a formula ends with an operator");
    EXPECT_NE(reason("Damage(2 * FOO)", ProgramKind::Level).find("unknown variable \"FOO\""),
              std::string::npos);
    EXPECT_EQ(reason("Damage 5", ProgramKind::Item), "an effect is written Name(argument, ...)");
}

TEST(EffectSyntax, NumbersPrintWithoutTrailingZeros) {
    EXPECT_EQ(FormatHundredths(150), "1.5");
    EXPECT_EQ(FormatHundredths(-5), "-0.05");
    EXPECT_EQ(FormatHundredths(1200), "12");
    EXPECT_EQ(FormatHundredths(INT32_MIN), "-21474836.48");
}

} // namespace
} // namespace zephyr::pack
