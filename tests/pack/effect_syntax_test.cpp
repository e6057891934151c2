#include "effect_syntax.h"

#include "data/effect_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <stdexcept>

namespace zephyr::pack {
namespace {

// The disassembler as it was before it looked argument ends up in tables: it
// searched for each end afresh, which is slow on hostile programs but plainly
// right, so the faster walk must print exactly what this one prints.
namespace reference {

constexpr TEffectToken kOpener{true, kOpenerToken};

std::string FormulaText(const TEffectToken* begin, const TEffectToken* end, bool& ok) {
    std::string text;
    bool expectOperand = true;
    for (const TEffectToken* t = begin; t != end; ++t) {
        if (expectOperand) {
            if (!t->IsCode) {
                text += FormatHundredths(t->Value);
            } else if (const VariableInfo* variable = FindVariable(t->Value)) {
                text += variable->Name;
            } else {
                ok = false;
                return {};
            }
        } else {
            const std::optional<FormulaOperator> op =
                t->IsCode ? OperatorOf(t->Value) : std::nullopt;
            if (!op) {
                ok = false;
                return {};
            }
            text += std::string(" ") + OperatorSymbol(*op) + " ";
        }
        expectOperand = !expectOperand;
    }
    ok = ok && !expectOperand;
    return text;
}

std::string RawTokens(const TEffectToken* begin, const TEffectToken* end) {
    std::string text = "Tokens(";
    for (const TEffectToken* t = begin; t != end; ++t) {
        if (t != begin) {
            text += ", ";
        }
        if (t->IsCode) {
            text.append("c").append(std::to_string(t->Value));
        } else {
            text.append(FormatHundredths(t->Value));
        }
    }
    return text.append(")");
}

std::vector<std::string> DisassembleProgram(const TEffectList& program, ProgramKind kind) {
    std::vector<std::string> lines;
    const TEffectToken* const begin = program.data();
    const TEffectToken* const end = begin + program.size();
    const TEffectToken* t = begin;
    const TEffectToken* rawStart = nullptr;
    const auto flushRaw = [&](const TEffectToken* upTo) {
        if (rawStart != nullptr) {
            lines.push_back(RawTokens(rawStart, upTo));
            rawStart = nullptr;
        }
    };
    while (t != end) {
        const EffectInfo* effect = t->IsCode ? FindEffect(t->Value) : nullptr;
        const int count = effect != nullptr ? effect->ArgumentCount : 0;
        bool ok = effect != nullptr && end - t >= 2 && t[1] == kOpener;
        std::string text = effect != nullptr ? std::string(effect->Name) + "(" : std::string();
        const TEffectToken* cursor = t + 2;
        for (int k = 0; ok && k < count; ++k) {
            const std::int32_t stop = k + 1 < count ? kSeparatorToken : kEndToken;
            const TEffectToken* argEnd = cursor;
            while (argEnd != end && !(argEnd->IsCode && argEnd->Value == stop)) {
                ++argEnd;
            }
            if (kind == ProgramKind::Item && argEnd - cursor != 1) {
                ok = false;
                break;
            }
            if (argEnd == end && stop == kSeparatorToken) {
                ok = false;
                break;
            }
            text += (k > 0 ? ", " : "") + FormulaText(cursor, argEnd, ok);
            cursor = argEnd == end ? end : argEnd + 1;
        }
        if (ok) {
            flushRaw(t);
            lines.push_back(text + ")");
            t = cursor;
        } else {
            if (rawStart == nullptr) {
                rawStart = t;
            }
            ++t;
        }
    }
    flushRaw(end);
    return lines;
}

} // namespace reference

// Tokens that matter to the grammar, with real effects of every argument count
// among them, so random programs are full of near-misses.
TEffectToken RandomToken(std::mt19937& random) {
    static constexpr TEffectToken kTokens[] = {
        {true, 1008}, {true, 1028}, {true, 1004}, {true, 1031},  {true, 1099},  {true, 1},
        {true, 1},    {true, 8},    {true, 8},    {true, 0},     {true, 0},     {true, 2},
        {true, 4},    {true, 5},    {true, 6},    {true, 10001}, {true, 10015}, {true, 10016},
        {false, 150}, {false, -5},  {false, 0},   {false, 8},    {false, 1}};
    return kTokens[std::uniform_int_distribution<std::size_t>(0, std::size(kTokens) - 1)(random)];
}

// A well-formed program with a few tokens replaced, dropped or doubled.
TEffectList DamagedProgram(std::mt19937& random, ProgramKind kind) {
    static constexpr const char* kLevelLines[] = {"Damage(P1 * 25 + HP / 4)", "Crit(20, 2.5)",
                                                  "NumberParam(0, 5, 3)", "Shield(SPEED - 1, 4)",
                                                  "AttackTypeBash(1, 2, 3 * L1, 0)"};
    static constexpr const char* kItemLines[] = {"Damage(18)", "Crit(20, 2.5)", "Bash(10, 40.5, 0)",
                                                 "AttackTypeBash(1, 2, 3, 0)"};
    TEffectList program;
    const int effects = std::uniform_int_distribution<int>(0, 5)(random);
    for (int n = 0; n < effects; ++n) {
        if (kind == ProgramKind::Level) {
            AssembleEffect(kLevelLines[random() % std::size(kLevelLines)], kind, program);
        } else {
            AssembleEffect(kItemLines[random() % std::size(kItemLines)], kind, program);
        }
    }
    const int damage = std::uniform_int_distribution<int>(0, 3)(random);
    for (int n = 0; n < damage && !program.empty(); ++n) {
        const auto at = static_cast<std::ptrdiff_t>(random() % program.size());
        switch (random() % 3) {
        case 0:
            program[static_cast<std::size_t>(at)] = RandomToken(random);
            break;
        case 1:
            program.erase(program.begin() + at);
            break;
        default:
            program.insert(program.begin() + at, program[static_cast<std::size_t>(at)]);
            break;
        }
    }
    return program;
}

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

TEST(EffectSyntax, IncompleteEffectsAreRawUpToTheNextWholeOne) {
    // Crit lacks its separator: everything up to Damage is shown raw.
    const TEffectList missingSeparator = {{true, 1028}, {true, 1},    {false, 500}, {true, 1008},
                                          {true, 1},    {false, 300}, {true, 0}};
    EXPECT_EQ(DisassembleProgram(missingSeparator, ProgramKind::Level),
              (std::vector<std::string>{"Tokens(c1028, c1, 5)", "Damage(3)"}));
    // A first argument runs to the separator, past an end token it cannot hold.
    const TEffectList endInsideArgument = {{true, 1028}, {true, 1}, {false, 500}, {true, 0},
                                           {false, 700}, {true, 8}, {false, 200}, {true, 0}};
    EXPECT_EQ(DisassembleProgram(endInsideArgument, ProgramKind::Level),
              std::vector<std::string>{"Tokens(c1028, c1, 5, c0, 7, c8, 2, c0)"});
    // The last argument may run to the end of the program without its end token.
    const TEffectList unterminated = {{true, 1028}, {true, 1}, {false, 500}, {true, 8},
                                      {false, 100}, {true, 2}, {true, 10001}};
    EXPECT_EQ(DisassembleProgram(unterminated, ProgramKind::Level),
              std::vector<std::string>{"Crit(5, 1 + STR)"});
    // Item arguments are one number each; a formula there is raw.
    const TEffectList itemFormula = {{true, 1008}, {true, 1}, {false, 100}, {true, 2},
                                     {false, 100}, {true, 0}, {true, 1008}, {true, 1},
                                     {false, 100}, {true, 0}};
    EXPECT_EQ(DisassembleProgram(itemFormula, ProgramKind::Item),
              (std::vector<std::string>{"Tokens(c1008, c1, 1, c2, 1, c0)", "Damage(1)"}));
    // A formula ending in an operator is not a whole argument.
    const TEffectList danglingOperator = {
        {true, 1008}, {true, 1}, {false, 100}, {true, 3}, {true, 0}};
    EXPECT_EQ(DisassembleProgram(danglingOperator, ProgramKind::Level),
              std::vector<std::string>{"Tokens(c1008, c1, 1, c3, c0)"});
}

TEST(EffectSyntax, RandomProgramsReadAsTheFreshSearchReadsThem) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 4000; ++round) {
        const ProgramKind kind = round % 2 == 0 ? ProgramKind::Level : ProgramKind::Item;
        TEffectList program;
        if (round % 4 < 2) {
            program = DamagedProgram(random, kind);
        } else {
            const auto size = std::uniform_int_distribution<std::size_t>(0, 40)(random);
            for (std::size_t n = 0; n < size; ++n) {
                program.push_back(RandomToken(random));
            }
        }
        ASSERT_EQ(DisassembleProgram(program, kind), reference::DisassembleProgram(program, kind))
            << "round " << round;
    }
}

TEST(EffectSyntax, HugeProgramOfIncompleteEffectsReadsInOnePass) {
    // Each Crit lacks its separator, so every one of them is tried and fails.
    // Searching afresh for every attempt would keep this test busy for many
    // seconds.
    TEffectList program;
    while (program.size() < 200000) {
        program.push_back({true, 1028});
        program.push_back({true, 1});
        program.push_back({false, 500});
    }
    const std::size_t rawCount = program.size();
    AssembleEffect("Damage(3)", ProgramKind::Level, program);
    for (const ProgramKind kind : {ProgramKind::Level, ProgramKind::Item}) {
        const std::vector<std::string> lines = DisassembleProgram(program, kind);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1], "Damage(3)");
        EXPECT_EQ(lines[0].substr(0, 30), "Tokens(c1028, c1, 5, c1028, c1");
        EXPECT_EQ(static_cast<std::size_t>(std::count(lines[0].begin(), lines[0].end(), ',')),
                  rawCount - 1);
    }
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
