#include "formula.h"

#include "stat_constants.h"

#include "data/effect_code.h"

#include <optional>

namespace zephyr {
namespace {

std::optional<FormulaOperator> OperatorToken(const TEffectToken& token) {
    return token.IsCode ? OperatorOf(token.Value) : std::nullopt;
}

double ParamValue(const StatRun& run, int ability, int index) {
    if (ability < 1 || ability > kAbilityCount) {
        return 0.0;
    }
    return run.State.AbilityParams[ability - 1][index].Value;
}

double VariableValue(const StatRun& run, FormulaVariable variable, int ability) {
    const HeroStats& s = run.Stats;
    const double strength = static_cast<double>(s.StrengthBase) + s.StrengthBonus;
    const double intelligence = static_cast<double>(s.IntelligenceBase) + s.IntelligenceBonus;
    const auto offset = [variable](FormulaVariable first) {
        return CodeValue(variable) - CodeValue(first);
    };
    switch (variable) {
    case FormulaVariable::AttackTime:
        return s.AttackCooldown;
    case FormulaVariable::Strength:
        return strength;
    case FormulaVariable::Agility:
        return static_cast<double>(s.AgilityBase) + s.AgilityBonus;
    case FormulaVariable::Intelligence:
        return intelligence;
    case FormulaVariable::Param1:
    case FormulaVariable::Param2:
    case FormulaVariable::Param3:
        return ParamValue(run, ability, offset(FormulaVariable::Param1));
    case FormulaVariable::Zero1:
    case FormulaVariable::Zero2:
        return 0.0;
    case FormulaVariable::HitPoints:
        return strength * kHitPointsPerStrength + s.HitPoints + kBaseHitPoints;
    case FormulaVariable::Mana:
        return intelligence * kManaPerIntelligence + s.Mana;
    case FormulaVariable::Level1:
    case FormulaVariable::Level2:
    case FormulaVariable::Level3:
    case FormulaVariable::Level4:
        return AbilityLevel(run.State, 1 + offset(FormulaVariable::Level1));
    case FormulaVariable::MoveSpeed:
        return run.CappedMoveSpeed();
    }
    return 0.0;
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
    const VariableInfo* variable = FindVariable(token.Value);
    return variable != nullptr ? VariableValue(run, variable->Variable, ability) : 0.0;
}

} // namespace

double EvaluateFormula(const StatRun& run, std::span<const TEffectToken> tokens, int ability) {
    // Terms are folded as they complete, so any length runs without scratch space.
    double result = 0.0;
    bool haveTerm = false;
    FormulaOperator pendingSign = FormulaOperator::Plus;
    auto addTerm = [&](double term) {
        if (!haveTerm) {
            result = term;
            haveTerm = true;
        } else {
            result = pendingSign == FormulaOperator::Minus ? result - term : result + term;
        }
    };

    double product = 0.0;
    bool started = false;
    const auto count = static_cast<std::ptrdiff_t>(tokens.size());
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        const std::optional<FormulaOperator> op =
            OperatorToken(tokens[static_cast<std::size_t>(i)]);
        if (!op) {
            continue;
        }
        const double left = started ? product : Operand(run, tokens, i - 1, ability);
        if (*op == FormulaOperator::Times || *op == FormulaOperator::Divide) {
            const double right = Operand(run, tokens, i + 1, ability);
            product = *op == FormulaOperator::Times ? left * right : left / right;
            started = true;
        } else {
            addTerm(left);
            pendingSign = *op;
            started = false;
            product = 0.0;
        }
    }
    addTerm(started ? product : Operand(run, tokens, count - 1, ability));
    return result;
}

} // namespace zephyr
