#pragma once

#include <QLabel>

class QTimer;

namespace zephyr::ui {

// A short note over the bottom of a window that says what just happened or
// why nothing did, and goes by itself after a few seconds: no dialog to
// dismiss. It takes no input; the widgets below stay usable.
class TransientNote : public QLabel {
public:
    explicit TransientNote(QWidget* host);

    // Shows the text, in place of the note shown so far.
    void Show(const QString& text);

private:
    void Place();

    QTimer* timer_;
};

} // namespace zephyr::ui
