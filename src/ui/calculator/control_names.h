#pragma once

#include <QString>

namespace zephyr {
class Calculator;
}

namespace zephyr::ui {

// What a screen reader says of the panel's controls, in the panel's own words.
// "Герой: Brannoc Ironvow, уровень 1".
QString PortraitControlName(const Calculator& calculator);
// "Способность 2: Shield Bash, уровень 1 из 4" (ability 5 is the attribute
// bonus), and its state: whether it takes a level now, and whether it is
// switched on where it has a switch.
QString AbilityControlName(const Calculator& calculator, int ability);
QString AbilityControlState(const Calculator& calculator, int ability);
// "Слот 3: Stormglass Rod, включён" (the switch, where the item has one), or
// "Слот 3: пусто".
QString SlotControlName(const Calculator& calculator, int slot);

} // namespace zephyr::ui
