#include "first_windows.h"

#include "first_frame.h"

#include "data/interface_pictures.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace zephyr::app {
namespace {

// Sends the window system what was asked of it so far, a window's map
// among it, without handling any event: on X the requests otherwise wait
// for the next turn of the event loop.
void SendWindowRequests() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        xcb_flush(x11->connection());
    }
}

} // namespace

FirstWindows ShowFirstWindows(const DataLocation& location) {
    FirstWindows shown;
    shown.Splash = std::make_unique<SplashForm>(location);
    shown.Splash->show();
    SendWindowRequests();
    if (RequiredDesignPicturesPresent(location)) {
        shown.Host = std::make_unique<ui::MainWindowHost>();
        shown.Host->show();
        // The window takes the keyboard at once: without a window manager
        // nothing else would make it active.
        shown.Host->activateWindow();
        shown.Splash->raise();
        SendWindowRequests();
    }
    PaintFirstFrame(*shown.Splash);
    if (shown.Host != nullptr) {
        PaintFirstFrame(*shown.Host);
    }
    return shown;
}

} // namespace zephyr::app
