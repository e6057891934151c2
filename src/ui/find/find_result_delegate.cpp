#include "find_result_delegate.h"

#include "ui/widgets/secondary_window_style.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QTextDocument>

namespace zephyr::ui {
namespace {

constexpr int kPadding = 4;

bool IsGroup(const QModelIndex& index) {
    return !(index.flags() & Qt::ItemIsSelectable);
}

// The width a row has: the list's, before the list has laid its rows out.
int RowWidth(const QStyleOptionViewItem& option) {
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget)) {
        return view->viewport()->width();
    }
    return option.rect.width();
}

void Lay(QTextDocument& document, const QStyleOptionViewItem& option, const QModelIndex& index) {
    document.setDefaultFont(option.font);
    document.setDefaultStyleSheet(QStringLiteral("body { color: #FFEBCD; }"));
    document.setHtml(QStringLiteral("<body>") + index.data(Qt::DisplayRole).toString() +
                     QStringLiteral("</body>"));
    document.setDocumentMargin(0);
    document.setTextWidth(RowWidth(option) - 2 * kPadding);
}

} // namespace

void FindResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->save();
    if (IsGroup(index)) {
        painter->setPen(skin::kCaption);
        painter->setFont(PixelFont(12, true));
        painter->drawText(option.rect.adjusted(kPadding, 0, -kPadding, 0),
                          Qt::AlignLeft | Qt::AlignBottom, index.data().toString());
        painter->setPen(skin::kRule);
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
        return;
    }
    if (option.state & QStyle::State_Selected) {
        painter->fillRect(option.rect, skin::kSelected);
    }
    QTextDocument document;
    Lay(document, option, index);
    painter->translate(option.rect.topLeft() + QPoint(kPadding, kPadding));
    document.drawContents(painter);
    painter->restore();
}

QSize FindResultDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    if (IsGroup(index)) {
        return {RowWidth(option), 26};
    }
    QTextDocument document;
    Lay(document, option, index);
    return {RowWidth(option), static_cast<int>(document.size().height()) + 2 * kPadding};
}

} // namespace zephyr::ui
