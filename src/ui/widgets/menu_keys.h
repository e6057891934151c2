#pragma once

#include <QAction>
#include <QKeySequence>

namespace zephyr::ui {

// Writes `keys` beside a menu entry whose keys are handled elsewhere (a
// window's shortcut): the menu shows them, and while it is open they choose
// the entry, without a second shortcut competing for them.
inline void ShowKeys(QAction* entry, const QKeySequence& keys) {
    entry->setShortcut(keys);
    entry->setShortcutContext(Qt::WidgetShortcut);
}

} // namespace zephyr::ui
