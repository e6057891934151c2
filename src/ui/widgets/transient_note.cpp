#include "ui/widgets/transient_note.h"

#include <QTimer>

#include <algorithm>

namespace zephyr::ui {
namespace {

// Long enough to read a line twice.
constexpr int kShownMs = 3500;
constexpr int kLongShownMs = 6000;
constexpr int kLongText = 60;
constexpr int kBottomGap = 12;

} // namespace

TransientNote::TransientNote(QWidget* host) : QLabel(host), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("TransientNote"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_StyledBackground);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("#TransientNote { background-color: #000000; color: #FFEBCD;"
                                 " border: 1px solid #817879; padding: 5px 10px;"
                                 " font: 12px Tahoma; }"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void TransientNote::Show(const QString& text) {
    setText(text);
    Place();
    show();
    raise();
    timer_->start(text.size() > kLongText ? kLongShownMs : kShownMs);
}

void TransientNote::Place() {
    // Over the part of the host the user sees: a bar of the window may lie
    // over its foot.
    const QWidget* host = parentWidget();
    QRect seen = host->visibleRegion().boundingRect();
    if (seen.isEmpty()) {
        seen = host->rect();
    }
    const QMargins frame = contentsMargins() + QMargins(12, 6, 12, 6);
    const int widest = std::max(120, seen.width() - 40);
    const int wanted = fontMetrics().horizontalAdvance(text()) + frame.left() + frame.right();
    const int width = std::min(widest, wanted);
    setFixedWidth(width);
    const int height = heightForWidth(width);
    setFixedHeight(height > 0 ? height : sizeHint().height());
    move(seen.left() + (seen.width() - width) / 2, seen.bottom() + 1 - this->height() - kBottomGap);
}

} // namespace zephyr::ui
