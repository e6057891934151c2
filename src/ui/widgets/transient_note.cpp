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
    const QWidget* host = parentWidget();
    const int width = std::min(host->width() - 40, std::max(200, sizeHint().width()));
    setFixedWidth(width);
    const int height = heightForWidth(width);
    setFixedHeight(height > 0 ? height : sizeHint().height());
    move((host->width() - width) / 2, host->height() - this->height() - kBottomGap);
}

} // namespace zephyr::ui
