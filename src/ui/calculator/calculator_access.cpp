#include "ui/calculator/calculator_panel.h"
#include "ui/calculator/control_names.h"
#include "ui/calculator/panel_accessibility.h"
#include "ui/calculator/panel_keyboard.h"
#include "ui/widgets/fixed_line_list_box.h"
#include "ui/widgets/string_grid.h"

#include "controls/edit1.h"
#include "controls/picture_control.h"

namespace zephyr::ui {

void CalculatorPanel::BuildKeyboardAccess() {
    // Tab: the portrait, the abilities, the slots, then the build order, the
    // parameter editors and the table.
    auto* keyboard = new PanelKeyboard(this);
    keyboard->AddGroup({imageHero_});
    keyboard->AddGroup({imageAbility_.begin(), imageAbility_.end()});
    keyboard->AddGroup({imageSlot_.begin(), imageSlot_.end()});
    QWidget* previous = imageSlot_.back();
    listBox1_->setFocusPolicy(Qt::TabFocus);
    stringGrid1_->setFocusPolicy(Qt::TabFocus);
    std::vector<QWidget*> rest = {listBox1_};
    rest.insert(rest.end(), dynEdit_.begin(), dynEdit_.end());
    rest.push_back(stringGrid1_);
    for (QWidget* next : rest) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    MarkAsPictureButton(imageHero_);
    for (controls::PictureControl* control : imageAbility_) {
        MarkAsPictureButton(control);
    }
    for (controls::PictureControl* control : imageSlot_) {
        MarkAsPictureButton(control);
    }
    listBox1_->setAccessibleName(QStringLiteral("Порядок прокачки"));
    stringGrid1_->setAccessibleName(QStringLiteral("Параметры героя"));
    imageOrbs_->setAccessibleName(QStringLiteral("Работающий орб"));
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
    for (controls::PictureControl* aura : imageAurs_) {
        aura->setAccessibleName(aura->toolTip());
    }
}

} // namespace zephyr::ui
