#pragma once

#include <chrono>

class QWidget;

namespace zephyr::app {

// For checking a fresh installation: once the main window is on screen
// (its native window exposed), says so on standard output and ends the event
// loop with 0; when it has not appeared within `limit`, says that on
// standard error and ends it with 1.
void QuitWhenShown(QWidget& window, std::chrono::milliseconds limit);

} // namespace zephyr::app
