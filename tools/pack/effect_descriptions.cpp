#include "effect_descriptions.h"

#include "data/effect_code.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace zephyr::pack {
namespace {

// {0}, {1}, ... stand for the arguments; "+{0}" loses its plus before a minus.
// The parameter definitions are described with their captions instead.
std::string_view Template(EffectCode code) {
    switch (code) {
    case EffectCode::AttackTime:
        return "Задержка атаки: {0} с";
    case EffectCode::Strength:
        return "Сила +{0}";
    case EffectCode::Agility:
        return "Ловкость +{0}";
    case EffectCode::Intelligence:
        return "Интеллект +{0}";
    case EffectCode::HitPoints:
        return "Здоровье +{0}";
    case EffectCode::Mana:
        return "Мана +{0}";
    case EffectCode::Damage:
        return "Урон +{0}";
    case EffectCode::DamagePercent:
        return "Урон +{0}%";
    case EffectCode::HpRegen:
        return "Восстановление здоровья +{0}";
    case EffectCode::ManaRegen:
        return "Восстановление маны +{0}";
    case EffectCode::ManaRegenPercent:
        return "Восстановление маны +{0}%";
    case EffectCode::Armor:
        return "Броня +{0}";
    case EffectCode::AttackSpeed:
        return "Скорость атаки +{0}";
    case EffectCode::MoveSpeed:
        return "Скорость бега +{0}";
    case EffectCode::MoveSpeedPercent:
        return "Скорость бега +{0}%";
    case EffectCode::Range:
        return "Дальность атаки +{0}";
    case EffectCode::LifeSteal:
        return "Вампиризм {0}%";
    case EffectCode::PhysicalEhp:
        return "Физический EHP +{0}";
    case EffectCode::MagicalEhp:
        return "Магический EHP +{0}";
    case EffectCode::PhysicalDps:
        return "Физический DPS +{0}";
    case EffectCode::MagicalDps:
        return "Магический DPS +{0}";
    case EffectCode::MagicResist:
        return "Сопротивление магии {0}%";
    case EffectCode::Evasion:
        return "Уворот {0}%";
    case EffectCode::Miss:
        return "Промах врага {0}%";
    case EffectCode::TriggeredEvasion:
        return "Уворот при срабатывании {0}%";
    case EffectCode::Bash:
        return "Оглушение: шанс {0}%, урон {1}";
    case EffectCode::Crit:
        return "Критический удар: шанс {0}%, множитель {1}";
    case EffectCode::PhysicalProc:
        return "Физический урон: шанс {0}%, урон {1}";
    case EffectCode::HpDrain:
        return "Вытягивание здоровья {0} в секунду";
    case EffectCode::AttackTypeBash:
        return "Оглушение: шанс {0}% вблизи и {1}% издали, урон {2}";
    case EffectCode::ManaDrain:
        return "Вытягивание маны {0} в секунду";
    case EffectCode::MagicalProc:
        return "Магический урон: шанс {0}%, урон {1}";
    case EffectCode::LateDamage:
        return "Урон +{0} после процентных бонусов";
    case EffectCode::LateMagicalDamage:
        return "Магический урон +{0}";
    case EffectCode::RegenerationBase:
        return "Базовое восстановление здоровья: {0}";
    case EffectCode::Shield:
        return "Щит: поглощает {0}, но не больше {1}";
    case EffectCode::NumberParam:
    case EffectCode::YesNoParam:
        return {};
    }
    return {};
}

// A formula variable in words; P1..P3 are named by their captions instead.
std::string_view VariableWords(FormulaVariable variable) {
    switch (variable) {
    case FormulaVariable::AttackTime:
        return "задержка атаки";
    case FormulaVariable::Strength:
        return "сила";
    case FormulaVariable::Agility:
        return "ловкость";
    case FormulaVariable::Intelligence:
        return "интеллект";
    case FormulaVariable::HitPoints:
        return "здоровье";
    case FormulaVariable::Mana:
        return "мана";
    case FormulaVariable::Level1:
        return "уровень 1-й способности";
    case FormulaVariable::Level2:
        return "уровень 2-й способности";
    case FormulaVariable::Level3:
        return "уровень 3-й способности";
    case FormulaVariable::Level4:
        return "уровень 4-й способности";
    case FormulaVariable::MoveSpeed:
        return "скорость бега";
    case FormulaVariable::Zero1:
        return "0";
    case FormulaVariable::Zero2:
        return "0";
    case FormulaVariable::Param1:
    case FormulaVariable::Param2:
    case FormulaVariable::Param3:
        return {};
    }
    return {};
}

// A formula of plain numbers joined by + and - ("0 - 422", the way the
// sources write a negative bonus) as the one number it makes, with as many
// decimals as its most precise number; nothing for any other formula.
std::optional<std::string> ConstantSum(std::string_view formula) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < formula.size();) {
        const std::size_t end = std::min(formula.find(' ', at), formula.size());
        if (end > at) {
            words.push_back(formula.substr(at, end - at));
        }
        at = end + 1;
    }
    if (words.size() < 3 || words.size() % 2 == 0) {
        return std::nullopt;
    }
    std::size_t decimals = 0;
    for (std::size_t k = 0; k < words.size(); k += 2) {
        const std::string_view number = words[k];
        const std::size_t digits = number.starts_with('-') ? 1 : 0;
        const std::size_t point = number.find('.');
        if (number.size() <= digits || number.size() > 9 ||
            number.find_first_not_of("0123456789.", digits) != std::string_view::npos ||
            number.find('.', point == std::string_view::npos ? point : point + 1) !=
                std::string_view::npos) {
            return std::nullopt;
        }
        if (point != std::string_view::npos) {
            decimals = std::max(decimals, number.size() - point - 1);
        }
        if (k > 0 && words[k - 1] != "+" && words[k - 1] != "-") {
            return std::nullopt;
        }
    }
    // In units of the last decimal, so that no binary fraction creeps in.
    const auto units = [decimals](std::string_view number) {
        const bool negative = number.starts_with('-');
        std::int64_t value = 0;
        std::size_t fraction = 0;
        bool afterPoint = false;
        for (const char c : number.substr(negative ? 1 : 0)) {
            if (c == '.') {
                afterPoint = true;
                continue;
            }
            value = value * 10 + (c - '0');
            fraction += afterPoint ? 1 : 0;
        }
        for (; fraction < decimals; ++fraction) {
            value *= 10;
        }
        return negative ? -value : value;
    };
    std::int64_t sum = units(words[0]);
    for (std::size_t k = 2; k < words.size(); k += 2) {
        sum += words[k - 1] == "+" ? units(words[k]) : -units(words[k]);
    }
    std::string digits = std::to_string(sum < 0 ? -sum : sum);
    if (decimals > 0) {
        digits.insert(0, decimals + 1 > digits.size() ? decimals + 1 - digits.size() : 0, '0');
        digits.insert(digits.size() - decimals, ",");
    }
    return (sum < 0 ? "-" : "") + digits;
}

std::vector<std::string> Arguments(std::string_view inside) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= inside.size()) {
        std::size_t comma = inside.find(',', start);
        if (comma == std::string_view::npos) {
            comma = inside.size();
        }
        std::string_view argument = inside.substr(start, comma - start);
        while (!argument.empty() && argument.front() == ' ') {
            argument.remove_prefix(1);
        }
        arguments.emplace_back(argument);
        start = comma + 1;
    }
    return arguments;
}

} // namespace

std::string RussianDecimal(std::string_view number) {
    std::string text(number);
    const std::size_t digits = text.starts_with('-') ? 1 : 0;
    const bool numeric =
        text.size() > digits && text.find_first_not_of("0123456789.", digits) == std::string::npos;
    if (numeric) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

std::string EffectDescriber::Caption(std::size_t index) const {
    const std::string caption = index < captions_.size() ? captions_[index] : std::string();
    return "«" + (caption.empty() ? "параметр " + std::to_string(index + 1) : caption) + "»";
}

std::string EffectDescriber::Formula(std::string_view text) const {
    std::string out;
    std::string word;
    const auto flush = [&] {
        const VariableInfo* variable = FindVariable(word);
        const std::string_view words =
            variable != nullptr ? VariableWords(variable->Variable) : std::string_view();
        if (variable != nullptr && words.empty()) {
            out += Caption(static_cast<std::size_t>(CodeValue(variable->Variable) -
                                                    CodeValue(FormulaVariable::Param1)));
        } else if (!words.empty()) {
            out += words;
        } else {
            out += RussianDecimal(word);
        }
        word.clear();
    };
    for (const char c : text) {
        if (c == ' ' || c == '*' || c == '/' || c == '+') {
            flush();
            // Windows-1251 has no multiplication sign: the middle dot stands for it.
            out += c == '*' ? std::string("·") : std::string(1, c);
        } else if (c == '-' && !word.empty()) {
            flush();
            out += c;
        } else {
            word += c;
        }
    }
    flush();
    return out;
}

std::string EffectDescriber::Describe(std::string_view line) {
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos || line.back() != ')') {
        return std::string(line);
    }
    const EffectInfo* effect = FindEffect(line.substr(0, open));
    if (effect == nullptr) {
        return std::string(line);
    }
    const std::vector<std::string> arguments =
        Arguments(line.substr(open + 1, line.size() - open - 2));
    if (effect->Code == EffectCode::NumberParam && arguments.size() == 3) {
        return "Параметр " + Caption(nextParameter_++) + ": от " + RussianDecimal(arguments[0]) +
               " до " + RussianDecimal(arguments[1]) + ", сначала " + RussianDecimal(arguments[2]);
    }
    if (effect->Code == EffectCode::YesNoParam && arguments.size() == 1) {
        return "Переключатель " + Caption(nextParameter_++) + ", сначала " +
               (arguments[0] == "0" ? "выключен" : "включён");
    }
    std::string text(Template(effect->Code));
    if (text.empty()) {
        return std::string(line);
    }
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        std::string marker = "{";
        marker += std::to_string(k);
        marker += '}';
        const std::size_t at = text.find(marker);
        if (at == std::string::npos) {
            continue;
        }
        std::string value = ConstantSum(arguments[k]).value_or(Formula(arguments[k]));
        if (!value.empty() && value[0] == '-' && at > 0 && text[at - 1] == '+') {
            text.erase(at - 1, 1);
            text.replace(at - 1, marker.size(), value);
        } else {
            text.replace(at, marker.size(), value);
        }
    }
    return text;
}

} // namespace zephyr::pack
