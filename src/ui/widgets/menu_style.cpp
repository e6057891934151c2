#include "ui/widgets/menu_style.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace zephyr::ui {
namespace {

const QColor kSelectedEntry(10, 36, 106);
const QColor kDisabledText(128, 128, 128);

// Where an entry's text starts, by menu, and what it needs after the text.
constexpr int kTavernTextLeft = 6;
constexpr int kIconTextLeft = 38; // heroes and items: after the icon column
constexpr int kAbilityTextLeft = 6 + 16;
constexpr int kSlotTextLeft = 16;
constexpr int kRightMargin = 8;
constexpr int kArrowRoom = 14; // the submenu arrow sits 9 to 5 pixels from the right

MenuKind KindOf(const QWidget* widget) {
    return widget != nullptr ? static_cast<MenuKind>(widget->property(kMenuKindProperty).toInt())
                             : MenuKind::ItemPicker;
}

int IconIndexAt(const QWidget* widget, const QRect& rect) {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (menu == nullptr) {
        return -1;
    }
    const QAction* action = menu->actionAt(rect.center());
    if (action == nullptr) {
        return -1;
    }
    const QVariant index = action->property(kIconIndexProperty);
    return index.isValid() ? index.toInt() : -1;
}

} // namespace

QString MenuEntryText(const QString& caption) {
    QString text = caption.left(caption.indexOf(QLatin1Char('\t')));
    text.remove(QLatin1Char('&'));
    return text;
}

MenuEntryStyle::MenuEntryStyle(const CellList* heroes32, const CellList* shops)
    : heroes32_(heroes32), shops_(shops) {}

void MenuEntryStyle::Attach(QMenu* menu, MenuKind kind) {
    menu->setProperty(kMenuKindProperty, static_cast<int>(kind));
    menu->setStyle(this);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    menu->setFont(font);
}

int MenuEntryStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize MenuEntryStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || item == nullptr) {
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    const int textWidth = item->fontMetrics.horizontalAdvance(MenuEntryText(item->text));
    const bool hasChildren = item->menuItemType == QStyleOptionMenuItem::SubMenu;
    switch (KindOf(widget)) {
    case MenuKind::AbilityMenu:
        return {kAbilityTextLeft + textWidth + kRightMargin, 19};
    case MenuKind::SlotMenu:
        return {kSlotTextLeft + textWidth + kRightMargin, 19};
    case MenuKind::HeroPicker:
        return hasChildren ? QSize(kTavernTextLeft + textWidth + kArrowRoom + kRightMargin, 19)
                           : QSize(kIconTextLeft + textWidth + kRightMargin, 35);
    case MenuKind::ItemPicker:
        break;
    }
    // No measuring of its own: icon column, text and the submenu arrow.
    return {kIconTextLeft + textWidth + 24, kItemEntryHeight};
}

void MenuEntryStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        if (element == PE_PanelMenu) {
            painter->fillRect(option->rect, Qt::black);
        }
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void MenuEntryStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, Qt::black);
        return;
    }
    if (element != CE_MenuItem || item == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const MenuKind kind = KindOf(widget);
    const bool selected = (item->state & State_Selected) != 0;
    const bool enabled = (item->state & State_Enabled) != 0;
    const bool hasChildren = item->menuItemType == QStyleOptionMenuItem::SubMenu;
    QRect rect = item->rect;
    painter->save();
    const QColor background = selected ? kSelectedEntry : QColor(Qt::black);
    painter->fillRect(rect, background);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->setPen(QColor(128, 128, 128));
        painter->drawLine(rect.left() + 2, rect.center().y(), rect.right() - 2, rect.center().y());
        painter->restore();
        return;
    }
    switch (kind) {
    case MenuKind::HeroPicker:
        if (heroes32_ != nullptr) {
            heroes32_->Draw(*painter, IconIndexAt(widget, rect), 1, rect.top() + 1);
        }
        rect.setLeft(rect.left() + (hasChildren ? kTavernTextLeft : kIconTextLeft));
        break;
    case MenuKind::ItemPicker:
        if (shops_ != nullptr) {
            shops_->Draw(*painter, IconIndexAt(widget, rect), 1, rect.top() + 1);
        }
        rect.setLeft(rect.left() + kIconTextLeft);
        break;
    case MenuKind::AbilityMenu:
        rect.setLeft(rect.left() + kAbilityTextLeft - kSlotTextLeft);
        break;
    case MenuKind::SlotMenu:
        break;
    }
    const QString text = MenuEntryText(item->text);
    painter->setFont(item->font);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    if (kind == MenuKind::AbilityMenu || kind == MenuKind::SlotMenu) {
        rect.translate(kSlotTextLeft, 0);
        if (!enabled) {
            painter->setPen(Qt::white);
            painter->drawText(rect.translated(1, 1), flags, text);
            painter->setPen(kDisabledText);
            painter->drawText(rect, flags, text);
            painter->restore();
            return;
        }
    }
    // A disabled line of the pickers (what was typed into the item picker) is grey.
    painter->setPen(enabled ? QColor(Qt::white) : kDisabledText);
    painter->drawText(rect, flags, text);
    if (hasChildren) {
        // The system's submenu arrow, drawn after the entry.
        const int x = item->rect.right() - 9;
        const int y = item->rect.center().y();
        const QPoint arrow[3] = {{x, y - 4}, {x + 4, y}, {x, y + 4}};
        painter->setBrush(Qt::white);
        painter->setPen(Qt::NoPen);
        painter->drawPolygon(arrow, 3);
    }
    painter->restore();
}

} // namespace zephyr::ui
