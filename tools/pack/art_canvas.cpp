#include "art_canvas.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

namespace zephyr::pack::art {

QColor AttributeColour(int attribute) {
    switch (attribute) {
    case 1:
        return {196, 62, 48};
    case 2:
        return {62, 168, 86};
    case 3:
        return {66, 122, 214};
    default:
        return {150, 140, 160};
    }
}

QImage NewCanvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

Picture ToPicture(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Picture picture(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            picture.At(x, y) = row[x];
        }
    }
    return picture;
}

unsigned NameHash(const QString& name) {
    unsigned hash = 2166136261u;
    for (const QChar c : name) {
        hash = (hash ^ c.unicode()) * 16777619u;
    }
    return hash;
}

void CentredText(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize,
                 const QColor& colour, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(rect.translated(1, 1), Qt::AlignCenter, text);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
}

void Tile(QPainter& painter, const QRectF& rect, const QColor& colour, qreal radius) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, colour.lighter(135));
    gradient.setColorAt(0.55, colour);
    gradient.setColorAt(1, colour.darker(220));
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, gradient);
    painter.setPen(QPen(colour.lighter(170), 1));
    painter.drawPath(path);
}

QImage Filled(const QImage& silhouette, const QBrush& brush) {
    QImage image = silhouette.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), brush);
    return image;
}

QImage PathSilhouette(const QPainterPath& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path, Qt::white);
    return image;
}

void Emblem(QPainter& painter, const QImage& silhouette, QPointF at, const QBrush& fill,
            const QColor& outline, int shadowAlpha) {
    if (silhouette.isNull()) {
        return;
    }
    // Brushes are laid out in the silhouette's own coordinates.
    QBrush brush = fill;
    brush.setTransform(QTransform::fromTranslate(-at.x(), -at.y()) * fill.transform());
    if (shadowAlpha > 0) {
        const QImage shadow = Filled(silhouette, QColor(0, 0, 0, shadowAlpha));
        painter.drawImage(at + QPointF(1.5, 2), shadow);
        painter.drawImage(at + QPointF(0.5, 3), shadow);
    }
    const QImage rim = Filled(silhouette, outline);
    for (const QPointF step : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1),
                               QPointF(-1, -1), QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1)}) {
        painter.drawImage(at + step, rim);
    }
    painter.drawImage(at, Filled(silhouette, brush));
}

QPainterPath Polygon(QPointF centre, qreal radius, int points, bool star, qreal turn) {
    QPainterPath path;
    const int corners = star ? points * 2 : points;
    for (int i = 0; i < corners; ++i) {
        const qreal r = star && i % 2 == 1 ? radius * 0.45 : radius;
        const qreal angle = -M_PI / 2 + turn + 2 * M_PI * i / corners;
        const QPointF p(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

} // namespace zephyr::pack::art
