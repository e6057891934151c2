#include "ui/calculator/calculator_panel.h"

#include "ui/calculator/picker_search.h"
#include "ui/widgets/texts.h"

#include "engine/build_order_list.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

namespace zephyr::ui {
namespace {

inline constexpr const char* kHeroProperty = "heroNumber";

} // namespace

void CalculatorPanel::BuildPickerMenus(const Catalogue& catalogue) {
    heroSearch_->Clear();
    popupMenu2_->clear();
    for (const TavernMenuEntry& tavern : catalogue.HeroMenu) {
        QMenu* heroes = popupMenu2_->addMenu(FromCp1251(tavern.Caption));
        heroSearch_->Watch(heroes);
        menuStyle_->Attach(heroes, MenuKind::HeroPicker);
        heroes->menuAction()->setProperty(kIconIndexProperty, -1);
        for (const HeroMenuEntry& hero : tavern.Heroes) {
            QAction* entry = heroes->addAction(FromCp1251(hero.Caption));
            entry->setProperty(kIconIndexProperty, hero.IconIndex);
            entry->setProperty(kHeroProperty, hero.HeroNumber);
            const int number = hero.HeroNumber;
            connect(entry, &QAction::triggered, this, [this, number] { ChooseHeroEntry(number); });
            heroSearch_->AddEntry(entry, entry->text());
        }
    }
    itemSearch_->Clear();
    popupMenu1_->clear();
    for (const ShopMenuEntry& shop : catalogue.ItemMenu) {
        QMenu* items = popupMenu1_->addMenu(FromCp1251(shop.Caption));
        menuStyle_->Attach(items, MenuKind::ItemPicker);
        itemSearch_->Watch(items);
        connect(items, &QMenu::hovered, this,
                [this, items](QAction* action) { ShowItemPreview(items, action); });
        items->menuAction()->setProperty(kIconIndexProperty, shop.IconIndex);
        AddShopEntries(items, shop.Entries);
    }
}

QMenu* CalculatorPanel::AddShopEntries(QMenu* menu, const std::vector<ItemMenuEntry>& entries,
                                       const QString& groupCaption) {
    for (const ItemMenuEntry& entry : entries) {
        if (entry.IsGroup()) {
            QMenu* group = menu->addMenu(FromCp1251(entry.Caption));
            menuStyle_->Attach(group, MenuKind::ItemPicker);
            itemSearch_->Watch(group);
            connect(group, &QMenu::hovered, this,
                    [this, group](QAction* action) { ShowItemPreview(group, action); });
            group->menuAction()->setProperty(kIconIndexProperty, entry.IconIndex);
            AddShopEntries(group, entry.Variants, group->title());
            continue;
        }
        const QString caption = FromCp1251(entry.Caption);
        QAction* action = menu->addAction(caption);
        action->setProperty(kIconIndexProperty, entry.IconIndex);
        action->setProperty(kItemProperty, entry.ItemNumber);
        const int number = entry.ItemNumber;
        connect(action, &QAction::triggered, this, [this, number] { PlaceItem(number); });
        // A variant is found under its whole name, "Group - Variant".
        itemSearch_->AddEntry(action, groupCaption.isEmpty()
                                          ? caption
                                          : groupCaption + QStringLiteral(" - ") + caption);
    }
    return menu;
}

void CalculatorPanel::ImageHeroMouseDown(QMouseEvent* event) {
    clickGate_(imageHero_);
    if (event->button() == Qt::RightButton && calculator_ != nullptr) {
        portraitMenu_->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton || calculator_ == nullptr) {
        return;
    }
    imageHero_->SuppressClick();
    popupMenu2_->popup(event->globalPosition().toPoint());
}

void CalculatorPanel::ChooseHeroEntry(int hero) {
    clickGate_(popupMenu2_);
    if (heroChangeGate_ && !heroChangeGate_()) {
        return;
    }
    ChooseHero(hero);
}

void CalculatorPanel::ImageSlot1MouseDown(int slot, QMouseEvent* event) {
    controls::PictureControl* control = imageSlot_[static_cast<std::size_t>(slot - 1)];
    clickGate_(control);
    if (calculator_ == nullptr) {
        return;
    }
    if (event->button() == Qt::RightButton) {
        PopupMenu4Popup(slot, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton ||
        calculator_->State().ItemSlots[static_cast<std::size_t>(slot - 1)].ItemNumber != 0) {
        return;
    }
    // The picker takes the button release: choosing an item is no click
    // on the slot.
    control->SuppressClick();
    popupSlot_ = slot;
    popupMenu1_->popup(event->globalPosition().toPoint());
}

void CalculatorPanel::PlaceItem(int item) {
    clickGate_(popupMenu1_);
    if (calculator_ != nullptr && calculator_->PlaceItem(popupSlot_, item)) {
        Record({GestureKind::Place, popupSlot_, 0, calculator_->Catalog().Item(item)->Name});
        AfterBuildChange();
    }
}

void CalculatorPanel::RemoveItem(int slot) {
    clickGate_(imageSlot_[static_cast<std::size_t>(slot - 1)]);
    if (calculator_ != nullptr && calculator_->RemoveItem(slot)) {
        Record({GestureKind::Remove, slot, 0, {}});
        AfterBuildChange();
    }
}

void CalculatorPanel::ListBox1DragDrop(int from, int to) {
    if (calculator_ == nullptr || from < 0 || to < 0) {
        return;
    }
    const bool moved = calculator_->MoveBuildOrderLine(from, to);
    listBox1_->ClearSelection();
    setFocus(Qt::OtherFocusReason);
    if (moved) {
        Record({GestureKind::MoveLine, from, to, {}});
        SyncBuildOrderList();
        RefreshStats();
    }
}

void CalculatorPanel::SyncBuildOrderList() {
    QStringList lines;
    std::vector<std::optional<QColor>> colours;
    if (calculator_ != nullptr) {
        const std::vector<std::string>& texts = calculator_->BuildOrderLines();
        for (std::size_t line = 0; line < texts.size(); ++line) {
            lines << FromCp1251(texts[line]);
            const std::optional<Rgb> colour =
                BuildOrderLineColour(calculator_->BuildOrderLineCode(static_cast<int>(line)));
            colours.push_back(colour
                                  ? std::optional<QColor>(QColor(colour->R, colour->G, colour->B))
                                  : std::nullopt);
        }
    }
    listBox1_->SetLines(lines, std::move(colours));
}

} // namespace zephyr::ui
