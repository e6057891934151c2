#include "first_windows.h"

#include "first_frame.h"

#include "data/interface_pictures.h"

namespace zephyr::app {

FirstWindows ShowFirstWindows(const DataLocation& location) {
    FirstWindows shown;
    shown.Splash = std::make_unique<SplashForm>(location);
    // On X, show() sends the window's map to the server before it returns.
    shown.Splash->show();
    if (RequiredDesignPicturesPresent(location)) {
        shown.Host = std::make_unique<ui::MainWindowHost>();
        shown.Host->show();
        // The window takes the keyboard at once: without a window manager
        // nothing else would make it active.
        shown.Host->activateWindow();
        shown.Splash->raise();
    }
    PaintFirstFrame(*shown.Splash);
    if (shown.Host != nullptr) {
        PaintFirstFrame(*shown.Host);
    }
    return shown;
}

} // namespace zephyr::app
