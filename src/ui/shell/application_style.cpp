#include "ui/shell/application_style.h"

#include <QApplication>
#include <QFont>

namespace zephyr::ui {

int ApplicationStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay) {
        return kToolTipDelayMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void RegisterFontSubstitutes() {
    // Liberation Sans has the narrow metrics of the Windows sans faces;
    // Verdana's width is closest to DejaVu Sans.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // The casual face of the headers and names needs Cyrillic and Latin in
    // one face, and narrow enough metrics for the headers' frames.
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("PT Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

void PrepareApplication() {
    RegisterFontSubstitutes();
    if (dynamic_cast<ApplicationStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new ApplicationStyle(QStringLiteral("Fusion")));
    }
}

} // namespace zephyr::ui
