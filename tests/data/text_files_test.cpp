#include "data/cp1251.h"
#include "data/document_addresses.h"
#include "data/text_lines.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, LineBreaksAndEmptyLines) {
    EXPECT_EQ(SplitTextLines(""), Lines{});
    EXPECT_EQ(SplitTextLines("one"), Lines{"one"});
    EXPECT_EQ(SplitTextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n b "), (Lines{"a", "", " b "}));
    EXPECT_EQ(SplitTextLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitTextLines("a\rb"), Lines{"a\rb"}); // a lone CR is text
}

std::string W(const char* utf8) {
    return Cp1251FromUtf8(utf8);
}

TEST(DocumentAddresses, KeysValuesAndDefault) {
    const std::string text = W("Руководство.Герои=Data\\documents\\heroes.html\r\n"
                               "   О проекте.Помощь  =  Data\\documents\\help.html  \r\n"
                               "Механика.Формулы калькулятора=a=b.html\r\n"
                               "default=Data\\documents\\lower.html\r\n"
                               "Default=\r\n"
                               "Default = Data\\documents\\Main.html\r\n"
                               "no separator here\r\n"
                               "=value without key\r\n"
                               "Руководство.Герои=Data\\documents\\heroes2.html\r\n");
    const DocumentAddresses addresses = ParseDocumentAddresses(text);
    EXPECT_EQ(addresses.Get(DocumentKey::HeroesGuide), "Data\\documents\\heroes2.html");
    EXPECT_EQ(addresses.Get(DocumentKey::Help), "Data\\documents\\help.html");
    EXPECT_EQ(addresses.Get(DocumentKey::CalculatorFormulas), "a=b.html");
    EXPECT_EQ(addresses.Get(DocumentKey::ItemsGuide), "");
    // The lower-case key is not the start page; the empty one changes nothing.
    EXPECT_EQ(addresses.DefaultPage, "Data\\documents\\Main.html");
}

TEST(DocumentAddresses, EmptyDefaultLeavesNoStartPage) {
    EXPECT_EQ(ParseDocumentAddresses("Default=\r\n").DefaultPage, "");
}

TEST(DocumentAddresses, SiteKeyIsOptional) {
    EXPECT_EQ(ParseDocumentAddresses(W("Default=x.html\r\n")).Site, "");
    const DocumentAddresses addresses = ParseDocumentAddresses(
        W("О проекте.Сайт = https://zephyrdex.example/a=b \r\nо проекте.сайт=https://other/\r\n"));
    EXPECT_EQ(addresses.Site, "https://zephyrdex.example/a=b");
}

} // namespace
} // namespace zephyr
