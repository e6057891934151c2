// What an article shows between the page's head and its closing piece.
#include "dictionary_words.h"

#include "dictionary/article_page.h"

#include <gtest/gtest.h>

#include <climits>

namespace zephyr {
namespace {

constexpr std::string_view kClosing = "</td></tr></table></body></html>";

std::string EmptyPage() {
    return ArticlePage({}, -1);
}

// The article's own text: the page without the head and the closing piece.
std::string Body(const std::string& page) {
    const std::string empty = EmptyPage();
    const std::string head = empty.substr(0, empty.size() - kClosing.size());
    EXPECT_TRUE(page.starts_with(head));
    EXPECT_TRUE(page.ends_with(kClosing));
    if (page.size() < empty.size()) {
        return {};
    }
    return page.substr(head.size(), page.size() - empty.size());
}

std::string BodyOf(const TSlang& entry) {
    return Body(ArticlePage(std::vector<TSlang>{entry}, 0));
}

TEST(ArticleTerms, LatinOnlyEndsWithTheFullStop) {
    EXPECT_EQ(BodyOf(Entry(6, {"Gank", "Bash"}, "def")), "Bash, Gank.<br /><hr>def<br />");
}

TEST(ArticleTerms, CyrillicOnlyStartsWithOneSpace) {
    EXPECT_EQ(BodyOf(Entry(6, {"Удар", "Ганк"}, "def")), W(" Ганк, Удар.<br /><hr>def<br />"));
}

TEST(ArticleTerms, LatinThenCyrillicWhateverTheStoredOrder) {
    EXPECT_EQ(BodyOf(Entry(6, {"Удар", "Stun", "Бэш", "Bash"})),
              W("Bash, Stun; Бэш, Удар.<br /><hr><br />"));
}

TEST(ArticleTerms, TermsOutsideBothRangesAreHidden) {
    // Lower case, digits, ё and Ё, other bytes, and the empty term.
    EXPECT_EQ(BodyOf(Entry(6, {"gank", "Bash", "1x", "ёж", "Ёж", "", "удар", "«Кавычки»"})),
              "Bash; .<br /><hr><br />");
    EXPECT_EQ(BodyOf(Entry(6, {"gank", ""})), " .<br /><hr><br />");
    EXPECT_EQ(BodyOf(Entry(6, {"Ёж", "Ганк"})), W(" Ганк.<br /><hr><br />"));
}

TEST(ArticleTerms, EntryWithoutTermsShowsOnlyTheFullStop) {
    EXPECT_EQ(BodyOf(Entry(6, {}, "def")), ".<br /><hr>def<br />");
}

TEST(ArticleTerms, CaseOnlyTiesFollowTheExchanges) {
    // [Ab, AB, Aa]: step 0 exchanges Ab with Aa, leaving AB before Ab.
    EXPECT_EQ(BodyOf(Entry(6, {"Ab", "AB", "Aa"})), "Aa, AB, Ab.<br /><hr><br />");
    EXPECT_EQ(BodyOf(Entry(6, {"ГАНК", "Ганк", "Абв"})), W(" Абв, Ганк, ГАНК.<br /><hr><br />"));
}

TEST(ArticleDefinition, WrittenUnchangedAndEmptyLeavesAnEmptyLine) {
    EXPECT_EQ(BodyOf(Entry(6, {"Gank"}, "<b>a & b</b> <i>")),
              "Gank.<br /><hr><b>a & b</b> <i><br />");
    EXPECT_EQ(BodyOf(Entry(6, {"Gank"}, "")), "Gank.<br /><hr><br />");
}

TEST(ArticleLinks, InStoredOrderUnderASecondRule) {
    EXPECT_EQ(BodyOf(Entry(6, {"Gank"}, "d", {{"Zeta", "z.html"}, {"Alpha", "a.html?x=1&y=2"}})),
              "Gank.<br /><hr>d<br /><hr><a href=\"z.html\">Zeta</a><br />"
              "<a href=\"a.html?x=1&y=2\">Alpha</a><br />");
}

TEST(ArticleLinks, NoLinksNoSecondRule) {
    EXPECT_EQ(BodyOf(Entry(6, {"Gank"}, "d", {})), "Gank.<br /><hr>d<br />");
}

TEST(ArticleEntry, MinusOneAndEveryOtherOutOfRangeNumberGiveTheEmptyPage) {
    const std::vector<TSlang> words = {Entry(6, {"Gank"}, "d"), Entry(6, {"Bash"}, "e")};
    const std::string empty = EmptyPage();
    EXPECT_TRUE(empty.ends_with(std::string("\"td1\">") + std::string(kClosing)));
    for (const int entry : {-1, -2, 2, 3, INT_MAX, INT_MIN}) {
        EXPECT_EQ(ArticlePage(words, entry), empty) << entry;
    }
    EXPECT_EQ(ArticlePage({}, 0), empty);
    EXPECT_EQ(Body(ArticlePage(words, 1)), "Bash.<br /><hr>e<br />");
}

} // namespace
} // namespace zephyr
