#include "first_frame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

namespace zephyr::app {
namespace {

constexpr int kExposureLimitMs = 200;

} // namespace

void PaintFirstFrame(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    const QWindow* handle = window.window()->windowHandle();
    while (handle != nullptr && !handle->isExposed() && waited.elapsed() < kExposureLimitMs) {
        QCoreApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, kExposureLimitMs);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zephyr::app
