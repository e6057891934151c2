// Start-up as the user sees it: the window's frame is on the screen while
// the catalogues load, with the splash above it, and the splash goes once
// the set-up has filled the window.
#include "x_program.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

#include <optional>

namespace zephyr::uitest {
namespace {

QWidget* TopLevel(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String(name)) {
            return top;
        }
    }
    return nullptr;
}

// The share of the pixels of `widget` that the X server shows as the widget
// paints them: near 1 when nothing covers it.
double ShareOnScreen(QWidget& widget) {
    const QRect area(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    const QImage screen = QGuiApplication::primaryScreen()
                              ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    const QImage own = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (screen.size() != own.size()) {
        return 0;
    }
    long same = 0;
    for (int y = 0; y < own.height(); ++y) {
        for (int x = 0; x < own.width(); ++x) {
            same += static_cast<long>(screen.pixel(x, y) == own.pixel(x, y));
        }
    }
    return static_cast<double>(same) / (own.width() * own.height());
}

struct DuringSetUp {
    bool FrameExposed = false;
    double SplashShare = 0;
};

using StartUpScenario = XProgram;

TEST_F(StartUpScenario, FrameFirstWithTheSplashAboveIt) {
    std::optional<DuringSetUp> seen;
    statusSeen_ = [this, &seen](const QString&) {
        if (seen) {
            return;
        }
        seen.emplace();
        QWidget* frame = TopLevel("Form1Host");
        QWidget* splash = TopLevel("Form3");
        seen->FrameExposed = frame != nullptr && frame->windowHandle() != nullptr &&
                             frame->windowHandle()->isExposed();
        if (splash != nullptr) {
            seen->SplashShare = ShareOnScreen(*splash);
        }
        Screenshot("start_up_frame_and_splash");
    };
    StartShown();
    ASSERT_TRUE(seen.has_value()) << "the set-up showed no status";
    EXPECT_TRUE(seen->FrameExposed) << "the frame was not on the screen while the set-up ran";
    EXPECT_GT(seen->SplashShare, 0.95) << "the splash was covered";
    const QWidget* splash = TopLevel("Form3");
    EXPECT_TRUE(splash == nullptr || !splash->isVisible()) << "the splash stayed";
    Screenshot("start_up_filled");
}

} // namespace
} // namespace zephyr::uitest
