#include "ui/search/category_selector.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace zephyr::ui {
namespace {

// ComboBox1DrawItem for the entries of the dropped-down list.
class SelectorEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                CategorySelector::kItemHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->fillRect(r, selected ? option.palette.highlight() : QBrush(Qt::black));
        painter->setPen(Qt::white);
        const int left = r.left();
        const int top = r.top();
        const int right = r.right(); // the rectangle's right edge - 1
        const int bottom = r.bottom() + 1;
        const int last = index.model()->rowCount() - 1;
        if (index.row() == 0) {
            painter->drawPolyline(
                QPolygon({{left, bottom}, {left, top}, {right, top}, {right, bottom}}));
        } else if (index.row() == last) {
            painter->drawPolyline(
                QPolygon({{right, top}, {right, bottom - 1}, {left, bottom - 1}, {left, top - 1}}));
        } else {
            painter->drawLine(left, top, left, bottom);
            painter->drawLine(right, top, right, bottom);
        }
        painter->drawText(QRect(left + 1, top + 1, r.width() - 2, r.height() - 1),
                          Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    }
};

} // namespace

CategorySelector::CategorySelector(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("ComboBox1"));
    for (const char* caption : {"Везде", "Термины", "Герои", "Предметы", "Крипы и саммоны",
                                "Строения", "Способности", "Сленг"}) {
        addItem(QString::fromUtf8(caption));
    }
    setCurrentIndex(0);
    setItemDelegate(new SelectorEntryDelegate(this));
    setStyleSheet(QStringLiteral(
        "QComboBox { background-color: #000000; color: #FFFFFF; border: 1px solid #817879;"
        " padding-left: 2px; }"
        "QComboBox QAbstractItemView { background-color: #000000; color: #FFFFFF; border: 0px;"
        " outline: 0px; }"));
    view()->setFrameShape(QFrame::NoFrame);
}

} // namespace zephyr::ui
