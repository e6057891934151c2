#include "ui/widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zephyr::ui {

QPoint PlaceBeside(const QRect& anchor, const QSize& size, const QRect& screen) {
    int x = 0;
    if (anchor.right() + 1 + size.width() <= screen.right() + 1) {
        x = anchor.right() + 1;
    } else if (anchor.left() - size.width() >= screen.left()) {
        x = anchor.left() - size.width();
    } else {
        x = std::max(screen.left(), screen.right() + 1 - size.width());
    }
    const int y =
        std::max(screen.top(), std::min(anchor.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

} // namespace zephyr::ui
