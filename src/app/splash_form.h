#pragma once

#include "data/data_location.h"

#include <QWidget>

#include <string>

class QLabel;

namespace zephyr::controls {
class PictureControl;
}

namespace zephyr::app {

// TForm3: the small borderless window with the status line that stays up
// while the catalogues and pictures load. Its picture is read when it is
// first painted, and its controls are made once it is shown, so that its
// window goes on the screen without waiting for either.
class SplashForm : public QWidget {
    Q_OBJECT
public:
    explicit SplashForm(const DataLocation& location);

    // Sets the status line (Windows-1251) and repaints at once: no events
    // are processed while loading goes on.
    void SetStatus(const std::string& text);
    QString Status() const;

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DataLocation location_;
    bool pictured_ = false;
    controls::PictureControl* image1_ = nullptr; // made when first shown
    QLabel* label1_ = nullptr;                   // made with the first status text
};

} // namespace zephyr::app
