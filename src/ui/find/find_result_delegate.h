#pragma once

#include <QStyledItemDelegate>

namespace zephyr::ui {

// Paints a result's rich text (title over snippet) and a group's caption,
// in the skin's colours, the current result on the selection blue.
class FindResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zephyr::ui
