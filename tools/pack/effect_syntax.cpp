#include "effect_syntax.h"

#include "data/effect_code.h"
#include "data/number_text.h"

#include <optional>
#include <stdexcept>

namespace zephyr::pack {
namespace {

constexpr TEffectToken kOpener{true, kOpenerToken};
constexpr TEffectToken kSeparator{true, kSeparatorToken};
constexpr TEffectToken kEnd{true, kEndToken};

const OperatorInfo* FindOperator(char symbol) {
    for (const OperatorInfo& info : kFormulaOperators) {
        if (info.Symbol == symbol) {
            return &info;
        }
    }
    return nullptr;
}

// The variable names for an error message: every one but the two zeros.
std::string KnownVariables() {
    std::string names;
    for (const VariableInfo& info : kFormulaVariables) {
        if (info.Variable != FormulaVariable::Zero1 && info.Variable != FormulaVariable::Zero2) {
            names += (names.empty() ? "" : " ") + std::string(info.Name);
        }
    }
    return names;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::int32_t Hundredths(std::string_view text) {
    const ParsedHundredths parsed = ParseHundredths(text);
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    switch (parsed.Problem) {
    case HundredthsProblem::None:
        break;
    case HundredthsProblem::NotANumber:
        throw std::invalid_argument(quoted + " is not a number");
    case HundredthsProblem::TooManyDecimals:
        throw std::invalid_argument(quoted + " has more than two decimals");
    case HundredthsProblem::TooLarge:
        throw std::invalid_argument(quoted + " is too large");
    }
    return parsed.Value;
}

// A formula: operands (numbers, variables) separated by operators.
void AssembleFormula(std::string_view text, TEffectList& out) {
    text = Trim(text);
    if (text.empty()) {
        throw std::invalid_argument("an argument is empty");
    }
    bool expectOperand = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (expectOperand) {
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != ' ' && FindOperator(text[end]) == nullptr) {
                ++end;
            }
            const std::string_view word = text.substr(i, end - i);
            if (const VariableInfo* variable = FindVariable(word); variable != nullptr) {
                out.push_back(TEffectToken{true, CodeValue(variable->Variable)});
            } else if ((word[0] >= '0' && word[0] <= '9') || word[0] == '.' || word[0] == '-') {
                out.push_back({false, Hundredths(word)});
            } else {
                throw std::invalid_argument("unknown variable \"" + std::string(word) +
                                            "\" (known: " + KnownVariables() + ")");
            }
            i = end;
        } else {
            const OperatorInfo* op = FindOperator(c);
            if (op == nullptr) {
                throw std::invalid_argument(std::string("expected + - * / but found \"") + c +
                                            "\"");
            }
            out.push_back(TEffectToken{true, CodeValue(op->Operator)});
            ++i;
        }
        expectOperand = !expectOperand;
    }
    if (expectOperand) {
        throw std::invalid_argument("a formula ends with an operator");
    }
}

std::string FormulaText(const TEffectToken* begin, const TEffectToken* end, bool& ok) {
    std::string text;
    bool expectOperand = true;
    for (const TEffectToken* t = begin; t != end; ++t) {
        if (expectOperand) {
            const VariableInfo* variable = t->IsCode ? FindVariable(t->Value) : nullptr;
            if (!t->IsCode) {
                text += FormatHundredths(t->Value);
            } else if (variable != nullptr) {
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
            text += 'c';
            text += std::to_string(t->Value);
        } else {
            text += FormatHundredths(t->Value);
        }
    }
    return text + ")";
}

// For every position (and one past the end), where the next token with this
// code is; the program's size when there is none.
std::vector<std::size_t> NextTokenTable(const TEffectList& program, std::int32_t code) {
    std::vector<std::size_t> next(program.size() + 1, program.size());
    for (std::size_t i = program.size(); i-- > 0;) {
        next[i] = program[i].IsCode && program[i].Value == code ? i : next[i + 1];
    }
    return next;
}

} // namespace

std::string FormatHundredths(std::int32_t hundredths) {
    const std::int64_t value = hundredths;
    const std::int64_t magnitude = value < 0 ? -value : value;
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    const std::int64_t fraction = magnitude % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) {
            text += static_cast<char>('0' + fraction % 10);
        }
    }
    return text;
}

void AssembleEffect(std::string_view line, ProgramKind kind, TEffectList& program) {
    line = Trim(line);
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos || line.back() != ')') {
        throw std::invalid_argument("an effect is written Name(argument, ...)");
    }
    const std::string_view name = Trim(line.substr(0, open));
    const EffectInfo* effect = FindEffect(name);
    if (effect == nullptr) {
        throw std::invalid_argument("unknown effect \"" + std::string(name) + "\"");
    }
    std::vector<std::string_view> arguments;
    std::string_view rest = line.substr(open + 1, line.size() - open - 2);
    if (!Trim(rest).empty()) {
        std::size_t comma;
        while ((comma = rest.find(',')) != std::string_view::npos) {
            arguments.push_back(rest.substr(0, comma));
            rest.remove_prefix(comma + 1);
        }
        arguments.push_back(rest);
    }
    const int wanted = effect->ArgumentCount;
    if (static_cast<int>(arguments.size()) != wanted) {
        throw std::invalid_argument(std::string(name) + " takes " + std::to_string(wanted) +
                                    " argument" + (wanted == 1 ? "" : "s") + ", found " +
                                    std::to_string(arguments.size()));
    }
    program.push_back({true, CodeValue(effect->Code)});
    program.push_back(kOpener);
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        if (k > 0) {
            program.push_back(kSeparator);
        }
        if (kind == ProgramKind::Item) {
            program.push_back({false, Hundredths(Trim(arguments[k]))});
        } else {
            AssembleFormula(arguments[k], program);
        }
    }
    program.push_back(kEnd);
}

std::vector<std::string> DisassembleProgram(const TEffectList& program, ProgramKind kind) {
    std::vector<std::string> lines;
    const TEffectToken* const begin = program.data();
    const TEffectToken* const end = begin + program.size();
    // An effect that turns out incomplete is retried one token later, so a
    // plain search for its argument ends would read the rest of a hostile
    // program once per token; the ends are looked up here instead.
    const std::vector<std::size_t> nextSeparator = NextTokenTable(program, kSeparatorToken);
    const std::vector<std::size_t> nextEnd = NextTokenTable(program, kEndToken);
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
            const bool lastArgument = k + 1 == count;
            const auto from = static_cast<std::size_t>(cursor - begin);
            const TEffectToken* argEnd =
                begin + (lastArgument ? nextEnd[from] : nextSeparator[from]);
            if (kind == ProgramKind::Item && argEnd - cursor != 1) {
                ok = false;
                break;
            }
            if (argEnd == end && !lastArgument) {
                ok = false;
                break;
            }
            // A formula is read only up to its first stray token and every
            // effect code is one, so an attempt reads no further than the next
            // effect, where the next attempt starts.
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

} // namespace zephyr::pack
