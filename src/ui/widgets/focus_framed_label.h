#pragma once

#include <QColor>
#include <QLabel>

namespace zephyr::ui {

// A label framed while it has the keyboard focus, for the values a user can
// reach with Tab.
class FocusFramedLabel : public QLabel {
public:
    using QLabel::QLabel;

    void SetFocusFrameColour(const QColor& colour) { focusFrame_ = colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor focusFrame_ = Qt::white;
};

} // namespace zephyr::ui
