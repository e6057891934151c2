// Documents as text for the search: markup, scripts, styles and comments
// go, entities are decoded, and the text is cut at headings with the anchor
// a hit scrolls to.
#include "find/html_text.h"

#include "data/cp1251.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

std::vector<Passage> Of(std::string_view utf8) {
    return HtmlPassages(Cp1251FromUtf8(utf8));
}

TEST(HtmlText, MarkupScriptsStylesAndCommentsGoWordsStayApart) {
    const std::string page = Cp1251FromUtf8(
        "<html><head><title>Герои &amp; таверны</title><style>p { color: red }</style>"
        "<script>var x = '<h1>не заголовок</h1>';</script></head>"
        "<body><!-- <h2>скрыто</h2> --><p>Первый<br>второй</p><p>третий</p>"
        "<SCRIPT type=\"text/javascript\">document.write('x')</SCRIPT>"
        "<table><tr><td>ячейка</td><td>соседняя</td></tr></table></body></html>");
    const std::vector<Passage> passages = HtmlPassages(page);
    ASSERT_EQ(passages.size(), 1u);
    EXPECT_EQ(passages[0].Heading, "");
    // The title names the document; it is no text of it.
    EXPECT_EQ(passages[0].Text, "Первый второй третий ячейка соседняя");
    EXPECT_EQ(HtmlTitle(page), "Герои & таверны");
    EXPECT_EQ(HtmlTitle(Cp1251FromUtf8("<p>без заголовка</p><title>оборван")), "");
}

TEST(HtmlText, EntitiesAreDecodedAndUnknownOnesKept) {
    const std::vector<Passage> passages =
        Of("<p>A&amp;B &lt;x&gt; &laquo;Щит&raquo;&nbsp;&mdash; &#1025;&#x436; &bogus; a & b "
           "&#0; &#xZZ;</p>");
    ASSERT_EQ(passages.size(), 1u);
    EXPECT_EQ(passages[0].Text, "A&B <x> «Щит» — Ёж &bogus; a & b \xEF\xBF\xBD &#xZZ;");
}

TEST(HtmlText, HeadingsCutPassagesWithTheNearestAnchor) {
    const std::vector<Passage> passages =
        Of("<p>Вступление</p>"
           "<h2 id=\"stun\">Оглушение</h2><p>Шанс <b>оглушить</b> цель.</p>"
           "<a name=\"evasion\"></a><h3>Уклонение <small>(пассивное)</small></h3>"
           "<p>Первая часть.</p><div id=\"table\"><p>Вторая часть.</p></div>"
           "<h2>Пустой</h2>");
    ASSERT_EQ(passages.size(), 4u);
    EXPECT_EQ(passages[0].Heading, "");
    EXPECT_EQ(passages[0].Text, "Вступление");
    EXPECT_EQ(passages[1].Heading, "Оглушение");
    EXPECT_EQ(passages[1].Anchor, "stun");
    EXPECT_EQ(passages[1].Text, "Шанс оглушить цель.");
    EXPECT_EQ(passages[2].Heading, "Уклонение (пассивное)");
    EXPECT_EQ(passages[2].Anchor, "evasion");
    EXPECT_EQ(passages[2].Text, "Первая часть. Вторая часть.");
    EXPECT_EQ(passages[3].Heading, "Пустой");
    EXPECT_EQ(passages[3].Text, "");
}

TEST(HtmlText, BrokenMarkupIsReadAsFarAsItGoes) {
    EXPECT_EQ(Of("текст <b>жирный").at(0).Text, "текст жирный");
    EXPECT_EQ(Of("a < b, и конец без закрытия <p").at(0).Text, "a < b, и конец без закрытия <p");
    EXPECT_EQ(Of("<p>до<!-- без конца").at(0).Text, "до");
    EXPECT_EQ(Of("<script>без конца").size(), 0u);
    EXPECT_TRUE(Of("").empty());
    EXPECT_TRUE(Of("<h1></h1>").empty() || Of("<h1></h1>").at(0).Text.empty());
    // Windows-1251 bytes of every value come out as UTF-8.
    std::string all;
    for (int byte = 0xC0; byte <= 0xFF; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(HtmlPassages(all).at(0).Text, Utf8FromCp1251(all));
}

} // namespace
} // namespace zephyr
