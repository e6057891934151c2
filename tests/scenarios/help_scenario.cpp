// "Справка" shows the help file in the program's own viewer.
#include "x_input.h"
#include "x_program.h"

namespace zephyr::uitest {
namespace {

using HelpScenario = XProgram;

TEST_F(HelpScenario, ShowsTheHelpAsADocument) {
    StartShown();
    const std::size_t steps = window_->NavHistory().size();
    ClickMenu(QStringLiteral("О проекте"), QStringLiteral("Справка"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("help.html"); }, kWaitMs))
        << viewer_->Address();
    EXPECT_TRUE(opened_.empty()) << "handed to the desktop as well";
    EXPECT_EQ(window_->NavHistory().size(), steps + 1);
    Screenshot("help");
    // Back where the user was: the calculator the program starts on.
    xinput::ClickMiddle(Child("ImageNavBack"));
    EXPECT_TRUE(WaitInEventLoop([this] { return CalculatorShown(); }, kWaitMs));
}

} // namespace
} // namespace zephyr::uitest
