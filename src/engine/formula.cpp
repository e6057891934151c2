#include "formula.h"

#include <algorithm>

namespace zephyr {
namespace {

constexpr std::int32_t kPlus = 2;
constexpr std::int32_t kMinus = 3;
constexpr std::int32_t kTimes = 4;
constexpr std::int32_t kDivide = 5;
constexpr std::int32_t kFirstVariable = 10000;
constexpr std::int32_t kLastVariable = 10015;

bool IsOperator(const TEffectToken& token) {
    return token.IsCode && token.Value >= kPlus && token.Value <= kDivide;
}

double ParamValue(const StatRun& run, int ability, int index) {
    if (ability < 1 || ability > kAbilityCount) {
        return 0.0;
    }
    return run.state.AbilityParams[ability - 1][index].Value;
}

double VariableValue(const StatRun& run, std::int32_t variable, int ability) {
    const HeroStats& s = run.stats;
    const double strength = static_cast<double>(s.StrengthBase) + s.StrengthBonus;
    const double intelligence = static_cast<double>(s.IntelligenceBase) + s.IntelligenceBonus;
    switch (variable) {
    case 10000:
        return s.AttackCooldown;
    case 10001:
        return strength;
    case 10002:
        return static_cast<double>(s.AgilityBase) + s.AgilityBonus;
    case 10003:
        return intelligence;
    case 10004:
    case 10005:
    case 10006:
        return ParamValue(run, ability, variable - 10004);
    case 10009:
        return strength * 19.0 + s.HitPoints + 150.0;
    case 10010:
        return intelligence * 13.0 + s.Mana;
    case 10011:
    case 10012:
    case 10013:
    case 10014:
        return AbilityLevel(run.state, variable - 10010);
    case 10015:
        return run.CappedMoveSpeed();
    default:
        return 0.0;
    }
}

// Value of the token at position i as an operand; a position outside the run,
// an operator or an unknown code is a missing operand and counts as 0.
double Operand(const StatRun& run, std::span<const TEffectToken> tokens, std::ptrdiff_t i,
               int ability) {
    if (i < 0 || i >= static_cast<std::ptrdiff_t>(tokens.size())) {
        return 0.0;
    }
    const TEffectToken& token = tokens[static_cast<std::size_t>(i)];
    if (!token.IsCode) {
        return token.Value / 100.0;
    }
    if (token.Value >= kFirstVariable && token.Value <= kLastVariable) {
        return VariableValue(run, token.Value, ability);
    }
    return 0.0;
}

} // namespace

double EvaluateFormula(const StatRun& run, std::span<const TEffectToken> tokens, int ability) {
    // Terms are folded as they complete, so any length runs without scratch space.
    double result = 0.0;
    bool haveTerm = false;
    std::int32_t pendingSign = kPlus;
    auto addTerm = [&](double term) {
        if (!haveTerm) {
            result = term;
            haveTerm = true;
        } else {
            result = pendingSign == kMinus ? result - term : result + term;
        }
    };

    double product = 0.0;
    bool started = false;
    const auto count = static_cast<std::ptrdiff_t>(tokens.size());
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        const TEffectToken& token = tokens[static_cast<std::size_t>(i)];
        if (!IsOperator(token)) {
            continue;
        }
        const double left = started ? product : Operand(run, tokens, i - 1, ability);
        if (token.Value == kTimes || token.Value == kDivide) {
            const double right = Operand(run, tokens, i + 1, ability);
            product = token.Value == kTimes ? left * right : left / right;
            started = true;
        } else {
            addTerm(left);
            pendingSign = token.Value;
            started = false;
            product = 0.0;
        }
    }
    addTerm(started ? product : Operand(run, tokens, count - 1, ability));
    return result;
}

} // namespace zephyr
