#include "screen_texts.h"

#include "data/cp1251.h"

namespace zephyr {
namespace {

ScreenTexts MakeTexts() {
    ScreenTexts t;
    t.Activate = Cp1251FromUtf8("Активировать");
    t.Deactivate = Cp1251FromUtf8("Деактивировать");
    t.Configure = Cp1251FromUtf8("Настроить");
    t.Of = Cp1251FromUtf8(" из ");
    t.Yes = Cp1251FromUtf8("Да");
    t.No = Cp1251FromUtf8("Нет");
    t.AttributeBonus = "Attribute Bonus";
    t.Ranged = "Range";
    t.Melee = "Melee";
    t.None = "none";
    t.Infinity = "infinity";
    const char* const captions[8][3] = {
        {"Тип", "Уменьшение физ. урона", "Скорость бега"},
        {"Дальность", "Уменьшение маг. урона", "Время респауна"},
        {"Задержка", "Шанс на уворот", "Потеря денег"},
        {"Шанс на крит", "Шанс на триг. уворот", "Общая цена"},
        {"Шанс на баш", "Шанс на промах", ""},
        {"Life Steal", "Шанс на уклонение", ""},
        {"Физический DPS", "Физический EHP", ""},
        {"Магический DPS", "Магический EHP", ""},
    };
    for (std::size_t row = 0; row < 8; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            t.GridCaptions[row][column] = Cp1251FromUtf8(captions[row][column]);
        }
    }
    return t;
}

} // namespace

const ScreenTexts& Texts() {
    static const ScreenTexts texts = MakeTexts();
    return texts;
}

} // namespace zephyr
