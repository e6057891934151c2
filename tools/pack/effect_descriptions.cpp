#include "effect_descriptions.h"

#include <map>

namespace zephyr::pack {
namespace {

// {0}, {1}, ... stand for the arguments; "+{0}" loses its plus before a minus.
const std::map<std::string_view, std::string_view>& Templates() {
    static const std::map<std::string_view, std::string_view> templates = {
        {"AttackTime", "Задержка атаки: {0} с"},
        {"Strength", "Сила +{0}"},
        {"Agility", "Ловкость +{0}"},
        {"Intelligence", "Интеллект +{0}"},
        {"HitPoints", "Здоровье +{0}"},
        {"Mana", "Мана +{0}"},
        {"Damage", "Урон +{0}"},
        {"DamagePercent", "Урон +{0}%"},
        {"HpRegen", "Восстановление здоровья +{0}"},
        {"ManaRegen", "Восстановление маны +{0}"},
        {"ManaRegenPercent", "Восстановление маны +{0}%"},
        {"Armor", "Броня +{0}"},
        {"AttackSpeed", "Скорость атаки +{0}"},
        {"MoveSpeed", "Скорость бега +{0}"},
        {"MoveSpeedPercent", "Скорость бега +{0}%"},
        {"Range", "Дальность атаки +{0}"},
        {"LifeSteal", "Вампиризм {0}%"},
        {"PhysicalEhp", "Физический EHP +{0}"},
        {"MagicalEhp", "Магический EHP +{0}"},
        {"PhysicalDps", "Физический DPS +{0}"},
        {"MagicalDps", "Магический DPS +{0}"},
        {"MagicResist", "Сопротивление магии {0}%"},
        {"Evasion", "Уворот {0}%"},
        {"Miss", "Промах врага {0}%"},
        {"TriggeredEvasion", "Уворот при срабатывании {0}%"},
        {"Bash", "Оглушение: шанс {0}%, урон {1}"},
        {"Crit", "Критический удар: шанс {0}%, множитель {1}"},
        {"PhysicalProc", "Физический урон: шанс {0}%, урон {1}"},
        {"HpDrain", "Вытягивание здоровья {0} в секунду"},
        {"AttackTypeBash", "Оглушение: шанс {0}% вблизи и {1}% издали, урон {2}"},
        {"ManaDrain", "Вытягивание маны {0} в секунду"},
        {"MagicalProc", "Магический урон: шанс {0}%, урон {1}"},
        {"LateDamage", "Урон +{0} после процентных бонусов"},
        {"LateMagicalDamage", "Магический урон +{0}"},
        {"RegenerationBase", "Базовое восстановление здоровья: {0}"},
        {"Shield", "Щит: поглощает {0}, но не больше {1}"},
    };
    return templates;
}

const std::map<std::string_view, std::string_view>& Variables() {
    static const std::map<std::string_view, std::string_view> variables = {
        {"BAT", "задержка атаки"},
        {"STR", "сила"},
        {"AGI", "ловкость"},
        {"INT", "интеллект"},
        {"HP", "здоровье"},
        {"MP", "мана"},
        {"L1", "уровень 1-й способности"},
        {"L2", "уровень 2-й способности"},
        {"L3", "уровень 3-й способности"},
        {"L4", "уровень 4-й способности"},
        {"SPEED", "скорость бега"},
        {"ZERO1", "0"},
        {"ZERO2", "0"},
    };
    return variables;
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

std::string EffectDescriber::Caption(std::size_t index) const {
    const std::string caption = index < captions_.size() ? captions_[index] : std::string();
    return "«" + (caption.empty() ? "параметр " + std::to_string(index + 1) : caption) + "»";
}

std::string EffectDescriber::Formula(std::string_view text) const {
    std::string out;
    std::string word;
    const auto flush = [&] {
        if (word.size() == 2 && word[0] == 'P' && word[1] >= '1' && word[1] <= '3') {
            out += Caption(static_cast<std::size_t>(word[1] - '1'));
        } else if (const auto found = Variables().find(word); found != Variables().end()) {
            out += found->second;
        } else {
            out += word;
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
    const std::string_view name = line.substr(0, open);
    const std::vector<std::string> arguments =
        Arguments(line.substr(open + 1, line.size() - open - 2));
    if (name == "NumberParam" && arguments.size() == 3) {
        return "Параметр " + Caption(nextParameter_++) + ": от " + arguments[0] + " до " +
               arguments[1] + ", сначала " + arguments[2];
    }
    if (name == "YesNoParam" && arguments.size() == 1) {
        return "Переключатель " + Caption(nextParameter_++) + ", сначала " +
               (arguments[0] == "0" ? "выключен" : "включён");
    }
    const auto found = Templates().find(name);
    if (found == Templates().end()) {
        return std::string(line);
    }
    std::string text(found->second);
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string marker = "{" + std::to_string(k) + "}";
        const std::size_t at = text.find(marker);
        if (at == std::string::npos) {
            continue;
        }
        std::string value = Formula(arguments[k]);
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
