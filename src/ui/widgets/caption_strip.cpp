#include "ui/widgets/caption_strip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace zephyr::ui {
namespace {

const QColor kStrip(Qt::black);
const QColor kTitle(245, 255, 0);
const QColor kRule(62, 76, 77);

} // namespace

CaptionStrip::CaptionStrip(const QString& title, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CaptionStrip"));
    setFixedHeight(24);
    title_ = new QLabel(title, this);
    title_->setObjectName(QStringLiteral("CaptionTitle"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    title_->setFont(font);
    title_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kTitle.name()));
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);

    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("CaptionClose"));
    close_->setText(QStringLiteral("\u2715"));
    close_->setToolTip(QStringLiteral("Закрыть (Esc)"));
    close_->setAccessibleName(QStringLiteral("Закрыть"));
    close_->setCursor(Qt::PointingHandCursor);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setStyleSheet(
        QStringLiteral("QToolButton { color: %1; background: transparent; border: "
                       "none; padding: 0 6px; font-size: 14px; }"
                       "QToolButton:hover { color: white; background: #7a1010; }")
            .arg(kTitle.name()));
    connect(close_, &QToolButton::clicked, this, [this] { window()->close(); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title_);
    layout->addStretch();
    layout->addWidget(close_);
}

void CaptionStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        grab_.reset();
        return;
    }
    grab_ = event->globalPosition().toPoint() - window()->pos();
}

void CaptionStrip::mouseMoveEvent(QMouseEvent* event) {
    if (grab_ && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - *grab_);
    }
}

void CaptionStrip::mouseReleaseEvent(QMouseEvent*) {
    grab_.reset();
}

void CaptionStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kStrip);
    painter.setPen(kRule);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

} // namespace zephyr::ui
