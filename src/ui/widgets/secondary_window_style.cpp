#include "ui/widgets/secondary_window_style.h"

namespace zephyr::ui {

QFont PixelFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString SecondaryWindowStyle(const QString& windowName) {
    return QStringLiteral(
               "QWidget#%6 { background: %1; border: 1px solid %4; }"
               "QTableWidget, QTableView, QTreeView, QListView { background: %1; color: white;"
               " gridline-color: %4; border: 1px solid %4; selection-background-color: %5; }"
               "QHeaderView::section { background: %2; color: %3; border: 0px;"
               " border-right: 1px solid %4; border-bottom: 1px solid %4; padding: 2px 4px;"
               " font-weight: bold; }"
               "QScrollBar:vertical { background: %1; width: 12px; margin: 0px; }"
               "QScrollBar::handle:vertical { background: %4; min-height: 20px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: %1; }"
               "QPushButton { background: %2; color: white; border: 1px solid %4;"
               " padding: 4px 14px; }"
               "QPushButton:hover, QPushButton:focus { background: %5; }"
               "QPushButton:disabled { color: gray; }"
               "QLineEdit, QPlainTextEdit { background: %2; color: white; border: 1px solid %4;"
               " selection-background-color: %5; }"
               "QLabel { color: white; }")
        .arg(skin::kBackground.name(), skin::kField.name(), skin::kCaption.name(),
             skin::kRule.name(), skin::kSelected.name(), windowName);
}

} // namespace zephyr::ui
