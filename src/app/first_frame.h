#pragma once

class QWidget;

namespace zephyr::app {

// Lets the window system map and paint a window just shown, while the
// program goes on with its start-up: waits for the window's exposure (at
// most a fifth of a second, for a slow window manager) and paints it. What
// the user types or clicks meanwhile stays queued for the event loop.
void PaintFirstFrame(QWidget& window);

} // namespace zephyr::app
