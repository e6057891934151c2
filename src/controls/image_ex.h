#pragma once

#include "picture_control.h"

namespace zephyr::controls {

// TImageEx: a picture control that also reports the mouse entering and
// leaving it, which the picture buttons need for their hover pictures.
class ImageEx : public PictureControl {
    Q_OBJECT
public:
    explicit ImageEx(QWidget* parent = nullptr);

signals:
    void MouseEnter(ImageEx* sender);
    void MouseLeave(ImageEx* sender);

protected:
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace zephyr::controls
