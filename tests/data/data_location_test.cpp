#include "temp_folder.h"

#include "data/data_location.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using testing::TempFolder;
using testing::WriteFile;

class DataLocationTest : public ::testing::Test {
protected:
    TempFolder program_;
    TempFolder current_;
};

TEST_F(DataLocationTest, BackslashesAndLetterCaseResolve) {
    WriteFile(program_.Path() / "Data/Images/design/FormTop.bmp", "x");
    const DataLocation location(program_.Path(), program_.Path() / "Data", current_.Path());
    const auto found = location.Find("Data\\images\\Design\\formtop.BMP");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, program_.Path() / "Data/Images/design/FormTop.bmp");
    EXPECT_FALSE(location.Find("Data\\images\\design\\absent.bmp"));
}

TEST_F(DataLocationTest, CyrillicNamesMatchIgnoringCase) {
    WriteFile(program_.Path() / "Data/документы/Главная.html", "x");
    const DataLocation location(program_.Path(), program_.Path() / "Data", current_.Path());
    // "data\ДОКУМЕНТЫ\главная.html" in Windows-1251
    EXPECT_TRUE(location.Find(
        "data\\\xC4\xCE\xCA\xD3\xCC\xC5\xCD\xD2\xDB\\\xE3\xEB\xE0\xE2\xED\xE0\xFF.html"));
}

TEST_F(DataLocationTest, CurrentDirectoryComesFirst) {
    WriteFile(program_.Path() / "Data/a.jpg", "program");
    WriteFile(current_.Path() / "Data/a.jpg", "current");
    WriteFile(program_.Path() / "Data/b.jpg", "program");
    const DataLocation location(program_.Path(), program_.Path() / "Data", current_.Path());
    EXPECT_EQ(*location.Find("Data\\a.jpg"), current_.Path() / "Data/a.jpg");
    EXPECT_EQ(*location.Find("Data\\b.jpg"), program_.Path() / "Data/b.jpg");
}

TEST_F(DataLocationTest, ExplicitDataFolderStandsForData) {
    WriteFile(program_.Path() / "pack/Taverns.dat", "x");
    WriteFile(program_.Path() / "pack/images/h.jpg", "x");
    const DataLocation location =
        DataLocation::ForExecutable("/nowhere/bin/zephyrdex-cli", program_.Path() / "pack");
    EXPECT_EQ(location.ProgramFolder(), program_.Path());
    EXPECT_EQ(location.DataFile("taverns.DAT"), program_.Path() / "pack/Taverns.dat");
    EXPECT_EQ(*location.Find("Data\\images\\h.jpg"), program_.Path() / "pack/images/h.jpg");
    // When nothing exists, the program-folder form names the file in messages.
    EXPECT_EQ(location.Resolve("Data\\images\\none.jpg"), program_.Path() / "pack/images/none.jpg");
}

TEST_F(DataLocationTest, DefaultDataFolderIsBesideTheExecutable) {
    WriteFile(program_.Path() / "bin/data/Orbs.dat", "x");
    const DataLocation location =
        DataLocation::ForExecutable(program_.Path() / "bin/zephyrdex-cli", std::nullopt);
    EXPECT_EQ(location.DataFile("Orbs.dat"), program_.Path() / "bin/data/Orbs.dat");
}

TEST_F(DataLocationTest, DataBesideTheExecutableComesBeforeTheInstalledData) {
    const auto bin = program_.Path() / "usr/bin";
    WriteFile(bin / "Data/Orbs.dat", "beside");
    WriteFile(InstalledDataHome(bin) / "Data/Orbs.dat", "installed");
    const DataLocation location = DataLocation::ForExecutable(bin / "zephyrdex-cli", std::nullopt);
    EXPECT_EQ(location.ProgramFolder(), bin);
    EXPECT_EQ(location.DataFile("Orbs.dat"), bin / "Data/Orbs.dat");
}

TEST_F(DataLocationTest, InstalledDataHoldsTheStoredPaths) {
    const auto bin = program_.Path() / "usr/bin";
    const auto home = InstalledDataHome(bin);
    WriteFile(bin / "zephyrdex-cli", "x");
    WriteFile(home / "Data/Orbs.dat", "x");
    WriteFile(home / "Data/images/design/FormTop.bmp", "x");
    WriteFile(home / "readme.txt", "x");
    const DataLocation location = DataLocation::ForExecutable(bin / "zephyrdex-cli", std::nullopt);
    // The installed folder sits outside the executable's, under the same root.
    EXPECT_FALSE(IsInsideFolder(bin, home));
    EXPECT_TRUE(IsInsideFolder(program_.Path(), home));
    EXPECT_EQ(location.ProgramFolder(), home);
    EXPECT_EQ(location.DataFolder(), home / "Data");
    EXPECT_EQ(*location.Find("data\\Images\\design\\formtop.bmp"),
              home / "Data/images/design/FormTop.bmp");
    EXPECT_EQ(*location.Find("readme.txt"), home / "readme.txt");
    EXPECT_TRUE(location.HoldsFile(home / "Data/Orbs.dat"));
    EXPECT_FALSE(location.HoldsFile(bin / "zephyrdex-cli"));
}

TEST_F(DataLocationTest, AFileNamedDataIsNoDataFolder) {
    const auto bin = program_.Path() / "usr/bin";
    WriteFile(bin / "Data", "not a folder");
    WriteFile(InstalledDataHome(bin) / "Data/Orbs.dat", "x");
    const DataLocation location = DataLocation::ForExecutable(bin / "zephyrdex-cli", std::nullopt);
    EXPECT_EQ(location.DataFolder(), InstalledDataHome(bin) / "Data");
}

TEST_F(DataLocationTest, WithoutDataTheExecutablesFolderIsNamed) {
    const auto bin = program_.Path() / "usr/bin";
    const DataLocation location = DataLocation::ForExecutable(bin / "zephyrdex-cli", std::nullopt);
    EXPECT_EQ(location.ProgramFolder(), bin);
    EXPECT_EQ(location.DataFolder(), bin / "Data");
}

TEST_F(DataLocationTest, AnExplicitDataFolderComesBeforeEveryOther) {
    const auto bin = program_.Path() / "usr/bin";
    WriteFile(bin / "Data/Orbs.dat", "beside");
    WriteFile(InstalledDataHome(bin) / "Data/Orbs.dat", "installed");
    WriteFile(current_.Path() / "pack/Orbs.dat", "given");
    const DataLocation location =
        DataLocation::ForExecutable(bin / "zephyrdex-cli", current_.Path() / "pack");
    EXPECT_EQ(location.DataFile("Orbs.dat"), current_.Path() / "pack/Orbs.dat");
}

TEST_F(DataLocationTest, InsideFolderSeesThroughDotsAndLinks) {
    WriteFile(program_.Path() / "Data/documents/a.html", "x");
    WriteFile(program_.Path() / "secret.txt", "x");
    const auto data = program_.Path() / "Data";
    EXPECT_TRUE(IsInsideFolder(data, data / "documents/a.html"));
    EXPECT_TRUE(IsInsideFolder(data, data / "documents/../documents/a.html"));
    EXPECT_FALSE(IsInsideFolder(data, data / "documents/../../secret.txt"));
    EXPECT_FALSE(IsInsideFolder(data / "documents", data / "documents-2/a.html"));
    std::filesystem::create_directory_symlink(program_.Path(), data / "up");
    EXPECT_FALSE(IsInsideFolder(data, data / "up/secret.txt"));
}

TEST_F(DataLocationTest, AnEmptyFolderHoldsNothing) {
    WriteFile(program_.Path() / "a.txt", "x");
    EXPECT_FALSE(IsInsideFolder("", program_.Path() / "a.txt"));
    // A current directory that could not be found must not hold everything.
    const DataLocation location(program_.Path(), program_.Path() / "Data", "");
    EXPECT_FALSE(location.HoldsFile(current_.Path()));
}

TEST_F(DataLocationTest, HeldFilesAreThoseOfTheFoldersThatHoldData) {
    WriteFile(program_.Path() / "Data/a.jpg", "x");
    WriteFile(program_.Path() / "b.jpg", "x");
    WriteFile(current_.Path() / "c.jpg", "x");
    const DataLocation location(program_.Path(), program_.Path() / "Data", current_.Path());
    EXPECT_TRUE(location.HoldsFile(program_.Path() / "Data/a.jpg"));
    EXPECT_TRUE(location.HoldsFile(program_.Path() / "b.jpg"));
    EXPECT_FALSE(location.HoldsFile(program_.Path() / "Data/../../c.jpg"));
    // The current directory counts once it has a Data folder of its own.
    EXPECT_FALSE(location.HoldsFile(current_.Path() / "c.jpg"));
    std::filesystem::create_directory(current_.Path() / "data");
    EXPECT_TRUE(location.HoldsFile(current_.Path() / "c.jpg"));

    // A data folder linked from elsewhere holds its own files.
    const TempFolder pack;
    WriteFile(pack.Path() / "d.jpg", "x");
    std::filesystem::create_directory_symlink(pack.Path(), program_.Path() / "linked");
    const DataLocation linked(program_.Path(), program_.Path() / "linked", current_.Path());
    EXPECT_TRUE(linked.HoldsFile(program_.Path() / "linked/d.jpg"));
    EXPECT_FALSE(location.HoldsFile(program_.Path() / "linked/d.jpg"));
}

} // namespace
} // namespace zephyr
