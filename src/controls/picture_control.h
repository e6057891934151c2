#pragma once

#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <optional>

namespace zephyr::controls {

// The toolkit's picture control: shows one picture at its top-left corner
// and reports mouse-downs and clicks (press and release over the control).
class PictureControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    // Pixels of `transparent` are not drawn (the window's masked pictures).
    void SetPicture(const QImage& picture, std::optional<QColor> transparent = std::nullopt);
    const QImage& Picture() const { return picture_; }

    // A mouse-down handler that opened a popup calls this, so that the
    // release that the popup would have eaten does not count as a click.
    void SuppressClick() { pressed_ = false; }

    // Draws the picture faded while the control is disabled, for controls
    // that have no disabled picture of their own.
    void SetFadedWhenDisabled(bool faded);

    // The frame drawn round the control while it has the keyboard focus:
    // dashed and lighter than the gold frames the pictures have of their own.
    static inline const QColor kFocusFrame{255, 240, 150};

signals:
    void MouseDown(QMouseEvent* event);
    void Clicked();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool pressed_ = false;
    bool fadedWhenDisabled_ = false;
};

} // namespace zephyr::controls
