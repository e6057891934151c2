#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zephyr::ui {

// Where a window of `size` goes beside the window at `anchor` on a screen
// whose free area is `screen`: to its right where the screen has room, else
// to its left, else as far right as the screen allows; level with the
// anchor's top, kept on the screen.
QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QRect& screen);

// Moves a top-level window to the middle of the primary screen's free area.
void CentreOnScreen(QWidget& window);

} // namespace zephyr::ui
