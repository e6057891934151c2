#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>

namespace zephyr::controls {

// The toolkit's highlight rule on the 240-step hue/lightness/saturation
// scale: a strongly saturated colour gets darker by n, any other lighter.
// `palette` supplies the system button colours, which the rule singles out.
QColor LightenColor(const QColor& colour, int n, const QPalette& palette);

// Conversions on the same scale (each component 0 to 240).
struct Hls {
    int H = 0;
    int L = 0;
    int S = 0;
};
Hls HlsFromRgb(const QColor& colour);
QColor RgbFromHls(const Hls& hls);

// TMyColorMap: the colour scheme of the menu bar, black with white text.
class MyColorMap : public QObject {
    Q_OBJECT
public:
    explicit MyColorMap(QObject* parent = nullptr, QPalette system = QPalette());

    QColor HighlightColor, UnusedColor, BtnFrameColor, BtnSelectedColor, BtnSelectedFont,
        DisabledFontColor, DisabledFontShadow, FontColor, HotColor, HotFontColor, MenuColor,
        FrameTopLeftInner, FrameTopLeftOuter, FrameBottomRightInner, FrameBottomRightOuter,
        DisabledColor, SelectedColor, SelectedFontColor, ShadowColor;

    const QColor& Color() const { return color_; }
    virtual void SetColor(const QColor& value);
    virtual void UpdateColors();

    // The scheme as a style sheet for a menu bar and its menus.
    QString StyleSheet() const;

signals:
    void ColorChange();

private:
    // The base colour map's own scheme, which UpdateColors then overrides.
    void BaseUpdateColors();

    QPalette system_;
    QColor color_;
};

} // namespace zephyr::controls
