#include "ui/calculator/control_names.h"

#include "ui/widgets/texts.h"

#include "engine/build_state.h"
#include "engine/calculator.h"

namespace zephyr::ui {
namespace {

constexpr int kAttributeBonus = 5;

int HeroLevel(const Calculator& calculator) {
    return std::max(1, calculator.State().HeroLevel + 1);
}

} // namespace

QString PortraitControlName(const Calculator& calculator) {
    return QStringLiteral("Герой: %1, уровень %2")
        .arg(FromCp1251(calculator.HeroName()))
        .arg(HeroLevel(calculator));
}

QString AbilityControlName(const Calculator& calculator, int ability) {
    const THero* hero = calculator.Catalog().Hero(calculator.State().CurrentHero);
    QString name = QStringLiteral("Бонус атрибутов");
    if (ability != kAttributeBonus && hero != nullptr) {
        name = FromCp1251(hero->Abilities[static_cast<std::size_t>(ability - 1)].Name);
    }
    return QStringLiteral("Способность %1: %2, уровень %3 из %4")
        .arg(ability)
        .arg(name)
        .arg(AbilityLevel(calculator.State(), ability))
        .arg(Calculator::TopAbilityLevel(ability));
}

QString AbilityControlState(const Calculator& calculator, int ability) {
    const LevelLimit limit = calculator.LevelLimitOf(ability);
    QString state;
    switch (limit.Why) {
    case LevelLimit::Kind::None:
        state = QStringLiteral("можно повысить");
        break;
    case LevelLimit::Kind::AbilityAtTop:
        state = QStringLiteral("высший уровень");
        break;
    case LevelLimit::Kind::HeroTooLow:
        state = QStringLiteral("следующий уровень с %1 уровня героя").arg(limit.HeroLevelNeeded);
        break;
    }
    if (ability != kAttributeBonus && calculator.AbilityMenu(ability).ActivateVisible) {
        state += calculator.State().AbilityActive[static_cast<std::size_t>(ability - 1)]
                     ? QStringLiteral(", включена")
                     : QStringLiteral(", выключена");
    }
    return state;
}

QString SlotControlName(const Calculator& calculator, int slot) {
    const TItem* item = calculator.ItemInSlot(slot);
    if (item == nullptr) {
        return QStringLiteral("Слот %1: пусто").arg(slot);
    }
    QString name = QStringLiteral("Слот %1: %2").arg(slot).arg(FromCp1251(item->Name));
    if (calculator.SlotMenu(slot).ActivateVisible) {
        name += calculator.State().SlotActive[static_cast<std::size_t>(slot - 1)]
                    ? QStringLiteral(", включён")
                    : QStringLiteral(", выключен");
    }
    return name;
}

} // namespace zephyr::ui
