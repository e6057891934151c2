#include "interface_art.h"

#include "art_canvas.h"
#include "icon_set.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

#include <functional>
#include <map>
#include <stdexcept>
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

// A white silhouette from the set, or a plain shape when there is no set.
QImage IconOrShape(const IconSet* icons, std::string_view icon, int size,
                   const QPainterPath& shape) {
    if (icons != nullptr) {
        QImage silhouette = icons->Silhouette(icon, size);
        if (!silhouette.isNull()) {
            return silhouette;
        }
    }
    return PathSilhouette(shape, size);
}

// The primary attribute's medal: a coloured disc with the attribute's sign
// (a flexed arm, a runner, a brain; without the set a triangle, a chevron, a
// star).
// The hero panel's shade where the statistic icons sit, so that they show no
// square of their own.
const QColor kHeroPanelShade(21, 21, 26);

QImage Attribute(int attribute, const IconSet* icons) {
    QImage image = NewCanvas(34, 34, kHeroPanelShade);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tint = AttributeColour(attribute);
    QRadialGradient g(QPointF(15, 13), 18);
    g.setColorAt(0, tint.lighter(150));
    g.setColorAt(1, tint.darker(200));
    p.setBrush(g);
    p.setPen(QPen(kGold, 1.5));
    p.drawEllipse(QRectF(2, 2, 30, 30));
    QPainterPath shape;
    if (attribute == 1) {
        shape = Polygon(QPointF(10, 11), 9, 3, false);
    } else if (attribute == 2) {
        shape.moveTo(3, 3);
        shape.lineTo(11, 3);
        shape.lineTo(18, 10);
        shape.lineTo(11, 17);
        shape.lineTo(3, 17);
        shape.lineTo(10, 10);
        shape.closeSubpath();
    } else {
        shape = Polygon(QPointF(10, 10), 9, 5, true);
    }
    const char* const names[] = {"biceps", "sprint", "brain"};
    const QImage sign = IconOrShape(icons, names[qBound(1, attribute, 3) - 1], 20, shape);
    Emblem(p, sign, QPointF(7, 7), QColor(250, 244, 228), QColor(0, 0, 0, 200), 80);
    return image;
}

QImage StatIcon(bool attack, const IconSet* icons) {
    QImage image = NewCanvas(22, 22, kHeroPanelShade);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = attack ? QColor(236, 128, 64) : QColor(112, 164, 236);
    if (icons != nullptr) {
        const QImage sign = icons->Silhouette(attack ? "broadsword" : "checked-shield", 18);
        if (!sign.isNull()) {
            Emblem(p, sign, QPointF(2, 2), ink, QColor(0, 0, 0, 220), 0);
            return image;
        }
    }
    p.setPen(QPen(ink, 2));
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

// No orb at all: an empty socket, a dashed grey ring around nothing.
QImage NoOrb() {
    QImage image = NewCanvas(30, 30, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(22, 22, 26));
    p.setPen(QPen(QColor(104, 102, 112), 1.5, Qt::DashLine));
    p.drawEllipse(QPointF(15, 15), 11, 11);
    return image;
}

// Orbs that put each other out: a dim orb behind a red sign of refusal.
QImage NoOrbWorks() {
    QImage image = NewCanvas(30, 30, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient orb(QPointF(12, 11), 12);
    orb.setColorAt(0, QColor(150, 140, 170));
    orb.setColorAt(1, QColor(40, 34, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(orb);
    p.drawEllipse(QPointF(15, 15), 9, 9);
    const QColor red(232, 36, 36);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(red, 3.2));
    p.drawEllipse(QPointF(15, 15), 12, 12);
    p.setPen(QPen(red, 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(23.5, 23.5));
    return image;
}

QImage Splash(const IconSet* icons) {
    QImage image = NewCanvas(250, 200, QColor(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(125, 80), 140);
    g.setColorAt(0, QColor(70, 52, 30));
    g.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(kGold, 2));
    p.drawEllipse(QPointF(125, 74), 44, 44);
    // A whirlwind, or without the set a spiral of wind.
    QPainterPath spiral;
    for (int i = 0; i <= 48; ++i) {
        const qreal a = i * 0.26;
        const QPointF point(30 + qCos(a) * i * 0.55, 28 + qSin(a) * i * 0.55);
        i == 0 ? spiral.moveTo(point) : spiral.lineTo(point);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    stroker.setCapStyle(Qt::RoundCap);
    const QImage wind = IconOrShape(icons, "whirlwind", 60, stroker.createStroke(spiral));
    QLinearGradient fill(0, 0, 0, 60);
    fill.setColorAt(0, kGold.lighter(150));
    fill.setColorAt(1, kGold.darker(110));
    Emblem(p, wind, QPointF(95, 44), fill, QColor(20, 12, 4), 120);
    CentredText(p, QRectF(0, 126, 250, 28), QStringLiteral("Zephyrdex"), 22, kText);
    return image;
}

// A dark recess two pixels around a control: the socket of a picture.
void Socket(QPainter& p, const QRect& control) {
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(QColor(6, 6, 8));
    p.drawRect(QRectF(control).adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setPen(QPen(QColor(120, 96, 60, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(control).adjusted(-2.5, -2.5, 2.5, 2.5));
}

// The calculator panel's background: framed panels where the running line,
// the hero block, the slots, the abilities, the orb, the build list with the
// editors and the statistics sit; lime where the panel's black shows
// through (under the table and the lists).
QImage MainMask() {
    QImage image = NewCanvas(kMainMaskWidth, kMainMaskHeight, QColor(8, 8, 11));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A faint diagonal weave behind everything.
    p.setPen(QPen(QColor(255, 255, 255, 6), 1));
    for (int x = -kMainMaskHeight; x < kMainMaskWidth; x += 6) {
        p.drawLine(x, 0, x + kMainMaskHeight, kMainMaskHeight);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    for (const MaskPanel& panel : MainMaskPanels()) {
        const QRectF r = QRectF(panel.Area).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(36, 33, 42));
        g.setColorAt(0.12, QColor(27, 26, 33));
        g.setColorAt(1, QColor(14, 14, 18));
        p.setBrush(g);
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.drawRoundedRect(r, 5, 5);
        // A bronze rim and a faint light line inside it.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(122, 92, 56), 1));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
        p.setPen(QPen(QColor(255, 236, 200, 22), 1));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 3, 3);
        if (*panel.Title != 0) {
            p.setFont(font);
            p.setPen(QColor(0, 0, 0));
            const QRectF title = r.adjusted(9, 3, -8, 0);
            p.drawText(title.translated(1, 1), Qt::AlignTop | Qt::AlignLeft,
                       QString::fromUtf8(panel.Title));
            p.setPen(kGold);
            p.drawText(title, Qt::AlignTop | Qt::AlignLeft, QString::fromUtf8(panel.Title));
        }
    }
    const auto panel = [](const char* name) -> const MaskPanel& {
        for (const MaskPanel& candidate : MainMaskPanels()) {
            if (std::string_view(candidate.Name) == name) {
                return candidate;
            }
        }
        throw std::logic_error(std::string("no mask panel ") + name);
    };
    // Sockets under the pictures: the slots, the abilities, the auras' strip
    // and the orb's box.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect& slot : panel("items").Controls) {
        Socket(p, slot);
    }
    for (const QRect& ability : panel("abilities").Controls) {
        Socket(p, ability);
    }
    const std::vector<QRect>& hero = panel("hero").Controls;
    QRect auras;
    for (const QRect& control : hero) {
        if (control.size() == QSize(15, 15)) {
            auras = auras.united(control);
        }
    }
    Socket(p, auras);
    Socket(p, panel("orb").Controls.back());
    Socket(p, panel("running line").Controls.front());
    p.setPen(Qt::NoPen);
    p.setBrush(kLime);
    for (const MaskPanel& each : MainMaskPanels()) {
        for (const QRect& lime : each.Lime) {
            p.drawRect(lime);
        }
    }
    return image;
}

using Drawer = std::function<QImage(const IconSet*)>;

const std::map<std::string, Drawer, std::less<>>& Drawers() {
    static const std::map<std::string, Drawer, std::less<>> drawers = [] {
        std::map<std::string, Drawer, std::less<>> d;
        const std::string design = "data\\images\\design\\";
        const std::string buttons = design + "buttons\\";
        // The drawers that need no icons.
        const auto plain = [](QImage (*draw)()) {
            return [draw](const IconSet*) { return draw(); };
        };
        d[design + "formtop.bmp"] = [](const IconSet*) { return Strip(800, 3, false); };
        d[design + "formbottom.bmp"] = [](const IconSet*) { return Strip(800, 3, false); };
        d[design + "formleft.bmp"] = [](const IconSet*) { return Strip(3, 594, true); };
        d[design + "mainmask.bmp"] = plain(MainMask);
        d[design + "headers\\formcaption.bmp"] = plain(Caption);
        d[design + "edit_center.bmp"] = [](const IconSet*) {
            QImage image = NewCanvas(112, 27, QColor(0, 0, 0));
            QPainter p(&image);
            p.setPen(QPen(kPanelEdge, 1));
            p.drawRect(0, 2, 111, 22);
            return image;
        };
        d[design + "gold_border64.bmp"] = [](const IconSet*) { return Frame(64, kGold); };
        d[design + "bronze_border64.bmp"] = [](const IconSet*) { return Frame(64, kBronze); };
        d[design + "gold_border36.bmp"] = [](const IconSet*) { return Frame(36, kGold); };
        d[design + "bronze_border36.bmp"] = [](const IconSet*) { return Frame(36, kBronze); };
        d[design + "emptyslot.jpg"] = plain(EmptySlot);
        d[design + "levels.bmp"] = plain(LevelMarks);
        d[design + "no_orb.bmp"] = plain(NoOrb);
        d[design + "splashimage.jpg"] = Splash;
        d["data\\images\\orbs\\noneattack.bmp"] = plain(NoOrbWorks);
        d["data\\images\\skills\\skill000.jpg"] = plain(AttributeBonus);
        d["data\\images\\stats\\hero_a.jpg"] = [](const IconSet* icons) {
            return StatIcon(true, icons);
        };
        d["data\\images\\stats\\hero_d.jpg"] = [](const IconSet* icons) {
            return StatIcon(false, icons);
        };
        d["data\\images\\stats\\s.gif"] = [](const IconSet* icons) { return Attribute(1, icons); };
        d["data\\images\\stats\\a.gif"] = [](const IconSet* icons) { return Attribute(2, icons); };
        d["data\\images\\stats\\i.gif"] = [](const IconSet* icons) { return Attribute(3, icons); };

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
            d[base + "_passive.bmp"] = [face](const IconSet*) {
                return Button(face.Width, face.Height, State::Passive, face.Glyph);
            };
            d[base + "_active.bmp"] = [face](const IconSet*) {
                return Button(face.Width, face.Height, State::Active, face.Glyph);
            };
            if (face.Disabled) {
                d[base + "_disable.bmp"] = [face](const IconSet*) {
                    return Button(face.Width, face.Height, State::Disabled, face.Glyph);
                };
            }
        }
        return d;
    }();
    return drawers;
}

} // namespace

const std::vector<MaskPanel>& MainMaskPanels() {
    // The controls as src/ui/calculator/calculator_panel.cpp (and running_line.cpp)
    // place them; a label that sizes itself to its text is given the room of
    // its widest text.
    static const std::vector<MaskPanel> panels = [] {
        std::vector<MaskPanel> list;
        list.push_back({"running line", QRect(90, 3, 432, 23), "", {QRect(97, 8, 417, 13)}, {}});

        MaskPanel hero{"hero", QRect(40, 30, 386, 196), "", {}, {}};
        hero.Controls = {
            QRect(92, 92, 64, 64),                            // portrait
            QRect(216, 72, 177, 29),                          // name
            QRect(88, 157, 73, 18),                           // level
            QRect(88, 186, 73, 13),                           // hit points
            QRect(88, 205, 73, 13),                           // mana
            QRect(214, 114, 22, 22),                          // attack icon
            QRect(214, 154, 22, 22),                          // armor icon
            QRect(323, 136, 34, 34),                          // primary attribute
            QRect(240, 112, 48, 13),                          // "Атака:" and its value below
            QRect(240, 128, 72, 13), QRect(240, 152, 52, 13), // "Защита:" and its value
            QRect(240, 168, 72, 13), QRect(360, 104, 40, 13), // the three attributes and their
                                                              // values
            QRect(360, 120, 56, 13), QRect(360, 136, 60, 13), QRect(360, 152, 56, 13),
            QRect(360, 168, 62, 13), QRect(360, 184, 56, 13), QRect(200, 200, 44, 13), // "Статус:"
        };
        for (int n = 0; n < 10; ++n) {
            hero.Controls.push_back(QRect(248 + 17 * n, 200, 15, 15)); // auras
        }
        list.push_back(hero);

        MaskPanel items{"items", QRect(436, 60, 114, 168), "Предметы", {}, {}};
        for (const QPoint slot : {QPoint(450, 80), QPoint(499, 80), QPoint(450, 129),
                                  QPoint(499, 129), QPoint(450, 179), QPoint(499, 179)}) {
            items.Controls.push_back(QRect(slot, QSize(36, 36)));
        }
        list.push_back(items);

        MaskPanel abilities{"abilities", QRect(10, 236, 398, 88), "", {}, {}};
        for (const int left : {20, 100, 180, 260, 340}) {
            abilities.Controls.push_back(QRect(left, 249, 64, 64));
        }
        list.push_back(abilities);

        list.push_back({"orb",
                        QRect(412, 238, 162, 86),
                        "",
                        {QRect(416, 248, 140, 24), QRect(448, 280, 70, 30)},
                        {}});
        // The build order and, below it, the editors of the ability's
        // parameters share one panel: the editors' box starts a pixel above
        // the list's end.
        list.push_back(
            {"build order",
             QRect(578, 28, 208, 496),
             "Порядок прокачки",
             {QRect(592, 48, 25, 345), QRect(624, 48, 129, 345), QRect(584, 392, 193, 124)},
             {QRect(592, 48, 161, 345)}});
        list.push_back({"statistics",
                        QRect(14, 352, 544, 170),
                        "",
                        {QRect(24, 360, 136, 20), QRect(192, 360, 150, 20),
                         QRect(388, 360, 150, 20), QRect(24, 384, 521, 130)},
                        {QRect(24, 384, 521, 130)}});
        return list;
    }();
    return panels;
}

Picture DrawInterfaceArt(std::string_view storedPath, const IconSet* icons) {
    std::string key;
    for (const char c : storedPath) {
        key += c == '/' ? '\\' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    const auto found = Drawers().find(key);
    return found == Drawers().end() ? Picture() : ToPicture(found->second(icons));
}

} // namespace zephyr::pack
