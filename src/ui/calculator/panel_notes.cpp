// What the panel says in its transient note: what a command did, or why a
// click changed nothing.
#include "ui/calculator/calculator_panel.h"

#include "ui/widgets/texts.h"
#include "ui/widgets/transient_note.h"

#include "engine/build_state.h"
#include "engine/screen_texts.h"

namespace zephyr::ui {

void CalculatorPanel::Note(const QString& text) {
    note_->Show(text);
}

QString CalculatorPanel::AbilityName(int ability) const {
    if (ability == 5) {
        return FromCp1251(Texts().AttributeBonus);
    }
    const THero* hero = calculator_->Catalog().Hero(calculator_->State().CurrentHero);
    if (hero == nullptr || ability < 1 || ability > static_cast<int>(hero->Abilities.size())) {
        return {};
    }
    return FromCp1251(hero->Abilities[static_cast<std::size_t>(ability - 1)].Name);
}

QString CalculatorPanel::LevelRefusal(int ability) const {
    if (calculator_->State().CurrentHero == 0) {
        return QStringLiteral("Сначала выберите героя: щёлкните по портрету");
    }
    const LevelLimit limit = calculator_->LevelLimitOf(ability);
    switch (limit.Why) {
    case LevelLimit::Kind::AbilityAtTop:
        return QStringLiteral("«%1» уже на высшем уровне").arg(AbilityName(ability));
    case LevelLimit::Kind::HeroTooLow:
        return QStringLiteral("Следующий уровень «%1» можно взять с %2-го уровня героя")
            .arg(AbilityName(ability))
            .arg(limit.HeroLevelNeeded);
    case LevelLimit::Kind::None:
        break;
    }
    return {};
}

QString CalculatorPanel::AbilityMenuRefusal(int ability) const {
    if (ability == 5 || calculator_->State().CurrentHero == 0) {
        return {};
    }
    const THero* hero = calculator_->Catalog().Hero(calculator_->State().CurrentHero);
    const TAbility& record = hero->Abilities[static_cast<std::size_t>(ability - 1)];
    if (record.NeedsActive && AbilityLevel(calculator_->State(), ability) == 0) {
        return QStringLiteral("Сначала выучите «%1»: щёлкните по ней левой кнопкой")
            .arg(AbilityName(ability));
    }
    return QStringLiteral("«%1» действует сама, как только выучена: её не нужно включать")
        .arg(AbilityName(ability));
}

QString CalculatorPanel::SlotMenuRefusal(int slot) const {
    const int item = calculator_->State().ItemSlots[static_cast<std::size_t>(slot - 1)].ItemNumber;
    const TItem* record = calculator_->Catalog().Item(item);
    if (record == nullptr) {
        return {};
    }
    return QStringLiteral("«%1» действует сам: его не нужно включать")
        .arg(FromCp1251(record->Name));
}

QString CalculatorPanel::EditorRefusal() const {
    const THero* hero = calculator_ != nullptr
                            ? calculator_->Catalog().Hero(calculator_->State().CurrentHero)
                            : nullptr;
    if (hero == nullptr) {
        return QStringLiteral("Сначала выберите героя: щёлкните по портрету");
    }
    const int shown = calculator_->State().ParamAbility;
    if (shown >= 1 && shown <= 4) {
        return QStringLiteral("У способности «%1» нет параметра для этого поля")
            .arg(AbilityName(shown));
    }
    // The abilities whose parameters these fields would show: those switched
    // on first, as most of them are.
    QStringList switched;
    QStringList configured;
    for (const TAbility& ability : hero->Abilities) {
        if (!ability.ParamCaptions[0].empty()) {
            (ability.NeedsActive ? switched : configured)
                << QStringLiteral("«%1»").arg(FromCp1251(ability.Name));
        }
    }
    if (!switched.isEmpty()) {
        return QStringLiteral("Включите способность %1 в её меню (правая кнопка)")
            .arg(switched.join(QStringLiteral(" или ")));
    }
    if (!configured.isEmpty()) {
        return QStringLiteral("Выберите «Настроить» в меню способности %1 (правая кнопка)")
            .arg(configured.join(QStringLiteral(" или ")));
    }
    return QStringLiteral("У способностей этого героя нет параметров");
}

} // namespace zephyr::ui
