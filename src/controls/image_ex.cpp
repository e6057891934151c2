#include "image_ex.h"

namespace zephyr::controls {

ImageEx::ImageEx(QWidget* parent) : PictureControl(parent) {}

void ImageEx::DoMouseEnter() {
    emit MouseEnter(this);
}

void ImageEx::DoMouseLeave() {
    emit MouseLeave(this);
}

void ImageEx::enterEvent(QEnterEvent* event) {
    PictureControl::enterEvent(event);
    DoMouseEnter();
}

void ImageEx::leaveEvent(QEvent* event) {
    PictureControl::leaveEvent(event);
    DoMouseLeave();
}

} // namespace zephyr::controls
