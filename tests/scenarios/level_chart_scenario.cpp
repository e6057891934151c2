// The level chart is a window of its own: it must open beside the main
// window and close and move without help from a window manager.
#include "x_input.h"
#include "x_program.h"

#include <QScreen>

#include <algorithm>

namespace zephyr::uitest {
namespace {

class LevelChartScenario : public XProgram {
protected:
    QWidget* OpenChart() {
        EXPECT_TRUE(CalculatorShown());
        xinput::Key(QStringLiteral("ctrl+g"));
        EXPECT_TRUE(
            WaitInEventLoop([] { return LevelChart() && LevelChart()->isVisible(); }, 5000));
        QWidget* chart = LevelChart();
        WaitInEventLoop([] { return false; }, 300);
        return chart;
    }

    bool Closes(QWidget* chart) {
        return WaitInEventLoop([chart] { return !chart->isVisible(); }, 5000);
    }
};

TEST_F(LevelChartScenario, OpensBesideTheWindowAndClosesByEveryWay) {
    StartShown();
    QWidget* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    Screenshot("level-chart-open");
    const QRect screen = window_->screen()->geometry();
    const QRect main = window_->window()->frameGeometry();
    const QRect placed = chart->frameGeometry();
    EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
    // The screen leaves room beside the window.
    ASSERT_GE(std::max(main.left() - screen.left(), screen.right() - main.right()), placed.width());
    EXPECT_FALSE(placed.intersects(main));

    xinput::Key(QStringLiteral("Escape"));
    EXPECT_TRUE(Closes(chart)) << "Esc";

    xinput::Key(QStringLiteral("ctrl+g"));
    ASSERT_TRUE(WaitInEventLoop([chart] { return chart->isVisible(); }, 5000));
    WaitInEventLoop([] { return false; }, 300);
    xinput::Key(QStringLiteral("ctrl+w"));
    EXPECT_TRUE(Closes(chart)) << "Ctrl+W";

    xinput::Key(QStringLiteral("ctrl+g"));
    ASSERT_TRUE(WaitInEventLoop([chart] { return chart->isVisible(); }, 5000));
    WaitInEventLoop([] { return false; }, 300);
    xinput::ClickMiddle(chart->findChild<QWidget*>(QStringLiteral("CaptionClose")));
    EXPECT_TRUE(Closes(chart)) << "the close button";

    // The keys go back to the main window.
    xinput::Key(QStringLiteral("ctrl+g"));
    EXPECT_TRUE(WaitInEventLoop([chart] { return chart->isVisible(); }, 5000));
}

TEST_F(LevelChartScenario, MovesByItsCaptionStrip) {
    StartShown();
    QWidget* chart = OpenChart();
    ASSERT_NE(chart, nullptr);
    const QWidget* title = chart->findChild<QWidget*>(QStringLiteral("CaptionTitle"));
    ASSERT_NE(title, nullptr);
    const QPoint before = chart->frameGeometry().topLeft();
    const QPoint grip = title->mapToGlobal(QPoint(20, title->height() / 2));
    xinput::Drag(grip, grip + QPoint(-60, 40));
    EXPECT_TRUE(WaitInEventLoop(
        [&] { return chart->frameGeometry().topLeft() == before + QPoint(-60, 40); }, 5000))
        << chart->frameGeometry().x() << "," << chart->frameGeometry().y();
}

} // namespace
} // namespace zephyr::uitest
