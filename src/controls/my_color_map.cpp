#include "my_color_map.h"

#include <algorithm>

namespace zephyr::controls {
namespace {

constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

int HueToRgb(int n1, int n2, int hue) {
    if (hue < 0) {
        hue += kHlsMax;
    }
    if (hue > kHlsMax) {
        hue -= kHlsMax;
    }
    if (hue < kHlsMax / 6) {
        return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
    }
    if (hue < kHlsMax / 2) {
        return n2;
    }
    if (hue < kHlsMax * 2 / 3) {
        return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
    }
    return n1;
}

int Clamp255(int v) {
    return std::clamp(v, 0, kRgbMax);
}

} // namespace

Hls HlsFromRgb(const QColor& colour) {
    const int r = colour.red();
    const int g = colour.green();
    const int b = colour.blue();
    const int cMax = std::max({r, g, b});
    const int cMin = std::min({r, g, b});
    Hls hls;
    hls.L = ((cMax + cMin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (cMax == cMin) {
        hls.H = kUndefinedHue;
        return hls;
    }
    const int spread = cMax - cMin;
    if (hls.L <= kHlsMax / 2) {
        hls.S = (spread * kHlsMax + (cMax + cMin) / 2) / (cMax + cMin);
    } else {
        const int rest = 2 * kRgbMax - cMax - cMin;
        hls.S = (spread * kHlsMax + rest / 2) / rest;
    }
    const int rDelta = ((cMax - r) * (kHlsMax / 6) + spread / 2) / spread;
    const int gDelta = ((cMax - g) * (kHlsMax / 6) + spread / 2) / spread;
    const int bDelta = ((cMax - b) * (kHlsMax / 6) + spread / 2) / spread;
    if (r == cMax) {
        hls.H = bDelta - gDelta;
    } else if (g == cMax) {
        hls.H = kHlsMax / 3 + rDelta - bDelta;
    } else {
        hls.H = kHlsMax * 2 / 3 + gDelta - rDelta;
    }
    if (hls.H < 0) {
        hls.H += kHlsMax;
    }
    if (hls.H > kHlsMax) {
        hls.H -= kHlsMax;
    }
    return hls;
}

QColor RgbFromHls(const Hls& hls) {
    const int l = std::clamp(hls.L, 0, kHlsMax);
    const int s = std::clamp(hls.S, 0, kHlsMax);
    if (s == 0) {
        const int grey = Clamp255((l * kRgbMax + kHlsMax / 2) / kHlsMax);
        return QColor(grey, grey, grey);
    }
    const int magic2 = l <= kHlsMax / 2 ? (l * (kHlsMax + s) + kHlsMax / 2) / kHlsMax
                                        : l + s - (l * s + kHlsMax / 2) / kHlsMax;
    const int magic1 = 2 * l - magic2;
    const auto channel = [&](int hue) {
        return Clamp255((HueToRgb(magic1, magic2, hue) * kRgbMax + kHlsMax / 2) / kHlsMax);
    };
    return QColor(channel(hls.H + kHlsMax / 3), channel(hls.H), channel(hls.H - kHlsMax / 3));
}

QColor LightenColor(const QColor& colour, int n, const QPalette& palette) {
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    if (colour.rgb() == face.rgb() && n == 19) {
        return palette.color(QPalette::Active, QPalette::Light);
    }
    Hls hls = HlsFromRgb(colour);
    hls.L = hls.S > 220 ? hls.L - n : hls.L + n;
    return RgbFromHls(hls);
}

MyColorMap::MyColorMap(QObject* parent, QPalette system)
    : QObject(parent), system_(std::move(system)), color_(system_.color(QPalette::Button)) {
    UpdateColors();
}

void MyColorMap::BaseUpdateColors() {
    // What the toolkit's own scheme leaves in the properties this scheme
    // does not override.
    DisabledColor = QColor();
    HotColor = QColor(182, 189, 210);
    HotFontColor = system_.color(QPalette::Active, QPalette::ButtonText);
}

void MyColorMap::SetColor(const QColor& value) {
    if (value == color_) {
        return;
    }
    HighlightColor = LightenColor(value, 19, system_);
    UnusedColor = LightenColor(value, 10, system_);
    color_ = value;
    emit ColorChange();
}

void MyColorMap::UpdateColors() {
    BaseUpdateColors();
    const QColor face = system_.color(QPalette::Active, QPalette::Button);
    const QColor light = system_.color(QPalette::Active, QPalette::Light);
    const QColor shadow = system_.color(QPalette::Active, QPalette::Dark);
    BtnFrameColor = face;
    BtnSelectedColor = face;
    BtnSelectedFont = Qt::white;
    SetColor(Qt::black);
    MenuColor = Qt::black;
    DisabledFontColor = system_.color(QPalette::Disabled, QPalette::Text);
    DisabledFontShadow = light;
    FontColor = Qt::white;
    FrameTopLeftInner = light;
    FrameTopLeftOuter = face;
    FrameBottomRightInner = shadow;
    FrameBottomRightOuter = Qt::black;
    HighlightColor = LightenColor(color_, 19, system_);
    SelectedColor = system_.color(QPalette::Active, QPalette::Highlight);
    SelectedFontColor = system_.color(QPalette::Active, QPalette::HighlightedText);
    ShadowColor = shadow;
    UnusedColor = LightenColor(color_, 18, system_);
}

QString MyColorMap::StyleSheet() const {
    const auto name = [](const QColor& c) { return c.name(QColor::HexRgb); };
    return QStringLiteral(
               "QMenuBar { background: %1; color: %2; spacing: 0px; border: none; }"
               "QMenuBar::item { background: transparent; color: %2; padding: 4px 8px; }"
               "QMenuBar::item:selected, QMenuBar::item:pressed { background: %3; color: %4; }"
               "QMenuBar::item:disabled { color: %5; }"
               "QMenu { background: %6; color: %2; border: 1px solid %7; }"
               "QMenu::item { padding: 3px 20px 3px 24px; background: transparent; }"
               "QMenu::item:selected { background: %3; color: %4; }"
               "QMenu::item:disabled { color: %5; }"
               "QMenu::separator { height: 1px; background: %8; margin: 3px 4px; }")
        .arg(name(color_), name(FontColor), name(SelectedColor), name(SelectedFontColor),
             name(DisabledFontColor), name(MenuColor), name(HighlightColor), name(ShadowColor));
}

} // namespace zephyr::controls
