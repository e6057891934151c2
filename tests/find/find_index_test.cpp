// The search's index on entries made here: word forms in both languages, ё
// and е, letter case, the word being typed, ranking, the kind filter, the
// wrong keyboard layout, near misses and the snippets' highlights.
#include "find/find_index.h"
#include "find/find_words.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

FindEntry Entry(FindKind kind, std::string title, std::string text, std::string names = {}) {
    FindEntry entry;
    entry.Kind = kind;
    entry.Title = std::move(title);
    entry.Text = std::move(text);
    entry.Names = std::move(names);
    return entry;
}

class FindIndexTest : public ::testing::Test {
protected:
    FindIndexTest()
        : index_({Entry(FindKind::Hero, "Brannoc Ironvow", "Таверна: Dawnward Hall. Ближний бой."),
                  Entry(FindKind::Ability, "Oathbound Strike", "Оглушение: шанс 8%, урон 30"),
                  Entry(FindKind::Item, "Stormglass Rod", "Интеллект +6. Урон +8"),
                  Entry(FindKind::Term, "Bash", "Баш — удар с шансом оглушить цель", "Stun, Баш"),
                  Entry(FindKind::Term, "Attack speed", "Скорость атаки сокращает задержку"),
                  Entry(FindKind::Document, "Ёлка и ежи",
                        "Зелёная ёлка стоит на опушке. Ежи приходят оглушением не пахнут."),
                  Entry(FindKind::Document, "Stormglass Rod в сборках",
                        "Stormglass Rod Stormglass Rod Stormglass Rod: берите рано, "
                        "скорости атаки он не даёт")}) {}

    std::vector<std::string> Titles(std::string_view query, const FindOptions& options = {}) {
        std::vector<std::string> titles;
        for (const FindResult& result : index_.Find(query, options).Results) {
            titles.push_back(result.Entry->Title);
        }
        return titles;
    }
    bool Finds(std::string_view query, const std::string& title) {
        const std::vector<std::string> titles = Titles(query);
        return std::find(titles.begin(), titles.end(), title) != titles.end();
    }

    FindIndex index_;
};

TEST_F(FindIndexTest, AWordInAnyFormFindsTheOthersInBothLanguages) {
    EXPECT_TRUE(Finds("оглушение ", "Oathbound Strike"));
    EXPECT_TRUE(Finds("оглушением ", "Oathbound Strike"));
    EXPECT_TRUE(Finds("скоростями ", "Attack speed"));
    EXPECT_TRUE(Finds("attacks ", "Attack speed"));
    EXPECT_TRUE(Finds("speeds ", "Attack speed"));
    // Case does not matter, nor ё against е, either way round.
    EXPECT_TRUE(Finds("BRANNOC ", "Brannoc Ironvow"));
    EXPECT_TRUE(Finds("елка ", "Ёлка и ежи"));
    EXPECT_TRUE(Finds("ЗЕЛЁНАЯ ", "Ёлка и ежи"));
    EXPECT_TRUE(Finds("зеленая ", "Ёлка и ежи"));
    // A term's other names find it.
    EXPECT_EQ(Titles("stun").front(), "Bash");
}

TEST_F(FindIndexTest, TheLastWordIsAPrefixWhileTypedAndEveryWordMustBeThere) {
    EXPECT_TRUE(Finds("Storm", "Stormglass Rod"));
    EXPECT_TRUE(Finds("оглуш", "Oathbound Strike"));
    // A space after it: the word is whole, and no word is "storm"; the
    // name that begins so is only offered as a near miss.
    EXPECT_TRUE(index_.Find("Storm ").NearMisses);
    // Only the last word is a prefix; every word must match.
    EXPECT_TRUE(Finds("урон интел", "Stormglass Rod"));
    EXPECT_FALSE(Finds("урон интел", "Oathbound Strike"));
    EXPECT_FALSE(Finds("stor rod", "Stormglass Rod"));
}

TEST_F(FindIndexTest, AnExactNameComesFirstAndTheSameNameInGroupOrder) {
    // The passage says "Stormglass Rod" three times; the item is named so.
    const std::vector<std::string> titles = Titles("stormglass rod");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0], "Stormglass Rod");
    // A name that starts with the query beats a mention.
    EXPECT_EQ(Titles("stormglass").front(), "Stormglass Rod");
    // Kind and limit.
    EXPECT_EQ(Titles("stormglass", {FindKind::Document, 50}),
              std::vector<std::string>{"Stormglass Rod в сборках"});
    EXPECT_EQ(Titles("урон", {std::nullopt, 1}).size(), 1u);
    EXPECT_TRUE(Titles("урон", {std::nullopt, 0}).empty());
}

TEST_F(FindIndexTest, TheWrongLayoutIsRetypedAndNearNamesOffered) {
    // "bash" typed on the Russian layout, "баш" on the Latin one.
    FindAnswer answer = index_.Find("ифыр");
    ASSERT_FALSE(answer.Results.empty());
    EXPECT_EQ(answer.Results.front().Entry->Title, "Bash");
    EXPECT_EQ(answer.Retyped, "bash");
    EXPECT_FALSE(answer.NearMisses);
    answer = index_.Find(",fi");
    ASSERT_FALSE(answer.Results.empty());
    EXPECT_EQ(answer.Retyped, "баш");

    answer = index_.Find("Brannok Ironvov");
    ASSERT_EQ(answer.Results.size(), 1u);
    EXPECT_EQ(answer.Results.front().Entry->Title, "Brannoc Ironvow");
    EXPECT_TRUE(answer.NearMisses);
    EXPECT_TRUE(answer.Retyped.empty());
    // A slip in a later word of a name is offered as well, nearest first.
    answer = index_.Find("ironvov");
    ASSERT_FALSE(answer.Results.empty());
    EXPECT_EQ(answer.Results.front().Entry->Title, "Brannoc Ironvow");
    EXPECT_TRUE(answer.NearMisses);
    EXPECT_EQ(Titles("stike").front(), "Oathbound Strike");
    EXPECT_EQ(Titles("speet").front(), "Attack speed");
    // Passages are no names to offer; nonsense and short queries get nothing.
    EXPECT_TRUE(index_.Find("qzxwvj").Results.empty());
    EXPECT_TRUE(index_.Find("qz").Results.empty());
}

TEST_F(FindIndexTest, AQueryWithoutWordsFindsNothing) {
    for (const std::string_view query : {"", "   ", "—,.!", "\xff\xfe"}) {
        const FindAnswer answer = index_.Find(query);
        EXPECT_TRUE(answer.Results.empty()) << query;
        EXPECT_FALSE(answer.NearMisses);
    }
}

TEST_F(FindIndexTest, SnippetsMarkTheWordsFoundAndSayWhereTheTextGoesOn) {
    const FindAnswer answer = index_.Find("ежи оглушение ", {FindKind::Document, 5});
    ASSERT_EQ(answer.Results.size(), 1u);
    const Snippet& snippet = answer.Results.front().Excerpt;
    std::vector<std::string> marked;
    for (const Snippet::Mark& mark : snippet.Marks) {
        marked.push_back(snippet.Text.substr(mark.Begin, mark.End - mark.Begin));
    }
    EXPECT_EQ(marked, (std::vector<std::string>{"Ежи", "оглушением"}));

    std::string text;
    for (int k = 0; k < 60; ++k) {
        text += "слово" + std::to_string(k) + " ";
    }
    text += "цель ";
    for (int k = 0; k < 60; ++k) {
        text += "хвост" + std::to_string(k) + " ";
    }
    const Snippet cut = CutSnippet(text, ReadQueryWords("цель"), 120);
    EXPECT_TRUE(cut.Text.starts_with("… ")) << cut.Text;
    EXPECT_TRUE(cut.Text.ends_with(" …")) << cut.Text;
    EXPECT_LE(cut.Text.size(), 120u + 10);
    ASSERT_EQ(cut.Marks.size(), 1u);
    EXPECT_EQ(cut.Text.substr(cut.Marks[0].Begin, cut.Marks[0].End - cut.Marks[0].Begin), "цель");
}

TEST(FindWords, FoldingAndSplitting) {
    EXPECT_EQ(FoldedWords("Ox-Hide Cuff, Gambler's ЁЖ 42x"),
              (std::vector<std::string>{"ox", "hide", "cuff", "gambler", "s", "еж", "42x"}));
    // Bytes that are no UTF-8 separate words and break nothing.
    EXPECT_EQ(FoldedWords("ab\xff\xfe"
                          "cd\xd0"),
              (std::vector<std::string>{"ab", "cd"}));
    const std::vector<WordSpan> spans = WordSpans("  Щит  ");
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].Begin, 2u);
    EXPECT_EQ(spans[0].End, 8u);
    EXPECT_EQ(FoldedPhrase("  Scholar's   Coronet - Gold "), "scholar s coronet gold");
    EXPECT_EQ(WordStem("оглушением"), WordStem("оглушение"));
    EXPECT_EQ(WordStem("скоростями"), WordStem("скорость"));
    EXPECT_EQ(WordStem("attacks"), WordStem("attack"));
}

} // namespace
} // namespace zephyr
