#pragma once

#include "data/picture.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
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

// A stable number from a name, to vary shapes and hues.
unsigned NameHash(const QString& name);

// Draws text centred in a rectangle, in a bold sans-serif of the given pixel size.
void CentredText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize,
                 const QColor& colour, bool bold = true);

// A tile: a vertical gradient of the colour, a bevelled edge.
void Tile(QPainter& painter, const QRectF& rect, const QColor& colour, qreal radius);

// A silhouette (alpha carries the shape) filled with a brush.
QImage Filled(const QImage& silhouette, const QBrush& brush);
// A path filled white on transparent, `size` pixels square: a silhouette
// drawn without the icon set.
QImage PathSilhouette(const QPainterPath& path, int size);
// Draws a silhouette as an emblem at `at`: a soft shadow below right, a
// one-pixel outline all round, then the fill.
void Emblem(QPainter& painter, const QImage& silhouette, QPointF at, const QBrush& fill,
            const QColor& outline, int shadowAlpha = 110);
// A regular polygon (or a star of `points` tips) around a centre.
QPainterPath Polygon(QPointF centre, qreal radius, int points, bool star, qreal turn = 0);

} // namespace zephyr::pack::art
