#pragma once

#include <QProxyStyle>

namespace zephyr::ui {

// Hints appear after 100 ms instead of the toolkit's default.
inline constexpr int kToolTipDelayMs = 100;

class ApplicationStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

// The Windows fonts the window names, mapped to fonts Debian ships.
void RegisterFontSubstitutes();

// Font substitutes and the hint delay, before any window exists.
void PrepareApplication();

} // namespace zephyr::ui
