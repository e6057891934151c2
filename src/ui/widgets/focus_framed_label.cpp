#include "ui/widgets/focus_framed_label.h"

#include <QPainter>
#include <QPen>

namespace zephyr::ui {

void FocusFramedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(focusFrame_, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace zephyr::ui
