#pragma once

#include "app/splash_form.h"
#include "ui/widgets/main_window_host.h"

#include "data/data_location.h"

#include <memory>

namespace zephyr::app {

// What the launcher puts on the screen before the program's libraries are
// loaded: the splash, and beneath it the main window's place, which the
// program's window fills once it is made.
struct FirstWindows {
    std::unique_ptr<SplashForm> Splash;
    // Null when a design picture the window needs is missing: the set-up
    // then ends the program without its window ever showing.
    std::unique_ptr<ui::MainWindowHost> Host;
};

// Maps the splash, then the place, each as soon as it is made, and only
// then paints them (the splash's picture and text take longest). What the
// user types or clicks meanwhile stays queued for the event loop.
FirstWindows ShowFirstWindows(const DataLocation& location);

} // namespace zephyr::app
