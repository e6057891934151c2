// The build library: where it lives, file names for builds, and the list of a
// folder as the library window shows it, sorted and filtered.
#include "temp_folder.h"

#include "builds/build_library.h"
#include "builds/builds_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zephyr {
namespace {

namespace fs = std::filesystem;
using zephyr::testing::TempFolder;

fs::path U8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

void WriteBuild(const fs::path& path, const std::string& name, const std::string& hero, int level,
                const std::string& modified, const std::string& notes = {}) {
    BuildFile build;
    build.Name = name;
    build.Notes = notes;
    build.Modified = modified;
    build.HeroLevel = level;
    build.Recipe.Hero = hero; // Windows-1251 in a recipe; these names are ASCII
    std::ofstream(path, std::ios::binary) << BuildFileText(build);
}

std::vector<std::string> Names(const std::vector<LibraryEntry>& entries) {
    std::vector<std::string> names;
    for (const LibraryEntry& entry : entries) {
        names.push_back(entry.Header.Name);
    }
    return names;
}

TEST(BuildsFolder, FollowsTheBaseDirectoryRules) {
    EXPECT_EQ(DefaultBuildsFolder("/x/data", "/home/u"), fs::path("/x/data/zephyrdex/builds"));
    // A relative or empty setting is ignored.
    EXPECT_EQ(DefaultBuildsFolder("rel/data", "/home/u"),
              fs::path("/home/u/.local/share/zephyrdex/builds"));
    EXPECT_EQ(DefaultBuildsFolder("", "/home/u"),
              fs::path("/home/u/.local/share/zephyrdex/builds"));
    EXPECT_EQ(DefaultBuildsFolder(nullptr, "/home/u"),
              fs::path("/home/u/.local/share/zephyrdex/builds"));
    EXPECT_EQ(DefaultBuildsFolder(nullptr, nullptr), fs::path());
}

TEST(BuildsFolder, FileNamesStayInTheFolder) {
    EXPECT_EQ(BuildFileNameFor("Лучница 12"), "Лучница 12.zdxbuild");
    EXPECT_EQ(BuildFileNameFor("../../etc/passwd"), "_.._etc_passwd.zdxbuild");
    EXPECT_EQ(BuildFileNameFor(".."), "Сборка.zdxbuild");
    EXPECT_EQ(BuildFileNameFor(" .hidden. "), "hidden.zdxbuild");
    EXPECT_EQ(BuildFileNameFor("a\nb\tc:d*e?"), "a_b_c_d_e_.zdxbuild");
    EXPECT_EQ(BuildFileNameFor(""), "Сборка.zdxbuild");
    // A long name is cut at a whole character.
    std::string longName;
    for (int i = 0; i < 100; ++i) {
        longName += "Ж";
    }
    const std::string cut = BuildFileNameFor(longName);
    EXPECT_LE(cut.size(), 120u + 9u);
    EXPECT_EQ(cut.substr(cut.size() - 9), ".zdxbuild");
    EXPECT_EQ((cut.size() - 9) % 2, 0u);
}

TEST(BuildsFolder, ATakenNameGetsANumber) {
    TempFolder folder;
    EXPECT_EQ(FreeBuildPath(folder.Path(), "A"), folder.Path() / "A.zdxbuild");
    std::ofstream(folder.Path() / "A.zdxbuild") << "{}";
    std::ofstream(folder.Path() / "A (2).zdxbuild") << "{}";
    EXPECT_EQ(FreeBuildPath(folder.Path(), "A"), folder.Path() / "A (3).zdxbuild");
}

class BuildLibraryTest : public ::testing::Test {
protected:
    BuildLibraryTest() {
        const fs::path root = folder_.Path();
        fs::create_directories(root / "Турниры" / "Финал");
        fs::create_directories(root / "архив");
        WriteBuild(root / "b.zdxbuild", "Быстрый", "Tester", 7, "2026-12-01T10:00:00Z",
                   "Против лучников");
        WriteBuild(root / "a.zdxbuild", "агрессия", "Zed", 3, "2026-12-05T10:00:00Z");
        WriteBuild(root / U8("Последняя сессия.zdxbuild"), "Последняя сессия", "Zed", 1,
                   "2026-11-01T10:00:00Z");
        WriteBuild(root / "Турниры" / "t.zdxbuild", "Турнирный", "Archer", 12,
                   "2026-12-03T10:00:00Z", "ЁЖИК в тумане");
        WriteBuild(root / "Турниры" / "Финал" / "f.zdxbuild", "Финальный", "Archer", 16,
                   "2026-12-04T10:00:00Z");
        std::ofstream(root / "broken.zdxbuild") << "{ not json";
        std::ofstream(root / "notes.txt") << "not a build";
        std::ofstream(root / ".x.zdxbuild.tmp") << "";
    }
    TempFolder folder_;
};

TEST_F(BuildLibraryTest, AFolderListsItsFoldersAndBuildsWithTheirHeaders) {
    std::vector<LibraryEntry> entries = ListLibrary(folder_.Path(), false);
    SortLibrary(entries, LibraryOrder::Name, false);
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"Последняя сессия", "архив", "Турниры",
                                                        "broken", "агрессия", "Быстрый"}));
    const LibraryEntry& quick = entries[5];
    EXPECT_EQ(quick.Header.Hero, "Tester");
    EXPECT_EQ(quick.Header.HeroLevel, 7);
    EXPECT_TRUE(quick.Problem.empty());
    // A damaged file is listed by its file name, with what is wrong.
    EXPECT_FALSE(entries[3].Problem.empty());
    EXPECT_FALSE(entries[3].Header.Modified.empty());
    EXPECT_TRUE(ListLibrary(folder_.Path() / "missing", true).empty());
}

TEST_F(BuildLibraryTest, SortsByEachColumnBothWaysTheLastSessionAndFoldersFirst) {
    std::vector<LibraryEntry> entries = ListLibrary(folder_.Path(), false);
    SortLibrary(entries, LibraryOrder::Level, true);
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"Последняя сессия", "архив", "Турниры",
                                                        "Быстрый", "агрессия", "broken"}));
    SortLibrary(entries, LibraryOrder::Changed, false);
    EXPECT_EQ(Names(entries)[3], "Быстрый");
    EXPECT_EQ(Names(entries)[5], "broken"); // written just now: the latest
    SortLibrary(entries, LibraryOrder::Changed, true);
    EXPECT_EQ(Names(entries)[3], "broken");
    SortLibrary(entries, LibraryOrder::Hero, false);
    EXPECT_EQ(Names(entries)[3], "broken"); // no hero
    EXPECT_EQ(Names(entries)[4], "Быстрый");
    EXPECT_EQ(Names(entries)[5], "агрессия");
}

TEST_F(BuildLibraryTest, TheFilterLooksInSubfoldersAtNamesHeroesAndNotesInAnyCase) {
    const std::vector<LibraryEntry> deep = ListLibrary(folder_.Path(), true);
    const auto matching = [&](std::string_view filter) {
        std::vector<std::string> names;
        for (const LibraryEntry& entry : deep) {
            if (!entry.IsFolder && MatchesFilter(entry, filter)) {
                names.push_back(entry.Header.Name + "@" + entry.Folder);
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    EXPECT_EQ(matching("archer"),
              (std::vector<std::string>{"Турнирный@Турниры", "Финальный@Турниры/Финал"}));
    EXPECT_EQ(matching("ёжик"), (std::vector<std::string>{"Турнирный@Турниры"}));
    EXPECT_EQ(matching("ЛУЧНИКОВ"), (std::vector<std::string>{"Быстрый@"}));
    EXPECT_EQ(matching("АГРЕССИЯ zed"), (std::vector<std::string>{"агрессия@"}));
    EXPECT_EQ(matching("агрессия tester"), (std::vector<std::string>{}));
    EXPECT_EQ(matching("  ").size(), 6u);
}

TEST(LowerCase, LatinAndCyrillicKeepOtherCharacters) {
    EXPECT_EQ(LowerCase("ABCxyz АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"),
              "abcxyz абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    EXPECT_EQ(LowerCase("€ → ✓ ÄÖ"), "€ → ✓ ÄÖ");
    EXPECT_EQ(LowerCase(std::string("\xD0", 1)), std::string("\xD0", 1));
}

} // namespace
} // namespace zephyr
