// The calculator's keys work as soon as it is the screen shown, without a
// click in the panel first, and the Tab key stays on the screen shown.
#include "x_input.h"
#include "x_program.h"

#include "engine/build_code.h"
#include "engine/calculator.h"
#include "ui/calculator/calculator_panel.h"

#include <QApplication>
#include <QClipboard>

namespace zephyr::uitest {
namespace {

class CalculatorKeyScenario : public XProgram {
protected:
    std::string HeroName() const {
        return window_->Catalog().Hero(window_->Panel()->Calc()->State().CurrentHero)->Name;
    }

    // Every key of the panel, pressed with nothing clicked since the
    // calculator came up.
    void PressEveryPanelKey() {
        ASSERT_TRUE(CalculatorShown());
        xinput::Key(QStringLiteral("ctrl+g"));
        ASSERT_TRUE(
            WaitInEventLoop([this] { return LevelChart() && LevelChart()->isVisible(); }, 5000))
            << "Ctrl+G showed no level chart";
        xinput::Key(QStringLiteral("Escape"));
        ASSERT_TRUE(WaitInEventLoop([this] { return !LevelChart()->isVisible(); }, 5000));

        QApplication::clipboard()->clear();
        xinput::Key(QStringLiteral("ctrl+c"));
        EXPECT_TRUE(WaitInEventLoop(
            [] { return QApplication::clipboard()->text().startsWith(QStringLiteral("ZX")); },
            5000))
            << "Ctrl+C copied no build code";

        // Another hero's build, pasted, undone and redone.
        const auto& heroes = window_->Catalog().Heroes;
        const std::string other =
            heroes.front().Name != HeroName() ? heroes.front().Name : heroes.back().Name;
        ASSERT_NE(other, HeroName());
        BuildRecipe recipe{other, {Gesture{GestureKind::LevelUp, 1, 0, {}}}};
        QApplication::clipboard()->setText(QString::fromStdString(EncodeBuildCode(recipe)));
        xinput::Key(QStringLiteral("ctrl+v"));
        ASSERT_TRUE(WaitInEventLoop([&] { return HeroName() == other; }, 5000))
            << "Ctrl+V pasted nothing";
        const QString pasted = window_->Panel()->BuildCode();
        xinput::Key(QStringLiteral("ctrl+z"));
        EXPECT_TRUE(WaitInEventLoop([&] { return window_->Panel()->BuildCode() != pasted; }, 5000))
            << "Ctrl+Z undid nothing";
        xinput::Key(QStringLiteral("ctrl+y"));
        EXPECT_TRUE(WaitInEventLoop([&] { return window_->Panel()->BuildCode() == pasted; }, 5000))
            << "Ctrl+Y redid nothing";

        const bool pinned = window_->Panel()->HasPinnedBuild();
        xinput::Key(QStringLiteral("ctrl+p"));
        EXPECT_TRUE(
            WaitInEventLoop([&] { return window_->Panel()->HasPinnedBuild() != pinned; }, 5000))
            << "Ctrl+P pinned nothing";
    }
};

TEST_F(CalculatorKeyScenario, WorkAtStartAndAfterBack) {
    // The program starts on the calculator: its keys work at once.
    StartShown();
    PressEveryPanelKey();
    Screenshot("calculator-keys-at-start");

    ClickMenu(QStringLiteral("Информация"), QStringLiteral("Предметы"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_items.html"); }, kWaitMs));
    xinput::ClickMiddle(Child("ImageNavBack"));
    ASSERT_TRUE(WaitInEventLoop([this] { return CalculatorShown(); }, kWaitMs));
    PressEveryPanelKey();
}

// The start page behind the calculator (dropped by the engine while covered)
// holds links that would open another hero; Tab, Space and Enter never
// reach it.
TEST_F(CalculatorKeyScenario, TabNeverReachesTheHiddenDocument) {
    StartShown();
    ASSERT_TRUE(CalculatorShown());
    ASSERT_TRUE(viewer_->Address().ends_with("Main.html"));
    const std::string hero = HeroName();
    const std::size_t steps = window_->NavHistory().size();

    for (int k = 0; k < 20; ++k) {
        xinput::Key(QStringLiteral("Tab"));
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            continue;
        }
        // Neither a hidden widget nor the document under the calculator.
        const QWidget* document = viewer_->Widget();
        EXPECT_TRUE(focus->isVisible() && focus != document && !document->isAncestorOf(focus))
            << "Tab " << k + 1 << " reached " << focus->metaObject()->className() << " "
            << focus->objectName().toStdString();
    }
    // Space and Enter act on the calculator's control that has the focus, as
    // a click on it would; never on a link of the document.
    xinput::Key(QStringLiteral("space Return"));
    EXPECT_TRUE(CalculatorShown());
    EXPECT_EQ(HeroName(), hero);
    EXPECT_EQ(window_->NavHistory().size(), steps);
}

} // namespace
} // namespace zephyr::uitest
