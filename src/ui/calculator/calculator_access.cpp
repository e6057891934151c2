#include "ui/calculator/calculator_panel.h"
#include "ui/calculator/change_marks.h"
#include "ui/calculator/control_names.h"
#include "ui/calculator/panel_accessibility.h"
#include "ui/calculator/panel_keyboard.h"
#include "ui/widgets/fixed_line_list_box.h"
#include "ui/widgets/string_grid.h"

#include "controls/edit1.h"
#include "controls/picture_control.h"

#include <QLabel>

namespace zephyr::ui {

void CalculatorPanel::BuildKeyboardAccess() {
    auto* keyboard = new PanelKeyboard(this);
    keyboard->AddGroup({imageHero_});
    keyboard->AddGroup({imageAbility_.begin(), imageAbility_.end()});
    keyboard->AddGroup({imageSlot_.begin(), imageSlot_.end()});
    // The hero block's values: Enter breaks one down.
    std::vector<QWidget*> heroBlock(valueLabels_.begin(), valueLabels_.end());
    heroBlock.push_back(label16_);
    heroBlock.push_back(label17_);
    keyboard->AddGroup(heroBlock);
    // The buttons at the left edge, named by their tooltips.
    const std::vector<QWidget*> sideButtons = {imageEx1_, imageEx2_, imageEx6_, imageEx7_,
                                               imageEx8_};
    keyboard->AddGroup(sideButtons);
    for (QWidget* button : sideButtons) {
        MarkAsPictureButton(button);
        button->setAccessibleName(button->toolTip());
    }
    listBox1_->setFocusPolicy(Qt::TabFocus);
    listBox1_->SetFocusFrameColour(controls::PictureControl::kFocusFrame);
    stringGrid1_->setFocusPolicy(Qt::TabFocus);
    stringGrid1_->SetFocusFrameColour(controls::PictureControl::kFocusFrame);
    // Enter on a value is a click on it: its breakdown, by the mouse's rules.
    connect(stringGrid1_, &StringGrid::ValueKeyed, this, [this](int column, int row) {
        PressLikeMouse(stringGrid1_, Qt::LeftButton, stringGrid1_->CellRect(column, row).center());
    });

    // Tab: the portrait, the abilities, the slots, the build order, the
    // parameter editors, the table, the hero block, the side buttons.
    std::vector<QWidget*> order = {imageHero_};
    order.insert(order.end(), imageAbility_.begin(), imageAbility_.end());
    order.insert(order.end(), imageSlot_.begin(), imageSlot_.end());
    order.push_back(listBox1_);
    order.insert(order.end(), dynEdit_.begin(), dynEdit_.end());
    order.push_back(stringGrid1_);
    order.insert(order.end(), heroBlock.begin(), heroBlock.end());
    order.insert(order.end(), sideButtons.begin(), sideButtons.end());
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }

    MarkAsPictureButton(imageHero_);
    for (controls::PictureControl* control : imageAbility_) {
        MarkAsPictureButton(control);
    }
    for (controls::PictureControl* control : imageSlot_) {
        MarkAsPictureButton(control);
    }

    setAccessibleName(QStringLiteral("Калькулятор"));
    listBox1_->setAccessibleName(QStringLiteral("Порядок прокачки"));
    listBox2_->setAccessibleName(QStringLiteral("Номера строк порядка прокачки"));
    MarkAsPicture(changeMarks_);
    changeMarks_->setAccessibleName(QStringLiteral("Отметки изменённых значений"));
    stringGrid1_->setAccessibleName(QStringLiteral("Параметры героя"));
    MarkAsPicture(image10_);
    image10_->setAccessibleName(QStringLiteral("Фон калькулятора"));
    MarkAsPicture(imageAttack_);
    imageAttack_->setAccessibleName(QStringLiteral("Атака"));
    MarkAsPicture(imageArmor_);
    imageArmor_->setAccessibleName(QStringLiteral("Защита"));
    MarkAsPicture(imageAttribute_);
    MarkAsPicture(imageOrbs_);
    for (controls::PictureControl* aura : imageAurs_) {
        MarkAsPicture(aura);
    }
    MarkAsGroup(scrollBox3_);
    scrollBox3_->setAccessibleName(QStringLiteral("Параметры способности"));
    for (std::size_t i = 0; i < dynCenter_.size(); ++i) {
        MarkAsPicture(dynCenter_[i]);
        dynCenter_[i]->setAccessibleName(QStringLiteral("Поле %1").arg(i + 1));
    }
    UpdateControlNames();
}

void CalculatorPanel::UpdateControlNames() {
    if (calculator_ == nullptr ||
        calculator_->Catalog().Hero(calculator_->State().CurrentHero) == nullptr) {
        imageHero_->setAccessibleName(QStringLiteral("Герой не выбран"));
        return;
    }
    imageHero_->setAccessibleName(PortraitControlName(*calculator_));
    for (int a = 1; a <= 5; ++a) {
        QWidget* ability = imageAbility_[static_cast<std::size_t>(a - 1)];
        ability->setAccessibleName(AbilityControlName(*calculator_, a));
        ability->setAccessibleDescription(AbilityControlState(*calculator_, a));
    }
    for (int s = 1; s <= 6; ++s) {
        imageSlot_[static_cast<std::size_t>(s - 1)]->setAccessibleName(
            SlotControlName(*calculator_, s));
    }
    for (std::size_t n = 0; n < imageAurs_.size(); ++n) {
        const QString hint = imageAurs_[n]->toolTip();
        imageAurs_[n]->setAccessibleName(hint.isEmpty()
                                             ? QStringLiteral("Аура %1: нет").arg(n + 1)
                                             : QStringLiteral("Аура %1: %2").arg(n + 1).arg(hint));
    }
    const THero* hero = calculator_->Catalog().Hero(calculator_->State().CurrentHero);
    static const QString kAttributes[] = {QStringLiteral("сила"), QStringLiteral("ловкость"),
                                          QStringLiteral("интеллект")};
    imageAttribute_->setAccessibleName(
        hero->PrimaryAttribute >= 1 && hero->PrimaryAttribute <= 3
            ? QStringLiteral("Основной атрибут: %1").arg(kAttributes[hero->PrimaryAttribute - 1])
            : QStringLiteral("Основной атрибут"));
    imageOrbs_->setAccessibleName(
        imageOrbs_->toolTip().isEmpty()
            ? QStringLiteral("Работающий орб")
            : QStringLiteral("Работающий орб: %1").arg(imageOrbs_->toolTip()));
}

void CalculatorPanel::UpdateEditorNames() {
    for (std::size_t i = 0; i < dynEdit_.size(); ++i) {
        const QString caption = dynLabel_[i]->text().isEmpty()
                                    ? QStringLiteral("Параметр %1").arg(i + 1)
                                    : dynLabel_[i]->text();
        dynEdit_[i]->setAccessibleName(caption);
        dynLeftArrow_[i]->setAccessibleName(QStringLiteral("Меньше: %1").arg(caption));
        dynRightArrow_[i]->setAccessibleName(QStringLiteral("Больше: %1").arg(caption));
    }
}

void CalculatorPanel::UpdateHeroBlockNames() {
    // Each value is read with its caption and its bonus: "Сила: 24 + 2".
    constexpr const char* kCaptions[5] = {"Label4", "Label8", "Label10", "Label12", "Label14"};
    for (std::size_t i = 0; i < valueLabels_.size(); ++i) {
        const auto* caption = findChild<QLabel*>(QString::fromLatin1(kCaptions[i]));
        QString name = caption->text() + QLatin1Char(' ') + valueLabels_[i]->text();
        if (!bonusLabels_[i]->isHidden()) {
            name += QLatin1Char(' ') + bonusLabels_[i]->text().trimmed();
        }
        valueLabels_[i]->setAccessibleName(name);
    }
    label16_->setAccessibleName(QStringLiteral("Здоровье: %1").arg(label16_->text()));
    label17_->setAccessibleName(QStringLiteral("Мана: %1").arg(label17_->text()));
}

} // namespace zephyr::ui
