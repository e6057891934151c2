#pragma once

#include "engine/stat_breakdown.h"

#include <QFrame>

class QLabel;

namespace zephyr::ui {

// The small popup that says where a figure comes from; it closes at the
// next click anywhere and when Esc is pressed.
class BreakdownPopup : public QFrame {
    Q_OBJECT
public:
    BreakdownPopup(QWidget* parent, const FigureBreakdown& breakdown);

    QString Text() const;

private:
    QLabel* body_ = nullptr;
};

} // namespace zephyr::ui
