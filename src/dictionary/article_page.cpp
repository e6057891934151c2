#include "article_page.h"

#include "page_head.h"
#include "selection_order.h"
#include "term_ranks.h"

#include "data/byte_helpers.h"

#include <string_view>

namespace zephyr {
namespace {

constexpr std::string_view kHeadOverflow =
    R"(color : #FFEBCD;margin : 6px 0px 4px 0px;padding : 0px 0px 0px 0px;}body{overflow-x : auto;overflow-y : auto;scrollbar-face-color : #000000;scrollbar-track-color : #000000;scrollbar-darkshadow-color : #817879;scrollbar-shadow-color : #000000;)";
constexpr std::string_view kHeadCells =
    R"(}a:hover{text-decoration : none;color : #CC9966;}table{margin : 0px 0px 0px 0px;padding : 0px 0px 0px 0px;}td.td1{font : normal normal 12px Verdana, Tahoma;text-align : justify;vertical-align : top;padding : 5px 5px 5px 5px;border : 0px;})";
constexpr std::string_view kHeadRule = R"(hr{color : #817879;width : 99%;height : 1px;})";
constexpr std::string_view kHeadTable =
    R"(</style></head><body><table border="0" align="center" width="500" cellpadding="0" cellspacing="0"><tr><td class="td1">)";

constexpr std::string_view kLinkOpening = R"(<a href=")";
constexpr std::string_view kLinkCaptionOpening = R"(">)";
constexpr std::string_view kLinkClosing = R"(</a><br />)";

constexpr std::string_view kClosing = R"(</td></tr></table></body></html>)";

bool StartsIn(const std::string& term, unsigned char first, unsigned char last) {
    if (term.empty()) {
        return false;
    }
    const auto byte = static_cast<unsigned char>(term.front());
    return byte >= first && byte <= last;
}

// The terms of the group (first byte in first..last) in sorted order, ", "
// between them; returns how many there were.
std::size_t AppendGroup(std::string& page, const std::vector<const std::string*>& sorted,
                        unsigned char first, unsigned char last) {
    std::size_t count = 0;
    for (const std::string* term : sorted) {
        if (StartsIn(*term, first, last)) {
            if (count > 0) {
                page += ", ";
            }
            page += *term;
            ++count;
        }
    }
    return count;
}

std::vector<const std::string*> SortedTerms(const std::vector<std::string>& terms) {
    std::vector<std::string> folded;
    folded.reserve(terms.size());
    for (const std::string& term : terms) {
        folded.push_back(UpperCaseCyr(term));
    }
    std::vector<const std::string*> sorted;
    sorted.reserve(terms.size());
    for (const std::size_t k : SelectionSortOrder(RankTerms(folded))) {
        sorted.push_back(&terms[k]);
    }
    return sorted;
}

void AppendArticle(std::string& page, const TSlang& entry) {
    const std::vector<const std::string*> sorted = SortedTerms(entry.Terms);
    const std::size_t latin = AppendGroup(page, sorted, 0x41, 0x5A);
    if (latin != sorted.size()) {
        page += latin > 0 ? "; " : " ";
        AppendGroup(page, sorted, 0xC0, 0xDF);
    }
    page += ".";
    page += "<br /><hr>";
    page += entry.Definition;
    page += "<br />";
    if (!entry.Links.empty()) {
        page += "<hr>";
        for (const TSlangLink& link : entry.Links) {
            page += kLinkOpening;
            page += link.Target;
            page += kLinkCaptionOpening;
            page += link.Caption;
            page += kLinkClosing;
        }
    }
}

} // namespace

std::string ArticlePage(std::span<const TSlang> words, int entry) {
    std::string page;
    for (const std::string_view piece : {kPageHeadOpening, kHeadOverflow, kPageHeadScrollbars,
                                         kHeadCells, kHeadRule, kHeadTable}) {
        page += piece;
    }
    if (entry >= 0 && static_cast<std::size_t>(entry) < words.size()) {
        AppendArticle(page, words[static_cast<std::size_t>(entry)]);
    }
    page += kClosing;
    return page;
}

} // namespace zephyr
