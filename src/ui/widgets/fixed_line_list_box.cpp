#include "ui/widgets/fixed_line_list_box.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QToolTip>

namespace zephyr::ui {

FixedLineListBox::FixedLineListBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
}

void FixedLineListBox::SetLines(const QStringList& lines,
                                std::vector<std::optional<QColor>> colours) {
    lines_ = lines;
    colours_ = std::move(colours);
    if (selected_ >= Count()) {
        selected_ = -1;
    }
    update();
}

void FixedLineListBox::SetSelected(int line) {
    selected_ = line >= 0 && line < Count() ? line : -1;
    update();
}

QRect FixedLineListBox::LineRect(int line) const {
    return QRect(0, line * kLineHeight, width(), kLineHeight);
}

int FixedLineListBox::LineAt(const QPoint& point) const {
    if (!rect().contains(point)) {
        return -1;
    }
    const int line = point.y() / kLineHeight;
    return line < Count() ? line : -1;
}

namespace {

const QColor kDropMarker(255, 204, 102);

} // namespace

void FixedLineListBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setFont(font());
    for (int line = 0; line < Count(); ++line) {
        const QRect r = LineRect(line);
        const auto index = static_cast<std::size_t>(line);
        const std::optional<QColor> own = index < colours_.size() ? colours_[index] : std::nullopt;
        const QColor colour = own.value_or(textColour_);
        // The canvas brush: the highlight on the selected line. Its text is
        // white there, since some line colours vanish on the highlight; the
        // line keeps its colour in a bar along its left edge.
        const bool selected = line == selected_ && isEnabled();
        painter.fillRect(r, selected ? palette().color(QPalette::Highlight) : QColor(Qt::black));
        if (selected) {
            painter.fillRect(QRect(r.left(), r.top(), 2, r.height()), colour);
        }
        painter.setPen(selected ? QColor(Qt::white) : colour);
        painter.drawText(QRect(r.left() + 2, r.top(), r.width() - 2, r.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         lines_[line]);
    }
    // While a line is dragged, a bar where it will land: the others move up
    // to make room below it, down above it.
    if (dragging_ && dropLine_ >= 0 && selected_ >= 0) {
        const QRect r = LineRect(dropLine_);
        const int y = dropLine_ > selected_ ? r.bottom() - 1 : r.top();
        painter.fillRect(QRect(r.left(), y, r.width(), 2), kDropMarker);
    }
    if (hasFocus()) {
        painter.setPen(QPen(focusFrame_, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

QString FixedLineListBox::ToolTipAt(const QPoint& point) const {
    const int line = LineAt(point);
    if (line < 0 || fontMetrics().horizontalAdvance(lines_[line]) + 2 <= width()) {
        return {};
    }
    return lines_[line];
}

bool FixedLineListBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this, LineRect(LineAt(help->pos())));
        }
        return true;
    }
    return QWidget::event(event);
}

void FixedLineListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int line = LineAt(event->position().toPoint());
    if (line >= 0) {
        SetSelected(line);
    }
    // Item lines start dragging at once, without a threshold.
    dragging_ = line >= 0 && CanDrag && CanDrag(line);
    if (dragging_) {
        setCursor(Qt::DragMoveCursor);
    }
}

void FixedLineListBox::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    const int over = LineAt(event->position().toPoint());
    const int target = over == selected_ ? -1 : over;
    if (target != dropLine_) {
        dropLine_ = target;
        update();
    }
}

void FixedLineListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = false;
    dropLine_ = -1;
    update();
    unsetCursor();
    const int to = LineAt(event->position().toPoint());
    if (to >= 0 && selected_ >= 0) {
        emit LineDropped(selected_, to);
    }
}

} // namespace zephyr::ui
