#pragma once

#include <QWidget>

namespace zephyr::ui {

// Image1 and Image2 of the search panel: a picture whose paint draws a frame
// two pixels wide; the viewer placed over it covers the interior.
class FramePicture : public QWidget {
    Q_OBJECT
public:
    FramePicture(QWidget* parent, const char* name, const QRect& geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zephyr::ui
