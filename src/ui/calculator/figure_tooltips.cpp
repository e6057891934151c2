#include "ui/calculator/figure_tooltips.h"

#include "ui/widgets/texts.h"

namespace zephyr::ui {
namespace {

const char* ChangeColour(bool better) {
    return better ? "#1c8a2e" : "#c62828";
}

QString Escaped(const std::string& text) {
    return FromCp1251(text).toHtmlEscaped();
}

QString ChangeText(const FigureChange& change) {
    QString text = Escaped(change.Before) + QStringLiteral(" → ") + Escaped(change.After);
    if (!change.Delta.empty()) {
        text += QStringLiteral(" (%1)").arg(Escaped(change.Delta));
    }
    return QStringLiteral("<span style=\"color:%1\">%2</span>")
        .arg(QLatin1String(ChangeColour(change.Better)), text);
}

} // namespace

QString ChangesToolTip(const QString& heading, const std::vector<FigureChange>& changes) {
    // A tooltip label wraps rich text to a width of its own choosing, and
    // the cells of a table give way to it unless they must not wrap: every
    // line stays whole.
    QString html = QStringLiteral("<nobr><b>%1</b></nobr>").arg(heading.toHtmlEscaped());
    if (changes.empty()) {
        return html + QStringLiteral("<br><nobr>Показатели не изменятся</nobr>");
    }
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const FigureChange& change : changes) {
        html += QStringLiteral("<tr><td style=\"white-space:nowrap\">%1</td>"
                               "<td style=\"white-space:nowrap\">&nbsp;%2</td></tr>")
                    .arg(Escaped(FigureCaption(change.Id)), ChangeText(change));
    }
    return html + QStringLiteral("</table>");
}

QString ComparisonToolTip(const FigureChange& change) {
    return QStringLiteral("<b>%1</b><br><nobr>Закреплено → сейчас: %2</nobr>")
        .arg(Escaped(FigureCaption(change.Id)), ChangeText(change));
}

QString BreakdownHtml(const FigureBreakdown& breakdown) {
    QString html =
        QStringLiteral("<b>%1: %2</b>").arg(Escaped(breakdown.Caption), Escaped(breakdown.Value));
    if (!breakdown.Lines.empty()) {
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
        for (const BreakdownLine& line : breakdown.Lines) {
            html += QStringLiteral("<tr><td>%1</td><td align=\"right\">&nbsp;&nbsp;%2</td></tr>")
                        .arg(Escaped(line.Source), Escaped(line.Amount));
        }
        html += QStringLiteral("</table>");
    }
    if (!breakdown.Formula.empty()) {
        html += QStringLiteral("<p style=\"color:#f5ff00\">%1</p>").arg(Escaped(breakdown.Formula));
    }
    if (breakdown.Lines.empty() && breakdown.Formula.empty()) {
        html += QStringLiteral("<br>Ничто в сборке его не меняет");
    }
    return html;
}

} // namespace zephyr::ui
