#include "art_canvas.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QStringList>

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

QString Initials(const QString& name) {
    QString initials;
    for (const QString& word : name.split(' ', Qt::SkipEmptyParts)) {
        if (word.at(0).isLetter()) {
            initials += word.at(0).toUpper();
        }
        if (initials.size() == 2) {
            break;
        }
    }
    return initials.isEmpty() ? QStringLiteral("?") : initials;
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

} // namespace zephyr::pack::art
