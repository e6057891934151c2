#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QToolButton;

namespace zephyr::ui {

// The caption of a borderless window of ours: its title and a close button
// on a black strip. Held with the mouse it moves the window, through the
// window system when it can, else by following the mouse itself, so that the
// window moves and closes without any window manager.
class CaptionStrip : public QWidget {
    Q_OBJECT
public:
    CaptionStrip(const QString& title, QWidget* parent);

    QToolButton* CloseButton() const { return close_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* title_;
    QToolButton* close_;
    // Where the strip was grabbed, from the window's corner, while the
    // window follows the mouse itself.
    std::optional<QPoint> grab_;
};

} // namespace zephyr::ui
