// Where the search's index is kept: in a file of the temporary folder that
// has no name, or in memory when that folder cannot take it. Either way it
// answers the same, and nothing of it is left on disk.
#include "find/find_index.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {
namespace {

namespace fs = std::filesystem;

// TMPDIR set for the test's length, as it was afterwards.
class TemporaryFolderSetting {
public:
    explicit TemporaryFolderSetting(const fs::path& folder) {
        if (const char* was = std::getenv("TMPDIR")) {
            was_ = was;
        }
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolderSetting() {
        if (was_) {
            setenv("TMPDIR", was_->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }

private:
    std::optional<std::string> was_;
};

fs::path FreshFolder() {
    std::string pattern = (fs::temp_directory_path() / "zephyr-find-test-XXXXXX").string();
    return mkdtemp(pattern.data());
}

std::vector<FindEntry> Entries() {
    std::vector<FindEntry> entries;
    const auto add = [&entries](FindKind kind, std::string title, std::string text) {
        FindEntry entry;
        entry.Kind = kind;
        entry.Title = std::move(title);
        entry.Text = std::move(text);
        entries.push_back(std::move(entry));
    };
    add(FindKind::Hero, "Brannoc Ironvow", "Таверна: Dawnward Hall. Ближний бой.");
    add(FindKind::Ability, "Oathbound Strike", "Оглушение: шанс 8%, урон 30");
    add(FindKind::Item, "Stormglass Rod", "Интеллект +6. Урон +8");
    add(FindKind::Term, "Bash", "Баш — удар с шансом оглушить цель");
    // Enough passages that the ranking and the ids have something to order.
    for (int k = 1; k <= 300; ++k) {
        add(FindKind::Document, "Глава " + std::to_string(k),
            "Урон и оглушение, глава " + std::to_string(k) + (k % 7 == 0 ? ". Stormglass" : ""));
    }
    return entries;
}

std::vector<std::string> Answers(const FindIndex& index) {
    std::vector<std::string> answers;
    for (const char* query : {"урон", "оглушение ", "storm", "глава 77", "Stormglass Rod", "баш",
                              "brannoc", "ироввов"}) {
        std::string line = query;
        for (const FindResult& result : index.Find(query).Results) {
            line += " | " + result.Entry->Title;
        }
        answers.push_back(line);
    }
    return answers;
}

// The files the process holds open whose names are gone, in the folder.
int UnnamedFilesIn(const fs::path& folder) {
    int count = 0;
    for (const fs::directory_entry& held : fs::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const std::string target = fs::read_symlink(held.path(), error).string();
        if (!error && target.starts_with(folder.string()) && target.ends_with(" (deleted)")) {
            ++count;
        }
    }
    return count;
}

TEST(FindIndexStorage, AFileWithoutANameHoldsItAndAnswersAsMemoryDoes) {
    const fs::path folder = FreshFolder();
    std::vector<std::string> fromFile;
    {
        const TemporaryFolderSetting setting(folder);
        const FindIndex index(Entries());
        // Nothing of it has a name on disk while it lives.
        EXPECT_TRUE(fs::is_empty(folder));
        EXPECT_EQ(UnnamedFilesIn(folder), 1);
        fromFile = Answers(index);
    }
    EXPECT_EQ(UnnamedFilesIn(folder), 0);

    // A temporary folder that is a file: the index is kept in memory.
    const fs::path notAFolder = folder / "plain";
    std::ofstream(notAFolder) << "x";
    const TemporaryFolderSetting setting(notAFolder);
    const FindIndex inMemory(Entries());
    EXPECT_EQ(Answers(inMemory), fromFile);
    EXPECT_EQ(fs::directory_iterator(folder)->path(), notAFolder);
    EXPECT_EQ(UnnamedFilesIn(folder), 0);
    // The answers themselves, so that two equally wrong ones cannot pass.
    EXPECT_TRUE(fromFile[3].starts_with("глава 77 | Глава 77")) << fromFile[3];
    EXPECT_NE(fromFile[2].find("Stormglass Rod"), std::string::npos);
    fs::remove_all(folder);
}

} // namespace
} // namespace zephyr
