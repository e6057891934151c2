// Generated pages byte for byte against pages written by hand from their
// pieces (golden/*.html, Windows-1251).
#include "dictionary_words.h"

#include "dictionary/article_page.h"
#include "dictionary/search_hits.h"
#include "dictionary/search_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zephyr {
namespace {

std::string Golden(const char* name) {
    const std::filesystem::path path = std::filesystem::path(ZEPHYR_DICTIONARY_GOLDEN) / name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<TSlang>& GoldenWords() {
    static const std::vector<TSlang> words = {
        Entry(6, {"Ganker", "Ганкер"}, "Игрок, который <b>ганкает</b>.",
              {{"Ганк", "slang/gank.html"}, {"Guide", "guide_heroes.html?part=2"}}),
        Entry(0, {"GANKER"}, "x"),
        Entry(6, {"gank", "Ганк"}, ""),
        Entry(2, {"ga"}, "Сокращение.", {{"Предметы", "items.html"}}),
        Entry(6, {}, "Без терминов."),
        Entry(5, {"Удар", "Bash", "удар", "bash-proc", "Стан", "Abc", "1x", "ёж", "Ёж", ""},
              "Оглушение на <i>1</i> секунду.",
              {{"Способности", "abilities.html"}, {"Bash & stun", "abilities.html?id=bash"}}),
    };
    return words;
}

TEST(GoldenPages, ListOfEveryTerm) {
    const SearchIndex index(GoldenWords());
    EXPECT_EQ(SearchListPage(SearchHits(index, "", 0)), Golden("list_all.html"));
}

TEST(GoldenPages, ListWithoutHitsIsTheEmptyTable) {
    const std::string all = Golden("list_all.html");
    const std::size_t rows = all.find("<tr>");
    const std::size_t end = all.rfind("</tr>") + 5;
    ASSERT_NE(rows, std::string::npos);
    EXPECT_EQ(SearchListPage({}), all.substr(0, rows) + all.substr(end));
    EXPECT_EQ(SearchListPage(SearchHits(SearchIndex(GoldenWords()), "zz", 0)), SearchListPage({}));
}

TEST(GoldenPages, ArticleWithLatinAndCyrillicTermsAndLinks) {
    EXPECT_EQ(ArticlePage(GoldenWords(), 5), Golden("article_mixed.html"));
}

TEST(GoldenPages, EmptyArticle) {
    EXPECT_EQ(ArticlePage(GoldenWords(), -1), Golden("article_none.html"));
}

} // namespace
} // namespace zephyr
