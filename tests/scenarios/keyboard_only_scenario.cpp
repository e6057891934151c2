// The calculator without the mouse: with real keys only, a user chooses a
// hero, levels four abilities, fills a slot, switches the item on and opens a
// breakdown.
#include "x_input.h"
#include "x_program.h"

#include "data/item.h"
#include "engine/build_state.h"
#include "engine/calculator.h"
#include "ui/calculator/breakdown_popup.h"
#include "ui/calculator/calculator_panel.h"

#include <QApplication>
#include <QMenu>

namespace zephyr::uitest {
namespace {

class KeyboardOnlyScenario : public XProgram {
protected:
    const BuildState& State() const { return window_->Panel()->Calc()->State(); }
    QString Focused() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }
    // Presses Tab until `name` has the focus, as a user would.
    void TabTo(const QString& name) {
        for (int k = 0; k < 40 && Focused() != name; ++k) {
            xinput::Key(QStringLiteral("Tab"));
            WaitInEventLoop([&] { return Focused() == name; }, 200);
        }
        ASSERT_EQ(Focused(), name);
    }
    // Waits for a popup menu, then walks it with `keys`.
    void InMenu(const QString& keys) {
        ASSERT_TRUE(WaitInEventLoop(
            [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
            5000))
            << "no menu opened";
        if (!keys.isEmpty()) {
            xinput::Key(keys);
        }
    }
};

TEST_F(KeyboardOnlyScenario, HeroAbilitiesSlotAndBreakdownWithoutTheMouse) {
    StartShown();
    const int firstHero = State().CurrentHero;

    // The portrait's menu: the first tavern's second hero.
    TabTo(QStringLiteral("ImageHero"));
    xinput::Key(QStringLiteral("Return"));
    InMenu(QStringLiteral("Down Right Down Down Return"));
    ASSERT_TRUE(WaitInEventLoop([&] { return State().CurrentHero != firstHero; }, 5000))
        << "no hero was chosen";
    // The portrait has the keyboard again.
    EXPECT_TRUE(WaitInEventLoop([&] { return Focused() == QStringLiteral("ImageHero"); }, 3000))
        << "the focus went to " << Focused().toStdString();

    // Four abilities: the first, the second, the third and the attribute
    // bonus, walked with the arrows.
    TabTo(QStringLiteral("ImageAbility1"));
    xinput::Key(QStringLiteral("Return Right Return Right Return Right Right Return"));
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            return AbilityLevel(State(), 1) == 1 && AbilityLevel(State(), 2) == 1 &&
                   AbilityLevel(State(), 3) == 1 && AbilityLevel(State(), 5) == 1;
        },
        5000))
        << "levels " << int(AbilityLevel(State(), 1)) << int(AbilityLevel(State(), 2))
        << int(AbilityLevel(State(), 3)) << int(AbilityLevel(State(), 5));
    Screenshot("keyboard_ability_focus");

    // The first slot's menu: an item that can be switched on, found by
    // typing its name, then switched on from the slot's own menu.
    const TItem* switchable = nullptr;
    for (const TItem& item : window_->Catalog().Items) {
        if (item.Activatable && !item.OnePerHero && switchable == nullptr) {
            switchable = &item;
        }
    }
    ASSERT_NE(switchable, nullptr);
    xinput::Key(QStringLiteral("Tab"));
    ASSERT_TRUE(WaitInEventLoop([&] { return Focused() == QStringLiteral("ImageSlot1"); }, 5000));
    xinput::Key(QStringLiteral("Return"));
    InMenu(QString());
    xinput::Type(QString::fromStdString(switchable->Name));
    WaitInEventLoop([] { return false; }, 300);
    xinput::Key(QStringLiteral("Return"));
    // The first match of the name: the item, or a variant of it.
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            const TItem* placed = window_->Panel()->Calc()->ItemInSlot(1);
            return placed != nullptr && placed->Activatable;
        },
        5000))
        << "the item typed was not placed";
    ASSERT_TRUE(WaitInEventLoop([&] { return Focused() == QStringLiteral("ImageSlot1"); }, 5000));
    xinput::Key(QStringLiteral("shift+F10"));
    InMenu(QStringLiteral("Down Return"));
    ASSERT_TRUE(WaitInEventLoop([&] { return State().SlotActive[0]; }, 5000))
        << "the item was not switched on";

    // The table: the first value, broken down, then closed.
    TabTo(QStringLiteral("StringGrid1"));
    Screenshot("keyboard_table_focus");
    xinput::Key(QStringLiteral("Down Return"));
    ASSERT_TRUE(WaitInEventLoop(
        [] { return qobject_cast<ui::BreakdownPopup*>(QApplication::activePopupWidget()); }, 5000))
        << "no breakdown opened";
    xinput::Key(QStringLiteral("Escape"));
    EXPECT_TRUE(WaitInEventLoop([] { return QApplication::activePopupWidget() == nullptr; }, 5000));
}

} // namespace
} // namespace zephyr::uitest
