// zephyrdex-cli search and article over a Data folder that holds only the
// dictionary: the dictionary commands read nothing else.
#include "cli_run.h"
#include "pack_builder.h"
#include "temp_folder.h"

#include "data/cp1251.h"
#include "dictionary/article_page.h"
#include "dictionary/search_hits.h"
#include "dictionary/search_page.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zephyr {
namespace {

using nlohmann::json;
using testing::PackBuilder;
using testing::RunCli;
using testing::TempFolder;

TSlang Word(std::uint8_t category, std::vector<std::string> utf8Terms, const char* definition) {
    TSlang entry;
    entry.Category = category;
    for (const std::string& term : utf8Terms) {
        entry.Terms.push_back(Cp1251FromUtf8(term));
    }
    entry.Definition = Cp1251FromUtf8(definition);
    return entry;
}

class DictionaryCommands : public ::testing::Test {
protected:
    DictionaryCommands() {
        words_ = {Word(6, {"ганк", "Gank"}, "<b>Нападение</b>"), Word(1, {"Ганкер"}, "Герой"),
                  Word(6, {"€uro"}, "Знак")};
        words_[0].Links = {{Cp1251FromUtf8("Гайд"), "guide_heroes.html"}};
        PackBuilder pack;
        pack.Taverns.reset();
        pack.Shops.reset();
        pack.Aurs.reset();
        pack.Orbs.reset();
        pack.Dictionary->Entries = words_;
        pack.WriteTo(folder_.Path());
        data_ = "--data " + (folder_.Path() / "Data").string();
    }

    std::string Run(const std::string& command, const std::string& arguments) {
        const auto run = RunCli(command + " " + data_ + " " + arguments);
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        return run.Out;
    }

    TempFolder folder_;
    std::vector<TSlang> words_;
    std::string data_;
};

TEST_F(DictionaryCommands, SearchPrintsTheSortedHitsAsJson) {
    EXPECT_EQ(json::parse(Run("search", "'  ГАН '")),
              json::parse(R"([{"Entry": 0, "Term": "ганк"}, {"Entry": 1, "Term": "Ганкер"}])"));
    EXPECT_EQ(json::parse(Run("search", "''")).size(), 4u);
    EXPECT_EQ(json::parse(Run("search", "€")), json::parse(R"([{"Entry": 2, "Term": "€uro"}])"));
    EXPECT_EQ(json::parse(Run("search", "zz")), json::array());
}

TEST_F(DictionaryCommands, CategoryIsTheSelectorItem) {
    EXPECT_EQ(json::parse(Run("search", "--category 2 ''")),
              json::parse(R"([{"Entry": 1, "Term": "Ганкер"}])"));
    EXPECT_EQ(json::parse(Run("search", "--category=7 g")),
              json::parse(R"([{"Entry": 0, "Term": "Gank"}])"));
    EXPECT_EQ(json::parse(Run("search", "--category 1 ''")), json::array());
    EXPECT_EQ(json::parse(Run("search", "--category 0 ''")).size(), 4u);
}

TEST_F(DictionaryCommands, HtmlIsTheListPageByteForByte) {
    const SearchIndex index(words_);
    EXPECT_EQ(Run("search", "--html '  ГАН '"),
              SearchListPage(SearchHits(index, Cp1251FromUtf8("ГАН"), 0)));
    EXPECT_EQ(Run("search", "--html --category 7 ''"), SearchListPage(SearchHits(index, "", 7)));
}

TEST_F(DictionaryCommands, ArticleIsThePageByteForByte) {
    EXPECT_EQ(Run("article", "0"), ArticlePage(words_, 0));
    EXPECT_EQ(Run("article", "2"), ArticlePage(words_, 2));
    EXPECT_EQ(Run("article", "-1"), ArticlePage({}, -1));
}

TEST_F(DictionaryCommands, UsageErrorsExitTwo) {
    for (const std::string arguments :
         {"search --category 8 a", "search --category -1 a", "search --category x a",
          "search --category '' a", "search --category 1.0 a", "search", "search a b",
          "search '漢'", "article", "article x", "article 1x", "article 0 1", "article 3",
          "article -2", "article 99999999999"}) {
        const auto run = RunCli(arguments + " " + data_);
        EXPECT_EQ(run.ExitCode, 2) << arguments << "\n" << run.Err;
        EXPECT_FALSE(run.Err.empty()) << arguments;
        EXPECT_TRUE(run.Out.empty()) << arguments;
    }
    EXPECT_NE(RunCli("article 3 " + data_).Err.find("entries 0 to 2"), std::string::npos);
    EXPECT_NE(RunCli("search '漢' " + data_).Err.find("Windows-1251"), std::string::npos);
}

TEST(DictionaryCommandsWithoutData, MissingDictionaryExitsOne) {
    TempFolder folder;
    for (const char* command : {"search a", "article 0"}) {
        const auto run = RunCli(std::string(command) + " --data " + folder.Path().string());
        EXPECT_EQ(run.ExitCode, 1) << command;
        EXPECT_NE(run.Err.find("Dictionary.dat"), std::string::npos) << run.Err;
    }
}

TEST(DictionaryCommandsWithoutData, TruncatedDictionaryExitsOne) {
    TempFolder folder;
    testing::WriteFile(folder.Path() / "Dictionary.dat", std::string("\x00\x01\x06", 3));
    const auto run = RunCli("search '' --data " + folder.Path().string());
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("Dictionary.dat"), std::string::npos) << run.Err;
    EXPECT_TRUE(run.Out.empty());
}

} // namespace
} // namespace zephyr
