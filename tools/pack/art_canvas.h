#pragma once

#include "data/picture.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace zephyr::pack::art {

// One dark theme for every generated picture.
inline const QColor kBackground{14, 15, 20};
inline const QColor kPanel{28, 30, 38};
inline const QColor kPanelEdge{70, 66, 78};
inline const QColor kGold{214, 170, 76};
inline const QColor kBronze{176, 112, 62};
inline const QColor kText{236, 226, 205};
inline const QColor kLime{0, 255, 0}; // the transparent colour of masks and frames

// Colours of the primary attributes: strength, agility, intelligence.
QColor AttributeColour(int attribute);

QImage NewCanvas(int width, int height, const QColor& fill = kBackground);
Picture ToPicture(const QImage& image);

// The first letters of up to two words ("Ashen Warden" -> "AW").
QString Initials(const QString& name);
// A stable number from a name, to vary shapes and hues.
unsigned NameHash(const QString& name);

// Draws text centred in a rectangle, in a bold sans-serif of the given pixel size.
void CentredText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize,
                 const QColor& colour, bool bold = true);

// A tile: a vertical gradient of the colour, a bevelled edge.
void Tile(QPainter& painter, const QRectF& rect, const QColor& colour, qreal radius);

} // namespace zephyr::pack::art
