// The links of the generated pages, as the viewers report them.
#include "dictionary/page_links.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

TEST(ListLink, ShowInfoAndANumber) {
    EXPECT_EQ(ParseListLink("ShowInfo0"), 0);
    EXPECT_EQ(ParseListLink("ShowInfo42"), 42);
    EXPECT_EQ(ParseListLink("ShowInfo007"), 7);
    EXPECT_EQ(ParseListLink("ShowInfo+5"), 5);
    EXPECT_EQ(ParseListLink("ShowInfo-1"), -1);
    EXPECT_EQ(ParseListLink("ShowInfo2147483647"), 2147483647);
    EXPECT_EQ(ParseListLink("ShowInfo-2147483648"), -2147483647 - 1);
}

TEST(ListLink, AnythingElseGivesNothing) {
    for (const char* link : {"",
                             "ShowInfo",
                             "ShowInfo-",
                             "ShowInfo+",
                             "ShowInfo+-1",
                             "ShowInfo--1",
                             "ShowInfo 1",
                             "ShowInfo1 ",
                             "ShowInfo1x",
                             "ShowInfo0x1F",
                             "ShowInfo$1F",
                             "ShowInfo1.5",
                             "ShowInfo2147483648",
                             "ShowInfo-2147483649",
                             "ShowInfo99999999999999999999",
                             "showinfo1",
                             "ShowInf1",
                             "xShowInfo1",
                             "about:blankShowInfo1",
                             "guide.html"}) {
        EXPECT_EQ(ParseListLink(link), std::nullopt) << link;
    }
}

TEST(ArticleLink, TargetInsideTheDocumentsFolder) {
    EXPECT_EQ(ArticleLinkPath("guide_heroes.html"), "Data\\documents\\guide_heroes.html");
    EXPECT_EQ(ArticleLinkPath("articles/laning.html?part=2"),
              "Data\\documents\\articles/laning.html?part=2");
    EXPECT_EQ(ArticleLinkPath("\xD1\xEB.html"), "Data\\documents\\\xD1\xEB.html");
    EXPECT_EQ(ArticleLinkPath(""), "Data\\documents\\");
}

} // namespace
} // namespace zephyr
