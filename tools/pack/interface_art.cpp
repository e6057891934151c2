#include "interface_art.h"

#include "art_canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <functional>
#include <map>
#include <string>

namespace zephyr::pack {
namespace {

using namespace art;

enum class State { Passive, Active, Disabled };

QImage Strip(int width, int height, bool vertical) {
    QImage image = NewCanvas(width, height);
    QPainter p(&image);
    QLinearGradient g(0, 0, vertical ? width : 0, vertical ? 0 : height);
    g.setColorAt(0, kBronze.darker(160));
    g.setColorAt(0.5, kGold);
    g.setColorAt(1, kBronze.darker(200));
    p.fillRect(image.rect(), g);
    return image;
}

QImage Caption() {
    QImage image = NewCanvas(794, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0, QColor(52, 46, 58));
    g.setColorAt(1, QColor(20, 18, 24));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(kBronze, 1));
    p.drawLine(0, 19, 794, 19);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kGold);
    p.drawText(QRectF(10, 0, 400, 20), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Zephyrdex — справочник и калькулятор героев"));
    return image;
}

// A button face with a glyph drawn by `glyph` in the given colour.
QImage Button(int width, int height, State state,
              const std::function<void(QPainter&, const QRectF&, const QColor&)>& glyph) {
    QImage image = NewCanvas(width, height, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor face = state == State::Active     ? QColor(74, 58, 40)
                        : state == State::Disabled ? QColor(26, 26, 28)
                                                   : QColor(38, 36, 44);
    Tile(p, QRectF(0.5, 0.5, width - 1, height - 1), face, 3);
    const QColor ink = state == State::Active     ? QColor(255, 214, 120)
                       : state == State::Disabled ? QColor(80, 78, 84)
                                                  : kText;
    glyph(p, QRectF(0, 0, width, height), ink);
    return image;
}

void Triangle(QPainter& p, const QRectF& r, const QColor& ink, bool left) {
    const QPointF c = r.center();
    QPainterPath path;
    const qreal s = qMin(r.width(), r.height()) * 0.28;
    if (left) {
        path.moveTo(c.x() - s, c.y());
        path.lineTo(c.x() + s * 0.8, c.y() - s);
        path.lineTo(c.x() + s * 0.8, c.y() + s);
    } else {
        path.moveTo(c.x() + s, c.y());
        path.lineTo(c.x() - s * 0.8, c.y() - s);
        path.lineTo(c.x() - s * 0.8, c.y() + s);
    }
    path.closeSubpath();
    p.fillPath(path, ink);
}

auto TextGlyph(const QString& text, int pixelSize) {
    return [text, pixelSize](QPainter& p, const QRectF& r, const QColor& ink) {
        CentredText(p, r, text, pixelSize, ink);
    };
}

QImage Frame(int size, const QColor& colour) {
    QImage image = NewCanvas(size, size, kLime);
    QPainter p(&image);
    const int width = size > 40 ? 3 : 2;
    for (int i = 0; i < width; ++i) {
        p.setPen(i == 0 ? colour.lighter(130) : colour.darker(100 + 40 * i));
        p.drawRect(i, i, size - 1 - 2 * i, size - 1 - 2 * i);
    }
    return image;
}

QImage LevelMarks() {
    QImage image = NewCanvas(200, 20, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int level = 1; level <= 10; ++level) {
        const QRectF cell((level - 1) * 20 + 1, 1, 18, 18);
        p.setBrush(QColor(40, 30, 16));
        p.setPen(QPen(kGold, 1.2));
        p.drawEllipse(cell);
        CentredText(p, cell, QString::number(level), level == 10 ? 9 : 11, kText);
    }
    return image;
}

QImage Attribute(int attribute) {
    QImage image = NewCanvas(34, 34, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tint = AttributeColour(attribute);
    QRadialGradient g(QPointF(15, 13), 18);
    g.setColorAt(0, tint.lighter(150));
    g.setColorAt(1, tint.darker(200));
    p.setBrush(g);
    p.setPen(QPen(kGold, 1.5));
    p.drawEllipse(QRectF(2, 2, 30, 30));
    CentredText(p, QRectF(2, 2, 30, 30), QStringLiteral("СЛИ").mid(attribute - 1, 1), 15, kText);
    return image;
}

QImage StatIcon(bool attack) {
    QImage image = NewCanvas(22, 22);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(attack ? QColor(230, 120, 60) : QColor(110, 160, 230), 2));
    if (attack) {
        p.drawLine(QPointF(5, 17), QPointF(17, 5));
        p.drawLine(QPointF(4, 13), QPointF(9, 18));
    } else {
        QPainterPath shield;
        shield.moveTo(11, 3);
        shield.lineTo(18, 6);
        shield.quadTo(18, 15, 11, 19);
        shield.quadTo(4, 15, 4, 6);
        shield.closeSubpath();
        p.drawPath(shield);
    }
    return image;
}

// The attribute bonus: the three attribute colours around a plus.
QImage AttributeBonus() {
    QImage image = NewCanvas(64, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Tile(p, QRectF(0.5, 0.5, 63, 63), kPanel, 6);
    const QPointF centres[] = {{32, 17}, {18, 41}, {46, 41}};
    for (int attribute = 1; attribute <= 3; ++attribute) {
        const QPointF c = centres[attribute - 1];
        QRadialGradient g(c - QPointF(3, 3), 12);
        g.setColorAt(0, AttributeColour(attribute).lighter(160));
        g.setColorAt(1, AttributeColour(attribute).darker(180));
        p.setBrush(g);
        p.setPen(QPen(kGold, 1));
        p.drawEllipse(c, 10, 10);
    }
    CentredText(p, QRectF(20, 22, 24, 22), QStringLiteral("+"), 20, kText);
    return image;
}

QImage EmptySlot() {
    QImage image = NewCanvas(36, 36, QColor(0, 0, 0));
    QPainter p(&image);
    p.setPen(QPen(kPanelEdge, 1, Qt::DotLine));
    p.drawRect(3, 3, 29, 29);
    return image;
}

QImage NoPicture(int size, const QString& mark) {
    QImage image = NewCanvas(size, size, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kPanelEdge, 1.5));
    p.drawEllipse(QRectF(3, 3, size - 6, size - 6));
    CentredText(p, QRectF(0, 0, size, size), mark, size / 3, kPanelEdge);
    return image;
}

QImage Splash() {
    QImage image = NewCanvas(250, 200, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(125, 80), 140);
    g.setColorAt(0, QColor(70, 52, 30));
    g.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(kGold, 2));
    p.drawEllipse(QPointF(125, 74), 44, 44);
    CentredText(p, QRectF(0, 40, 250, 70), QStringLiteral("Z"), 56, kGold);
    CentredText(p, QRectF(0, 126, 250, 28), QStringLiteral("Zephyrdex"), 22, kText);
    return image;
}

// The calculator panel's background: framed panels where the hero block,
// slots, abilities, the build list and the editors sit; lime where the
// panel's black shows through (under the table and the lists).
QImage MainMask() {
    QImage image = NewCanvas(793, 550, QColor(8, 8, 11));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto panel = [&](const QRectF& r, const QString& title) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(30, 30, 38));
        g.setColorAt(1, QColor(16, 16, 21));
        p.setBrush(g);
        p.setPen(QPen(kPanelEdge, 1));
        p.drawRoundedRect(r, 6, 6);
        if (!title.isEmpty()) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(10);
            p.setFont(font);
            p.setPen(kBronze);
            p.drawText(r.adjusted(8, 2, -8, 0), Qt::AlignTop | Qt::AlignLeft, title);
        }
    };
    panel(QRectF(40, 30, 370, 200), QString());                   // hero block
    panel(QRectF(436, 60, 114, 168), QStringLiteral("Предметы")); // six slots
    panel(QRectF(10, 236, 404, 88), QString());                   // abilities
    panel(QRectF(412, 238, 162, 86), QString());                  // orb
    panel(QRectF(580, 30, 190, 370), QStringLiteral("Порядок прокачки"));
    panel(QRectF(576, 386, 204, 138), QString()); // parameter editors
    panel(QRectF(14, 352, 544, 170), QString());  // statistics
    p.setPen(Qt::NoPen);
    p.setBrush(kLime);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRect(24, 384, 521, 130)); // the table
    p.drawRect(QRect(592, 48, 161, 345)); // build list and its numbers
    return image;
}

using Drawer = std::function<QImage()>;

const std::map<std::string, Drawer, std::less<>>& Drawers() {
    static const std::map<std::string, Drawer, std::less<>> drawers = [] {
        std::map<std::string, Drawer, std::less<>> d;
        const std::string design = "data\\images\\design\\";
        const std::string buttons = design + "buttons\\";
        d[design + "formtop.bmp"] = [] { return Strip(800, 3, false); };
        d[design + "formbottom.bmp"] = [] { return Strip(800, 3, false); };
        d[design + "formleft.bmp"] = [] { return Strip(3, 594, true); };
        d[design + "mainmask.bmp"] = MainMask;
        d[design + "headers\\formcaption.bmp"] = Caption;
        d[design + "edit_center.bmp"] = [] {
            QImage image = NewCanvas(112, 27, QColor(0, 0, 0));
            QPainter p(&image);
            p.setPen(QPen(kPanelEdge, 1));
            p.drawRect(0, 2, 111, 22);
            return image;
        };
        d[design + "gold_border64.bmp"] = [] { return Frame(64, kGold); };
        d[design + "bronze_border64.bmp"] = [] { return Frame(64, kBronze); };
        d[design + "gold_border36.bmp"] = [] { return Frame(36, kGold); };
        d[design + "bronze_border36.bmp"] = [] { return Frame(36, kBronze); };
        d[design + "emptyslot.jpg"] = EmptySlot;
        d[design + "levels.bmp"] = LevelMarks;
        d[design + "no_orb.bmp"] = [] { return NoPicture(30, QStringLiteral("—")); };
        d[design + "splashimage.jpg"] = Splash;
        d["data\\images\\orbs\\noneattack.bmp"] = [] { return NoPicture(30, QStringLiteral("×")); };
        d["data\\images\\skills\\skill000.jpg"] = AttributeBonus;
        d["data\\images\\stats\\hero_a.jpg"] = [] { return StatIcon(true); };
        d["data\\images\\stats\\hero_d.jpg"] = [] { return StatIcon(false); };
        d["data\\images\\stats\\s.gif"] = [] { return Attribute(1); };
        d["data\\images\\stats\\a.gif"] = [] { return Attribute(2); };
        d["data\\images\\stats\\i.gif"] = [] { return Attribute(3); };

        struct Face {
            const char* Name;
            int Width;
            int Height;
            std::function<void(QPainter&, const QRectF&, const QColor&)> Glyph;
            bool Disabled;
        };
        const Face faces[] = {
            {"close", 20, 20, TextGlyph(QStringLiteral("×"), 15), false},
            {"minimize", 20, 20, TextGlyph(QStringLiteral("–"), 14), false},
            {"description", 27, 22, TextGlyph(QStringLiteral("i"), 14), false},
            {"level", 27, 22, TextGlyph(QStringLiteral("−1"), 11), false},
            {"reset", 27, 22, TextGlyph(QStringLiteral("↺"), 15), false},
            {"formula", 27, 22, TextGlyph(QStringLiteral("ƒ"), 14), false},
            {"string_on", 27, 22, TextGlyph(QStringLiteral("≡"), 15), false},
            {"string_off", 27, 22, TextGlyph(QStringLiteral("—"), 13), false},
            {"edit_left", 24, 27,
             [](QPainter& p, const QRectF& r, const QColor& ink) { Triangle(p, r, ink, true); },
             false},
            {"edit_right", 23, 27,
             [](QPainter& p, const QRectF& r, const QColor& ink) { Triangle(p, r, ink, false); },
             false},
            {"back", 50, 20, TextGlyph(QStringLiteral("◄ Назад"), 8), true},
            {"next", 50, 20, TextGlyph(QStringLiteral("Вперёд ►"), 8), true},
            {"link", 100, 20, TextGlyph(QStringLiteral("zephyrdex.example"), 9), false},
        };
        for (const Face& face : faces) {
            const std::string base = buttons + face.Name;
            d[base + "_passive.bmp"] = [face] {
                return Button(face.Width, face.Height, State::Passive, face.Glyph);
            };
            d[base + "_active.bmp"] = [face] {
                return Button(face.Width, face.Height, State::Active, face.Glyph);
            };
            if (face.Disabled) {
                d[base + "_disable.bmp"] = [face] {
                    return Button(face.Width, face.Height, State::Disabled, face.Glyph);
                };
            }
        }
        return d;
    }();
    return drawers;
}

} // namespace

Picture DrawInterfaceArt(std::string_view storedPath) {
    std::string key;
    for (const char c : storedPath) {
        key += c == '/' ? '\\' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    const auto found = Drawers().find(key);
    return found == Drawers().end() ? Picture() : ToPicture(found->second());
}

} // namespace zephyr::pack
