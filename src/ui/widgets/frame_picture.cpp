#include "ui/widgets/frame_picture.h"

#include <QPainter>

namespace zephyr::ui {

FramePicture::FramePicture(QWidget* parent, const char* name, const QRect& geometry)
    : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
}

void FramePicture::paintEvent(QPaintEvent*) {
    // A rectangle drawn from (1, 1) with a pen two pixels wide: a ring two
    // pixels wide at the picture's edges.
    QPainter painter(this);
    const QColor colour(0x81, 0x78, 0x79);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, 2, colour);
    painter.fillRect(0, h - 2, w, 2, colour);
    painter.fillRect(0, 0, 2, h, colour);
    painter.fillRect(w - 2, 0, 2, h, colour);
}

} // namespace zephyr::ui
