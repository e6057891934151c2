#include "picture_control.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace zephyr::controls {
namespace {

constexpr double kFadedOpacity = 0.35;

} // namespace

PictureControl::PictureControl(QWidget* parent) : QWidget(parent) {}

void PictureControl::SetPicture(const QImage& picture, std::optional<QColor> transparent) {
    if (transparent && !picture.isNull()) {
        QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = transparent->rgb() & 0xFFFFFFu;
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x) {
                if ((line[x] & 0xFFFFFFu) == key) {
                    line[x] = 0;
                }
            }
        }
        picture_ = keyed;
    } else {
        picture_ = picture;
    }
    update();
}

void PictureControl::SetFadedWhenDisabled(bool faded) {
    fadedWhenDisabled_ = faded;
    update();
}

void PictureControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && fadedWhenDisabled_) {
        update();
    }
    QWidget::changeEvent(event);
}

void PictureControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        if (fadedWhenDisabled_ && !isEnabled()) {
            // On the black panel a faded picture is a dim one.
            painter.fillRect(rect(), Qt::black);
            painter.setOpacity(kFadedOpacity);
        }
        painter.drawImage(0, 0, picture_);
        painter.setOpacity(1.0);
    }
    if (hasFocus()) {
        painter.setPen(QPen(kFocusFrame, 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    emit MouseDown(event);
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit Clicked();
    }
}

} // namespace zephyr::controls
