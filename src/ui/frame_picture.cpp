#include "frame_picture.h"

#include <QPainter>

namespace zephyr::ui {

FramePicture::FramePicture(QWidget* parent, const char* name, const QRect& geometry)
    : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
}

void FramePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(QColor(0x81, 0x78, 0x79));
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // From (1, 1) to the picture's width and height.
    painter.drawRect(QRectF(1, 1, width() - 1, height() - 1));
}

} // namespace zephyr::ui
