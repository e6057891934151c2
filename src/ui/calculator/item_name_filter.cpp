#include "ui/calculator/item_name_filter.h"

#include <algorithm>

namespace zephyr::ui {
namespace {

// Case folded, with "ё" written as "е".
QString Folded(const QString& text) {
    QString folded = text.toCaseFolded();
    folded.replace(QChar(0x0451), QChar(0x0435));
    return folded;
}

bool InWord(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool StartsWord(const QString& text, qsizetype at) {
    return text[at].isLetterOrNumber() && (at == 0 || !InWord(text[at - 1]));
}

QString Initials(const QString& text) {
    QString initials;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (StartsWord(text, at)) {
            initials += text[at];
        }
    }
    return initials;
}

bool FoundAtWordStart(const QString& name, const QString& typed) {
    for (qsizetype at = name.indexOf(typed, 1); at >= 0; at = name.indexOf(typed, at + 1)) {
        if (StartsWord(name, at)) {
            return true;
        }
    }
    return false;
}

} // namespace

NameMatch MatchItemName(const QString& name, const QString& typed) {
    if (typed.isEmpty()) {
        return NameMatch::None;
    }
    const QString folded = Folded(name);
    const QString query = Folded(typed);
    if (folded == query) {
        return NameMatch::Exact;
    }
    if (folded.startsWith(query)) {
        return NameMatch::Prefix;
    }
    if (FoundAtWordStart(folded, query)) {
        return NameMatch::WordStart;
    }
    if (Initials(folded).startsWith(query)) {
        return NameMatch::Initials;
    }
    return folded.contains(query) ? NameMatch::Substring : NameMatch::None;
}

std::vector<int> FilterItemNames(const std::vector<QString>& names, const QString& typed) {
    std::vector<std::pair<NameMatch, int>> found;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const NameMatch match = MatchItemName(names[i], typed);
        if (match != NameMatch::None) {
            found.emplace_back(match, static_cast<int>(i));
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> indices;
    indices.reserve(found.size());
    for (const auto& [match, index] : found) {
        indices.push_back(index);
    }
    return indices;
}

} // namespace zephyr::ui
