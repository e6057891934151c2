#include "catalogue_art.h"

#include "art_canvas.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace zephyr::pack {
namespace {

using namespace art;

QColor HashHue(unsigned hash, int saturation, int value) {
    return QColor::fromHsv(static_cast<int>(hash % 360), saturation, value);
}

// A regular polygon or star, the ability's emblem.
QPainterPath Emblem(QPointF centre, qreal radius, int points, bool star) {
    QPainterPath path;
    const int corners = star ? points * 2 : points;
    for (int i = 0; i < corners; ++i) {
        const qreal r = star && i % 2 == 1 ? radius * 0.45 : radius;
        const qreal angle = -M_PI / 2 + 2 * M_PI * i / corners;
        const QPointF p(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QImage Portrait(const PictureJob& job) {
    QImage image = NewCanvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tint = AttributeColour(job.Variant);
    QRadialGradient glow(QPointF(32, 26), 44);
    glow.setColorAt(0, tint.lighter(120));
    glow.setColorAt(0.6, tint.darker(260));
    glow.setColorAt(1, kBackground);
    p.fillRect(image.rect(), glow);
    // Shoulders and head: a silhouette in the attribute's dark shade.
    const unsigned hash = NameHash(QString::fromStdString(job.Label));
    QPainterPath body;
    body.addEllipse(QPointF(32, 25), 11 + hash % 3, 12);
    body.addRoundedRect(QRectF(12, 40, 40, 30), 14, 14);
    p.fillPath(body, tint.darker(300));
    p.setPen(QPen(tint.lighter(150), 1));
    p.drawPath(body);
    CentredText(p, QRectF(0, 36, 64, 26), Initials(QString::fromStdString(job.Label)), 18, kText);
    p.setPen(QPen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 62, 62));
    return image;
}

QImage Ability(const PictureJob& job) {
    QImage image = NewCanvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QString name = QString::fromStdString(job.Label);
    const unsigned hash = NameHash(name);
    const QColor tint = AttributeColour(job.Variant / 10);
    const QColor accent = HashHue(hash, 150, 230);
    Tile(p, QRectF(0.5, 0.5, 63, 63), tint.darker(230), 6);
    const bool ultimate = job.Variant % 10 == 4;
    const QPainterPath emblem = Emblem(QPointF(32, 27), ultimate ? 22 : 18,
                                       3 + static_cast<int>(hash % 4), ultimate || hash % 2 == 0);
    QRadialGradient fill(QPointF(32, 22), 24);
    fill.setColorAt(0, accent.lighter(140));
    fill.setColorAt(1, accent.darker(200));
    p.fillPath(emblem, fill);
    p.setPen(QPen(accent.lighter(160), 1.2));
    p.drawPath(emblem);
    CentredText(p, QRectF(0, 42, 64, 20), Initials(name), 14, kText);
    if (ultimate) {
        p.setPen(QPen(kGold, 2));
        p.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 6, 6);
    }
    return image;
}

QImage SmallTile(const PictureJob& job, int size) {
    QImage image = NewCanvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QString name = QString::fromStdString(job.Label);
    const QColor base = QColor(static_cast<QRgb>(job.Colour));
    const QColor tint =
        job.Kind == PictureJob::Kind::Shop
            ? base
            : QColor::fromHsv((base.hsvHue() + static_cast<int>(NameHash(name) % 50) - 25 + 360) %
                                  360,
                              base.hsvSaturation(), base.value());
    Tile(p, QRectF(0.5, 0.5, size - 1, size - 1), tint.darker(150), 4);
    if (job.Kind == PictureJob::Kind::Shop) {
        // An awning over a counter.
        QPainterPath awning;
        awning.moveTo(5, 13);
        awning.lineTo(10, 5);
        awning.lineTo(26, 5);
        awning.lineTo(31, 13);
        awning.closeSubpath();
        p.fillPath(awning, tint.lighter(160));
        p.fillRect(QRectF(7, 13, 22, 16), kPanel);
        CentredText(p, QRectF(7, 13, 22, 16), Initials(name).left(1), 12, kText);
    } else {
        CentredText(p, QRectF(0, 0, size, size), Initials(name), 14, kText);
    }
    return image;
}

QImage Aura(const PictureJob& job) {
    QImage image = NewCanvas(15, 15);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor hue = QColor::fromHsv((job.Variant * 47) % 360, 170, 240);
    QRadialGradient glow(QPointF(7.5, 7.5), 7.5);
    glow.setColorAt(0, hue.lighter(150));
    glow.setColorAt(0.7, hue.darker(150));
    glow.setColorAt(1, kBackground);
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(0.5, 0.5, 14, 14));
    return image;
}

QImage Orb(const PictureJob& job) {
    QImage image = NewCanvas(30, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool ability = job.Kind == PictureJob::Kind::AbilityOrb;
    const QColor hue = QColor::fromHsv((job.Variant * 61 + (ability ? 20 : 190)) % 360, 180, 235);
    QRadialGradient sphere(QPointF(12, 11), 15);
    sphere.setColorAt(0, QColor(255, 255, 255));
    sphere.setColorAt(0.25, hue.lighter(120));
    sphere.setColorAt(1, hue.darker(260));
    p.setBrush(sphere);
    p.setPen(QPen(ability ? kGold : hue.lighter(150), ability ? 2 : 1));
    p.drawEllipse(QRectF(3, 3, 24, 24));
    return image;
}

} // namespace

Picture DrawCatalogueArt(const PictureJob& job) {
    switch (job.Kind) {
    case PictureJob::Kind::HeroPortrait:
        return ToPicture(Portrait(job));
    case PictureJob::Kind::Ability:
        return ToPicture(Ability(job));
    case PictureJob::Kind::Item:
    case PictureJob::Kind::Shop:
        return ToPicture(SmallTile(job, 36));
    case PictureJob::Kind::Aura:
        return ToPicture(Aura(job));
    case PictureJob::Kind::OrbCategory:
    case PictureJob::Kind::AbilityOrb:
        return ToPicture(Orb(job));
    }
    return {};
}

} // namespace zephyr::pack
