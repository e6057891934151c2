#include "catalogue_art.h"

#include "art_canvas.h"
#include "icon_set.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace zephyr::pack {
namespace {

using namespace art;

// Colours that stay apart at a glance, in an order where neighbours differ
// most: auras and orbs take them by number.
const std::array<QColor, 10> kPalette = {{
    {226, 62, 50},   // red
    {72, 166, 244},  // sky
    {240, 206, 58},  // yellow
    {160, 86, 226},  // violet
    {86, 196, 74},   // green
    {244, 136, 36},  // orange
    {64, 92, 226},   // blue
    {230, 84, 178},  // magenta
    {40, 190, 168},  // teal
    {214, 218, 228}, // silver
}};

// Metals of the variants of an item group, by place in the group.
QColor Metal(int place) {
    switch (place) {
    case 1:
        return {214, 138, 72}; // bronze
    case 2:
        return {206, 214, 228}; // silver
    case 3:
        return {246, 204, 72}; // gold
    default:
        return {236, 90, 110}; // ruby
    }
}

QColor EffectColour(PictureEffect effect) {
    switch (effect) {
    case PictureJob::Effect::Attack:
        return {184, 54, 36};
    case PictureJob::Effect::Magic:
        return {122, 58, 186};
    case PictureJob::Effect::Defence:
        return {52, 98, 160};
    case PictureJob::Effect::Swiftness:
        return {26, 142, 132};
    case PictureJob::Effect::Sustain:
        return {64, 146, 50};
    case PictureJob::Effect::Aura:
        return {188, 140, 34};
    case PictureJob::Effect::None:
        break;
    }
    return {96, 90, 104};
}

QColor Mix(const QColor& a, const QColor& b, qreal share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

const QColor kIvory(252, 246, 230);

// A vertical gradient from ivory into a tint, over a silhouette at `at`.
QLinearGradient IconFill(QPointF at, int size, const QColor& tint, qreal tintShare = 0.55) {
    QLinearGradient fill(at, at + QPointF(0, size));
    fill.setColorAt(0, kIvory);
    fill.setColorAt(0.45, Mix(kIvory, tint, tintShare * 0.5));
    fill.setColorAt(1, Mix(kIvory, tint, tintShare));
    return fill;
}

// The shape drawn without the icon set: varied by the record's name.
QImage PlainSilhouette(const PictureJob& job, int size) {
    const qreal s = size;
    const unsigned hash = NameHash(QString::fromStdString(job.Label));
    QPainterPath path;
    switch (job.Kind) {
    case PictureJob::Kind::HeroPortrait:
        // Head and shoulders.
        path.addEllipse(QPointF(s * 0.5, s * 0.36), s * (0.18 + (hash % 3) * 0.01), s * 0.2);
        path.addRoundedRect(QRectF(s * 0.16, s * 0.62, s * 0.68, s * 0.5), s * 0.22, s * 0.22);
        break;
    case PictureJob::Kind::Shop: {
        // An awning over a counter.
        path.moveTo(s * 0.1, s * 0.42);
        path.lineTo(s * 0.26, s * 0.16);
        path.lineTo(s * 0.74, s * 0.16);
        path.lineTo(s * 0.9, s * 0.42);
        path.closeSubpath();
        path.addRect(QRectF(s * 0.2, s * 0.5, s * 0.6, s * 0.36));
        break;
    }
    case PictureJob::Kind::OrbCategory:
    case PictureJob::Kind::AbilityOrb:
        path.addEllipse(QPointF(s / 2, s / 2), s * 0.4, s * 0.4);
        break;
    default:
        path = Polygon(QPointF(s / 2, s / 2), s * 0.46, 3 + static_cast<int>(hash % 5),
                       hash / 5 % 2 == 0);
        break;
    }
    return PathSilhouette(path, size);
}

class Artist {
public:
    Artist(const PictureJob& job, const IconSet* icons) : job_(job), icons_(icons) {}

    QImage Draw() const {
        switch (job_.Kind) {
        case PictureJob::Kind::HeroPortrait:
            return Portrait();
        case PictureJob::Kind::Ability:
            return Ability();
        case PictureJob::Kind::Item:
            return Item();
        case PictureJob::Kind::Shop:
            return Shop();
        case PictureJob::Kind::Aura:
            return Aura();
        case PictureJob::Kind::OrbCategory:
        case PictureJob::Kind::AbilityOrb:
            return Orb();
        }
        return {};
    }

private:
    // The record's icon, or the kind's default, or the plain shape.
    QImage Silhouette(int size) const {
        if (icons_ != nullptr) {
            QImage icon = icons_->Silhouette(job_.Icon, size);
            if (icon.isNull()) {
                icon = icons_->Silhouette(DefaultIcon(job_.Kind), size);
            }
            if (!icon.isNull()) {
                return icon;
            }
        }
        return PlainSilhouette(job_, size);
    }

    // Faint rays from a point: the light behind a portrait or an ability.
    static void Rays(QPainter& p, QPointF centre, qreal radius, int count, int alpha) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, alpha));
        for (int i = 0; i < count; ++i) {
            const qreal a = 2 * M_PI * i / count;
            const qreal half = M_PI / count / 2;
            QPainterPath ray;
            ray.moveTo(centre);
            ray.lineTo(centre + radius * QPointF(qCos(a - half), qSin(a - half)));
            ray.lineTo(centre + radius * QPointF(qCos(a + half), qSin(a + half)));
            ray.closeSubpath();
            p.drawPath(ray);
        }
        p.restore();
    }

    // A square picture's edge: black outside, a light and a dark bevel inside.
    static void Bevel(QPainter& p, int size, const QColor& tint) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(0, 0, size - 1, size - 1);
        p.setPen(tint.lighter(175));
        p.drawLine(1, 1, size - 2, 1);
        p.drawLine(1, 1, 1, size - 2);
        p.setPen(tint.darker(320));
        p.drawLine(2, size - 2, size - 2, size - 2);
        p.drawLine(size - 2, 2, size - 2, size - 2);
        p.restore();
    }

    QImage Portrait() const {
        QImage image = NewCanvas(64, 64);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor tint = AttributeColour(job_.Variant);
        QRadialGradient glow(QPointF(32, 24), 48);
        glow.setColorAt(0, tint.lighter(125));
        glow.setColorAt(0.55, tint.darker(190));
        glow.setColorAt(1, QColor(10, 10, 14));
        p.fillRect(image.rect(), glow);
        Rays(p, QPointF(32, 30), 48, 14, 16);
        const QImage icon = Silhouette(52);
        const QPointF at(6, 7);
        Emblem(p, icon, at, IconFill(at, 52, tint.lighter(150), 0.5), QColor(8, 6, 10, 230));
        // A gold frame with a dark line inside.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(0, 0, 63, 63);
        p.setPen(kGold.lighter(115));
        p.drawRect(1, 1, 61, 61);
        p.setPen(kGold.darker(115));
        p.drawRect(2, 2, 59, 59);
        p.setPen(QColor(60, 40, 16));
        p.drawRect(3, 3, 57, 57);
        return image;
    }

    // The largest placing of the ability's icon that leaves the corner of the
    // level badge (41, 41, 20 x 20) empty, its shadow and outline included:
    // centred if it can be, else moved up and to the left, else smaller.
    struct Placing {
        QImage Icon;
        QPointF At;
    };
    Placing AbilityIcon() const {
        const QRect corner(37, 37, 27, 27);
        Placing best;
        double bestShare = 2;
        for (int size = 48; size >= 30; size -= 2) {
            QImage icon = Silhouette(size);
            const QPointF centred(31 - size / 2.0, 30 - size / 2.0);
            double total = 0;
            for (int y = 0; y < size; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
                for (int x = 0; x < size; ++x) {
                    total += qAlpha(row[x]);
                }
            }
            for (int shift = 0; shift <= 8; shift += 2) {
                const QPointF at(qMax(centred.x() - shift, 3.0), qMax(centred.y() - shift, 3.0));
                double inside = 0;
                const QRect area = corner.translated(-at.toPoint());
                for (int y = qMax(area.top(), 0); y < qMin(area.bottom() + 1, size); ++y) {
                    const auto* row = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
                    for (int x = qMax(area.left(), 0); x < qMin(area.right() + 1, size); ++x) {
                        inside += qAlpha(row[x]);
                    }
                }
                const double share = total == 0 ? 0 : inside / total;
                if (share < bestShare) {
                    best = {icon, at};
                    bestShare = share;
                }
                if (share < 0.004) {
                    return best;
                }
            }
        }
        return best;
    }

    QImage Ability() const {
        QImage image = NewCanvas(64, 64);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor tint = EffectColour(job_.Effect);
        QRadialGradient glow(QPointF(28, 24), 52);
        glow.setColorAt(0, tint.lighter(140));
        glow.setColorAt(0.5, tint.darker(150));
        glow.setColorAt(1, tint.darker(420));
        p.fillRect(image.rect(), glow);
        Rays(p, QPointF(31, 30), 46, 10, 14);
        const Placing icon = AbilityIcon();
        Emblem(p, icon.Icon, icon.At, IconFill(icon.At, icon.Icon.height(), tint.lighter(160), 0.6),
               QColor(6, 4, 8, 235));
        Bevel(p, 64, tint);
        if (job_.Variant % 10 == 4) {
            // The ultimate: a gold frame with corner studs.
            p.setPen(QPen(kGold, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(2, 2, 60, 60));
            p.setPen(QPen(QColor(60, 40, 10), 1));
            p.setBrush(kGold.lighter(120));
            for (const QPointF c : {QPointF(5, 5), QPointF(59, 5), QPointF(5, 59)}) {
                p.drawPath(Polygon(c, 3.5, 4, false));
            }
        }
        return image;
    }

    QImage Item() const {
        QImage image = NewCanvas(36, 36);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor base(static_cast<QRgb>(job_.Colour));
        QRadialGradient glow(QPointF(15, 13), 27);
        glow.setColorAt(0, base.lighter(135));
        glow.setColorAt(0.6, base.darker(170));
        glow.setColorAt(1, base.darker(360));
        p.fillRect(image.rect(), glow);
        const int place = job_.Variant;
        const QPointF at(4, 4);
        const QImage icon = Silhouette(28);
        if (place == 0) {
            Emblem(p, icon, at, IconFill(at, 28, base.lighter(170), 0.5), QColor(6, 4, 8, 230), 90);
            Bevel(p, 36, base);
            return image;
        }
        // A variant of a group: its metal colours the icon and the frame, and
        // a stud for each step of the group sits in the top right corner.
        const QColor metal = Metal(place);
        QLinearGradient fill(at, at + QPointF(0, 28));
        fill.setColorAt(0, metal.lighter(150));
        fill.setColorAt(0.5, metal);
        fill.setColorAt(1, metal.darker(150));
        Emblem(p, icon, at, fill, QColor(6, 4, 8, 235), 90);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(0, 0, 35, 35);
        p.setPen(QPen(metal, 1));
        p.drawRect(1, 1, 33, 33);
        p.setPen(metal.darker(220));
        p.drawRect(2, 2, 31, 31);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.setBrush(metal.lighter(115));
        for (int stud = 0; stud < place; ++stud) {
            p.drawPath(Polygon(QPointF(30.5 - stud * 5.5, 5.5), 3, 4, false));
        }
        return image;
    }

    QImage Shop() const {
        QImage image = NewCanvas(36, 36);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor base(static_cast<QRgb>(job_.Colour));
        QRadialGradient glow(QPointF(18, 16), 24);
        glow.setColorAt(0, base.lighter(160));
        glow.setColorAt(0.7, base);
        glow.setColorAt(1, base.darker(250));
        p.fillRect(image.rect(), glow);
        const QPointF at(5, 5);
        Emblem(p, Silhouette(26), at, IconFill(at, 26, kGold, 0.45), QColor(6, 4, 8, 235), 100);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(0, 0, 35, 35);
        p.setPen(kGold);
        p.drawRect(1, 1, 33, 33);
        p.setPen(kBronze.darker(200));
        p.drawRect(2, 2, 31, 31);
        return image;
    }

    // An aura is a coloured badge; its icon is stamped on it in the colour's
    // dark shade. The aura's number picks the shape (six of them) and the
    // colour (ten) so that neighbours, the auras of one group, differ in both,
    // and two auras of one shape differ in colour (up to sixty auras).
    QImage Aura() const {
        QImage image = NewCanvas(15, 15, QColor(0, 0, 0));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const int number = qMax(job_.Variant, 1) - 1;
        const QColor colour = kPalette[static_cast<std::size_t>((number + number / 6) % 10)];
        const QPainterPath badge = AuraShape(number % 6);
        QRadialGradient fill(QPointF(5.5, 5), 10);
        fill.setColorAt(0, colour.lighter(135));
        fill.setColorAt(0.6, colour);
        fill.setColorAt(1, colour.darker(160));
        p.fillPath(badge, fill);
        if (icons_ != nullptr) {
            const QImage icon = Silhouette(11);
            if (!icon.isNull()) {
                p.drawImage(QPointF(2, 2), Filled(icon, colour.darker(400)));
            }
        }
        p.setPen(QPen(colour.darker(260), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(badge);
        return image;
    }

    // Six shapes far apart at 15 pixels.
    static QPainterPath AuraShape(int shape) {
        const QPointF c(7.5, 7.5);
        QPainterPath path;
        switch (shape) {
        case 0:
            path.addEllipse(c, 6.8, 6.8);
            break;
        case 1:
            path = Polygon(c, 7.4, 4, false);
            break;
        case 2:
            path = Polygon(c + QPointF(0, 1.4), 7.8, 3, false);
            break;
        case 3:
            path.addRoundedRect(QRectF(1.2, 1.2, 12.6, 12.6), 2, 2);
            break;
        case 4: // a fat five-pointed star
            path = Polygon(c + QPointF(0, 0.6), 7.6, 5, true);
            break;
        default: // a shield pointing down
            path.moveTo(0.8, 1.2);
            path.lineTo(14.2, 1.2);
            path.lineTo(14.2, 5.5);
            path.lineTo(7.5, 14.4);
            path.lineTo(0.8, 5.5);
            path.closeSubpath();
            break;
        }
        return path;
    }

    // Orbs sit in a black box: a glow and the icon on black, no tile.
    QImage Orb() const {
        QImage image = NewCanvas(30, 30, QColor(0, 0, 0));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const bool ability = job_.Kind == PictureJob::Kind::AbilityOrb;
        const int number = qMax(job_.Variant, 1) - 1 + (ability ? 5 : 0);
        const QColor colour = job_.Colour != 0 ? QColor(static_cast<QRgb>(job_.Colour))
                                               : kPalette[static_cast<std::size_t>(number % 10)];
        QRadialGradient glow(QPointF(15, 15), 15);
        glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 150));
        glow.setColorAt(0.6, QColor(colour.red(), colour.green(), colour.blue(), 60));
        glow.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(image.rect(), glow);
        if (ability) {
            p.setPen(QPen(kGold, 1.3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(15, 15), 12.8, 12.8);
        }
        const int size = ability ? 20 : 24;
        const QPointF at((30 - size) / 2.0, (30 - size) / 2.0);
        QLinearGradient fill(at, at + QPointF(0, size));
        fill.setColorAt(0, Mix(QColor(255, 255, 255), colour, 0.25));
        fill.setColorAt(1, colour.lighter(110));
        Emblem(p, Silhouette(size), at, fill, colour.darker(400), 0);
        return image;
    }

    const PictureJob& job_;
    const IconSet* icons_;
};

} // namespace

Picture DrawCatalogueArt(const PictureJob& job, const IconSet* icons) {
    return ToPicture(Artist(job, icons).Draw());
}

} // namespace zephyr::pack
