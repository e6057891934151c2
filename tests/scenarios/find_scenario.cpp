// Finding anything as a user does: Ctrl+K from wherever the keyboard is, a
// word typed, Enter, and the right screen; the field at the end of the menu
// bar opens the same search.
#include "x_input.h"
#include "x_program.h"

#include "ui/calculator/calculator_panel.h"
#include "ui/find/find_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

namespace zephyr::uitest {
namespace {

using FindScenario = XProgram;

TEST_F(FindScenario, CtrlKAWordAndEnterOpenTheItemInItsGuide) {
    StartShown();
    xinput::Key(QStringLiteral("ctrl+k"));
    ui::FindWindow* finder = window_->Finder();
    ASSERT_TRUE(WaitInEventLoop([finder] { return finder->isVisible(); }, kWaitMs))
        << "Ctrl+K showed no search";
    ASSERT_TRUE(
        WaitInEventLoop([finder] { return QApplication::activeWindow() == finder; }, kWaitMs))
        << "the search does not take the keyboard";
    xinput::Type(QStringLiteral("ox-hide"));
    ASSERT_TRUE(
        WaitInEventLoop([finder] { return finder->Results()->currentItem() != nullptr; }, kWaitMs))
        << "typing found nothing";
    Screenshot("find-window");
    xinput::Key(QStringLiteral("Return"));
    ASSERT_TRUE(
        WaitInEventLoop([this] { return Loaded("guide_items.html#item_ox_hide_cuff"); }, kWaitMs));
    EXPECT_FALSE(finder->isVisible());
    // The find bar shows the item's name on its row.
    auto* bar = viewer_->Widget()->findChild<QWidget*>(QStringLiteral("FindBar"));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(WaitInEventLoop([bar] { return bar->isVisible(); }, kWaitMs));
    EXPECT_EQ(bar->findChild<QLineEdit*>(QStringLiteral("FindField"))->text(),
              QStringLiteral("Ox-Hide Cuff"));
    Screenshot("find-item-opened");
}

TEST_F(FindScenario, TheMenuBarFieldOpensTheSearchAndAHeroOpensTheCalculator) {
    StartShown();
    xinput::ClickMiddle(Child("FindAnythingField"));
    ui::FindWindow* finder = window_->Finder();
    ASSERT_TRUE(
        WaitInEventLoop([finder] { return QApplication::activeWindow() == finder; }, kWaitMs))
        << "a click on the field showed no search to type in";
    xinput::Type(QStringLiteral("cerys"));
    ASSERT_TRUE(
        WaitInEventLoop([finder] { return finder->Results()->currentItem() != nullptr; }, kWaitMs));
    xinput::Key(QStringLiteral("Return"));
    ASSERT_TRUE(WaitInEventLoop([this] { return CalculatorShown(); }, kWaitMs));
    const Calculator& calc = *window_->Panel()->Calc();
    EXPECT_EQ(calc.Catalog().Hero(calc.State().CurrentHero)->Name, "Cerys Emberveil");
    // The keyboard is back with the calculator: its keys work at once.
    ASSERT_TRUE(WaitInEventLoop(
        [this] { return QApplication::activeWindow() == window_->window(); }, kWaitMs));
    EXPECT_NE(QApplication::focusWidget(), Child("FindAnythingField"));
    Screenshot("find-hero-opened");
}

} // namespace
} // namespace zephyr::uitest
