#pragma once

#include "ui/widgets/cell_list.h"

#include <QProxyStyle>

class QMenu;

namespace zephyr::ui {

// The four popup menus of the calculator panel, by their names.
enum class MenuKind {
    ItemPicker = 1,  // PopupMenu1
    HeroPicker = 2,  // PopupMenu2
    AbilityMenu = 3, // PopupMenu3
    SlotMenu = 4,    // PopupMenu4
};

// Height of an item picker entry: the widget set's standard entry for a
// menu whose icons are 36 x 36.
inline constexpr int kItemEntryHeight = 39;

// Owner drawing and measuring of the panel's menu entries
// (DrawMenuEntry / MeasureMenuEntry): black entries, white text, the
// selected entry dark blue, icons from the hero and shop lists.
class MenuEntryStyle : public QProxyStyle {
public:
    MenuEntryStyle(const CellList* heroes32, const CellList* shops);

    // Gives a menu (and each submenu as it is added) this drawing.
    void Attach(QMenu* menu, MenuKind kind);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

private:
    const CellList* heroes32_;
    const CellList* shops_;
};

// The caption as drawn: every "&" removed, no short-cut part.
QString MenuEntryText(const QString& caption);

// Icon index stored on an entry; -1 when it has none.
inline constexpr const char* kIconIndexProperty = "iconIndex";
// The item an entry of the item picker places.
inline constexpr const char* kItemProperty = "itemNumber";
inline constexpr const char* kMenuKindProperty = "menuKind";

} // namespace zephyr::ui
