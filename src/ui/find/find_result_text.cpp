#include "find_result_text.h"

#include <array>

namespace zephyr::ui {
namespace {

QString Part(const std::string& text, std::size_t begin, std::size_t end) {
    return QString::fromUtf8(text.data() + begin, static_cast<qsizetype>(end - begin));
}

} // namespace

QString FindGroupCaption(FindKind kind) {
    static const std::array<QString, kFindKindCount> kCaptions = {
        QStringLiteral("Герои"),    QStringLiteral("Способности"), QStringLiteral("Предметы"),
        QStringLiteral("Ауры"),     QStringLiteral("Орбы"),        QStringLiteral("Словарь"),
        QStringLiteral("Документы")};
    return kCaptions[static_cast<std::size_t>(kind)];
}

QString FindResultHtml(const FindResult& result) {
    const Snippet& snippet = result.Excerpt;
    QString html = QStringLiteral("<div style=\"color:#FFCC66\"><b>%1</b></div><div>")
                       .arg(QString::fromStdString(result.Entry->Title).toHtmlEscaped());
    std::size_t at = 0;
    for (const Snippet::Mark& mark : snippet.Marks) {
        html += Part(snippet.Text, at, mark.Begin).toHtmlEscaped();
        html += QStringLiteral("<span style=\"color:#F5FF00;font-weight:bold\">") +
                Part(snippet.Text, mark.Begin, mark.End).toHtmlEscaped() +
                QStringLiteral("</span>");
        at = mark.End;
    }
    html += Part(snippet.Text, at, snippet.Text.size()).toHtmlEscaped();
    html += QStringLiteral("</div>");
    return html;
}

QString FindResultPlainText(const FindResult& result) {
    QString text = QString::fromStdString(result.Entry->Title);
    if (!result.Excerpt.Text.empty()) {
        text += QStringLiteral(". ") + QString::fromStdString(result.Excerpt.Text);
    }
    return text;
}

QString FirstMarkedWords(const Snippet& snippet) {
    if (snippet.Marks.empty()) {
        return {};
    }
    const Snippet::Mark& mark = snippet.Marks.front();
    return Part(snippet.Text, mark.Begin, mark.End);
}

} // namespace zephyr::ui
