#include "ui/widgets/string_grid.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace zephyr::ui {

StringGrid::StringGrid(QWidget* parent) : QWidget(parent) {}

void StringGrid::SetCell(int column, int row, const QString& text) {
    QString& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (cell != text) {
        cell = text;
        update(CellRect(column, row));
        // Announced to assistive technology: a screen reader on the table
        // hears the new figure.
        if (QAccessible::isActive()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(this);
            if (QAccessibleTableInterface* table =
                    face != nullptr ? face->tableInterface() : nullptr) {
                if (QAccessibleInterface* changed = table->cellAt(row, column)) {
                    QAccessibleEvent event(changed, QAccessible::NameChanged);
                    QAccessible::updateAccessibility(&event);
                }
            }
        }
        // A screen reader on the current value hears its new figure.
        if (current_ && current_->second == row && current_->first == (column | 1)) {
            MakeCurrent(*current_);
        }
    }
}

const QString& StringGrid::Cell(int column, int row) const {
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

QRect StringGrid::CellRect(int column, int row) const {
    int left = 0;
    for (int c = 0; c < column; ++c) {
        left += kColumnWidths[static_cast<std::size_t>(c)];
    }
    return QRect(left, row * kRowHeight, kColumnWidths[static_cast<std::size_t>(column)],
                 kRowHeight);
}

std::optional<std::pair<int, int>> StringGrid::CellAt(const QPoint& point) const {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (CellRect(column, row).contains(point)) {
                return std::pair{column, row};
            }
        }
    }
    return std::nullopt;
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    const auto cell = CellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cell && cell->first % 2 == 1) {
        emit ValueClicked(cell->first, cell->second);
        return;
    }
    // Captions take no click: the panel behind does.
    QWidget::mousePressEvent(event);
}

std::pair<int, int> StringGrid::Step(int columns, int rows) const {
    auto [column, row] = current_.value_or(std::pair{1, 0});
    for (int k = 0; k < kColumns * kRows; ++k) {
        column += 2 * columns;
        row += rows;
        if (column < 0 || column >= kColumns || row < 0 || row >= kRows) {
            break;
        }
        if (!Cell(column, row).isEmpty()) {
            return {column, row};
        }
    }
    return current_.value_or(std::pair{1, 0});
}

void StringGrid::MakeCurrent(std::pair<int, int> cell) {
    if (current_) {
        update(CellRect(current_->first, current_->second));
    }
    current_ = cell;
    update(CellRect(cell.first, cell.second));
    setAccessibleDescription(QStringLiteral("%1 %2").arg(Cell(cell.first - 1, cell.second),
                                                         Cell(cell.first, cell.second)));
}

void StringGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    MakeCurrent(current_ ? *current_ : std::pair{1, 0});
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        MakeCurrent(Step(0, -1));
        return;
    case Qt::Key_Down:
        MakeCurrent(Step(0, 1));
        return;
    case Qt::Key_Left:
        MakeCurrent(Step(-1, 0));
        return;
    case Qt::Key_Right:
        MakeCurrent(Step(1, 0));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current_) {
            emit ValueKeyed(current_->first, current_->second);
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool StringGrid::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto cell = CellAt(help->pos());
    const QString text = cell && toolTip_ ? toolTip_(cell->first, cell->second) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this, CellRect(cell->first, cell->second));
    }
    return true;
}

void StringGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setFont(font());
    const QColor caption(245, 255, 0);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QRect cell = CellRect(column, row);
            painter.fillRect(cell, Qt::black);
            painter.setPen(column % 2 == 1 ? QColor(Qt::white) : caption);
            painter.drawText(
                cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                Cell(column, row));
        }
    }
    if (hasFocus() && current_) {
        painter.setPen(QPen(focusFrame_, 1));
        painter.drawRect(CellRect(current_->first, current_->second).adjusted(0, 0, -1, -1));
    }
}

} // namespace zephyr::ui
