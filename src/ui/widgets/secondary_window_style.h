#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace zephyr::ui {

// The skin of the windows beside the main one: the panel's black, the field
// blue, the caption yellow, the grid's rule grey and the selection blue.
namespace skin {
inline const QColor kBackground(Qt::black);
inline const QColor kField(30, 36, 52);
inline const QColor kCaption(245, 255, 0);
inline const QColor kRule(62, 76, 77);
inline const QColor kSelected(10, 36, 106);
} // namespace skin

QFont PixelFont(int pixels, bool bold = false);

// The style sheet of such a window, its frame drawn on the widget named
// `windowName`: tables, headers, scroll bars, buttons, fields and lists.
QString SecondaryWindowStyle(const QString& windowName);

} // namespace zephyr::ui
