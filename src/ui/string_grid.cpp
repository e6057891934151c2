#include "string_grid.h"

#include <QPainter>

namespace zephyr::ui {

StringGrid::StringGrid(QWidget* parent) : QWidget(parent) {}

void StringGrid::SetCell(int column, int row, const QString& text) {
    QString& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (cell != text) {
        cell = text;
        update(CellRect(column, row));
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
}

} // namespace zephyr::ui
