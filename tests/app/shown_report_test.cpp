// zephyrdex --exit-when-shown: the event loop ends with 0 once the window is
// on screen, and with 1 when it never gets there.
#include "app/shown_report.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace zephyr::uitest {
namespace {

TEST(ExitWhenShown, EndsOnceTheWindowIsExposed) {
    QWidget window;
    window.resize(200, 100);
    window.show();
    ::testing::internal::CaptureStdout();
    app::QuitWhenShown(window, std::chrono::seconds(10));
    const int code = QApplication::exec();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "zephyrdex: main window shown, 200 x 100\n");
    EXPECT_EQ(code, 0);
}

TEST(ExitWhenShown, FailsWhenTheWindowNeverShows) {
    QWidget window;
    ::testing::internal::CaptureStderr();
    app::QuitWhenShown(window, std::chrono::milliseconds(100));
    const int code = QApplication::exec();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("did not appear within 100 ms"), std::string::npos) << err;
    EXPECT_EQ(code, 1);
}

} // namespace
} // namespace zephyr::uitest
