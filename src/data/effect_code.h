#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zephyr {

// The vocabulary of effect programs: every code a catalogue may store, its
// readable name, how many arguments it takes and the lists it acts in. The
// interpreters, the formula evaluator, the pack tool's assembler and
// disassembler and the descriptions all read it from here.

// Grammar tokens. An effect is laid out as code, opener, its arguments
// separated by separators, end. The opener is never read by the interpreters.
inline constexpr std::int32_t kEndToken = 0;
inline constexpr std::int32_t kOpenerToken = 1;
inline constexpr std::int32_t kSeparatorToken = 8;

enum class EffectCode : std::int32_t {
    AttackTime = 1000,
    Strength,
    Agility,
    Intelligence,
    NumberParam,
    YesNoParam,
    HitPoints,
    Mana,
    Damage,
    DamagePercent,
    HpRegen,
    ManaRegen,
    ManaRegenPercent,
    Armor,
    AttackSpeed,
    MoveSpeed,
    MoveSpeedPercent,
    Range,
    LifeSteal,
    PhysicalEhp,
    MagicalEhp,
    PhysicalDps,
    MagicalDps,
    MagicResist,
    Evasion,
    Miss,
    TriggeredEvasion,
    Bash,
    Crit,
    PhysicalProc,
    HpDrain,
    AttackTypeBash,
    ManaDrain,
    MagicalProc,
    LateDamage,
    LateMagicalDamage,
    RegenerationBase,
    Shield,
};

// The lists an effect acts in; elsewhere its code is passed over like any
// other stray token.
enum class EffectList : std::uint8_t { Stacking = 1, Unique = 2, Level = 4 };

inline constexpr std::uint8_t kItemLists = 1 | 2;
inline constexpr std::uint8_t kEveryList = 1 | 2 | 4;
inline constexpr std::uint8_t kUniqueAndLevel = 2 | 4;
inline constexpr std::uint8_t kLevelOnly = 4;

inline constexpr int kMaxEffectArguments = 4;

struct EffectInfo {
    EffectCode Code;
    std::string_view Name;
    int ArgumentCount;
    std::uint8_t Lists;

    constexpr bool ActsIn(EffectList list) const {
        return (Lists & static_cast<std::uint8_t>(list)) != 0;
    }
};

inline constexpr std::array<EffectInfo, 38> kEffects = {{
    {EffectCode::AttackTime, "AttackTime", 1, kEveryList},
    {EffectCode::Strength, "Strength", 1, kEveryList},
    {EffectCode::Agility, "Agility", 1, kEveryList},
    {EffectCode::Intelligence, "Intelligence", 1, kEveryList},
    {EffectCode::NumberParam, "NumberParam", 3, kLevelOnly}, // minimum, maximum, first value
    {EffectCode::YesNoParam, "YesNoParam", 1, kLevelOnly},   // first value
    {EffectCode::HitPoints, "HitPoints", 1, kEveryList},
    {EffectCode::Mana, "Mana", 1, kEveryList},
    {EffectCode::Damage, "Damage", 1, kEveryList},
    {EffectCode::DamagePercent, "DamagePercent", 1, kEveryList},
    {EffectCode::HpRegen, "HpRegen", 1, kEveryList},
    {EffectCode::ManaRegen, "ManaRegen", 1, kEveryList},
    {EffectCode::ManaRegenPercent, "ManaRegenPercent", 1, kEveryList},
    {EffectCode::Armor, "Armor", 1, kEveryList},
    {EffectCode::AttackSpeed, "AttackSpeed", 1, kEveryList},
    {EffectCode::MoveSpeed, "MoveSpeed", 1, kEveryList},
    {EffectCode::MoveSpeedPercent, "MoveSpeedPercent", 1, kEveryList},
    {EffectCode::Range, "Range", 1, kEveryList},
    {EffectCode::LifeSteal, "LifeSteal", 1, kEveryList},
    {EffectCode::PhysicalEhp, "PhysicalEhp", 1, kEveryList},
    {EffectCode::MagicalEhp, "MagicalEhp", 1, kEveryList},
    {EffectCode::PhysicalDps, "PhysicalDps", 1, kEveryList},
    {EffectCode::MagicalDps, "MagicalDps", 1, kEveryList},
    {EffectCode::MagicResist, "MagicResist", 1, kEveryList},
    {EffectCode::Evasion, "Evasion", 1, kEveryList},
    {EffectCode::Miss, "Miss", 1, kEveryList},
    {EffectCode::TriggeredEvasion, "TriggeredEvasion", 1, kEveryList},
    {EffectCode::Bash, "Bash", 3, kEveryList}, // chance, damage, mode
    {EffectCode::Crit, "Crit", 2, kEveryList}, // chance, multiplier
    {EffectCode::PhysicalProc, "PhysicalProc", 2, kEveryList},
    {EffectCode::HpDrain, "HpDrain", 1, kEveryList},
    // melee chance, ranged chance, damage, mode
    {EffectCode::AttackTypeBash, "AttackTypeBash", 4, kItemLists},
    {EffectCode::ManaDrain, "ManaDrain", 1, kEveryList},
    {EffectCode::MagicalProc, "MagicalProc", 2, kEveryList},
    {EffectCode::LateDamage, "LateDamage", 1, kUniqueAndLevel},
    {EffectCode::LateMagicalDamage, "LateMagicalDamage", 1, kUniqueAndLevel},
    {EffectCode::RegenerationBase, "RegenerationBase", 1, kLevelOnly},
    {EffectCode::Shield, "Shield", 2, kLevelOnly}, // amount, cap
}};

inline constexpr std::int32_t kFirstEffectCode = static_cast<std::int32_t>(EffectCode::AttackTime);
inline constexpr std::int32_t kLastEffectCode = static_cast<std::int32_t>(EffectCode::Shield);

// The table is indexed by code - kFirstEffectCode.
consteval bool EffectTableIsDense() {
    for (std::size_t i = 0; i < kEffects.size(); ++i) {
        const EffectInfo& info = kEffects[i];
        if (static_cast<std::int32_t>(info.Code) != kFirstEffectCode + static_cast<int>(i) ||
            info.ArgumentCount < 1 || info.ArgumentCount > kMaxEffectArguments || info.Lists == 0 ||
            info.Name.empty()) {
            return false;
        }
    }
    return true;
}
static_assert(EffectTableIsDense(), "effects must be listed by code, each with 1 to 4 arguments");
static_assert(kEffects.back().Code == EffectCode::Shield,
              "a new code goes at the end, and kLastEffectCode with it");

// The entry of a stored code; nullptr when no effect has it.
constexpr const EffectInfo* FindEffect(std::int32_t code) {
    if (code < kFirstEffectCode ||
        code >= kFirstEffectCode + static_cast<std::int32_t>(kEffects.size())) {
        return nullptr;
    }
    return &kEffects[static_cast<std::size_t>(code - kFirstEffectCode)];
}

constexpr const EffectInfo& Effect(EffectCode code) {
    return *FindEffect(static_cast<std::int32_t>(code));
}

// Number of arguments of a stored code, 0 for codes that are no effect.
constexpr int EffectArgumentCount(std::int32_t code) {
    const EffectInfo* info = FindEffect(code);
    return info != nullptr ? info->ArgumentCount : 0;
}

// The effect called `name` in the readable form; nullptr when none is.
constexpr const EffectInfo* FindEffect(std::string_view name) {
    for (const EffectInfo& info : kEffects) {
        if (info.Name == name) {
            return &info;
        }
    }
    return nullptr;
}

// Operators of level-program formulas.
enum class FormulaOperator : std::int32_t { Plus = 2, Minus, Times, Divide };

struct OperatorInfo {
    FormulaOperator Operator;
    char Symbol;
};

inline constexpr std::array<OperatorInfo, 4> kFormulaOperators = {{
    {FormulaOperator::Plus, '+'},
    {FormulaOperator::Minus, '-'},
    {FormulaOperator::Times, '*'},
    {FormulaOperator::Divide, '/'},
}};

constexpr std::optional<FormulaOperator> OperatorOf(std::int32_t code) {
    for (const OperatorInfo& info : kFormulaOperators) {
        if (static_cast<std::int32_t>(info.Operator) == code) {
            return info.Operator;
        }
    }
    return std::nullopt;
}

constexpr char OperatorSymbol(FormulaOperator op) {
    for (const OperatorInfo& info : kFormulaOperators) {
        if (info.Operator == op) {
            return info.Symbol;
        }
    }
    return '?';
}

// Variables of level-program formulas. Zero1 and Zero2 always read 0.
enum class FormulaVariable : std::int32_t {
    AttackTime = 10000,
    Strength,
    Agility,
    Intelligence,
    Param1,
    Param2,
    Param3,
    Zero1,
    Zero2,
    HitPoints,
    Mana,
    Level1,
    Level2,
    Level3,
    Level4,
    MoveSpeed,
};

struct VariableInfo {
    FormulaVariable Variable;
    std::string_view Name;
};

inline constexpr std::array<VariableInfo, 16> kFormulaVariables = {{
    {FormulaVariable::AttackTime, "BAT"},
    {FormulaVariable::Strength, "STR"},
    {FormulaVariable::Agility, "AGI"},
    {FormulaVariable::Intelligence, "INT"},
    {FormulaVariable::Param1, "P1"},
    {FormulaVariable::Param2, "P2"},
    {FormulaVariable::Param3, "P3"},
    {FormulaVariable::Zero1, "ZERO1"},
    {FormulaVariable::Zero2, "ZERO2"},
    {FormulaVariable::HitPoints, "HP"},
    {FormulaVariable::Mana, "MP"},
    {FormulaVariable::Level1, "L1"},
    {FormulaVariable::Level2, "L2"},
    {FormulaVariable::Level3, "L3"},
    {FormulaVariable::Level4, "L4"},
    {FormulaVariable::MoveSpeed, "SPEED"},
}};

inline constexpr std::int32_t kFirstVariableCode =
    static_cast<std::int32_t>(FormulaVariable::AttackTime);
inline constexpr std::int32_t kLastVariableCode =
    static_cast<std::int32_t>(FormulaVariable::MoveSpeed);

consteval bool VariableTableIsDense() {
    for (std::size_t i = 0; i < kFormulaVariables.size(); ++i) {
        if (static_cast<std::int32_t>(kFormulaVariables[i].Variable) !=
            kFirstVariableCode + static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(VariableTableIsDense(), "variables must be listed by code");
static_assert(kFormulaVariables.back().Variable == FormulaVariable::MoveSpeed,
              "a new variable goes at the end, and kLastVariableCode with it");

constexpr const VariableInfo* FindVariable(std::int32_t code) {
    if (code < kFirstVariableCode ||
        code >= kFirstVariableCode + static_cast<std::int32_t>(kFormulaVariables.size())) {
        return nullptr;
    }
    return &kFormulaVariables[static_cast<std::size_t>(code - kFirstVariableCode)];
}

constexpr const VariableInfo* FindVariable(std::string_view name) {
    for (const VariableInfo& info : kFormulaVariables) {
        if (info.Name == name) {
            return &info;
        }
    }
    return nullptr;
}

// The stored token of a code, operator or variable.
constexpr std::int32_t CodeValue(EffectCode code) {
    return static_cast<std::int32_t>(code);
}
constexpr std::int32_t CodeValue(FormulaOperator op) {
    return static_cast<std::int32_t>(op);
}
constexpr std::int32_t CodeValue(FormulaVariable variable) {
    return static_cast<std::int32_t>(variable);
}

} // namespace zephyr
