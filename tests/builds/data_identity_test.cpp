// The identity of the data a build was made on.
#include "temp_folder.h"

#include "builds/data_identity.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using testing::TempFolder;
using testing::WriteFile;

class DataIdentityTest : public ::testing::Test {
protected:
    // A data folder with the given catalogue bytes.
    DataLocation Pack(const std::filesystem::path& folder, const std::string& shops,
                      const std::string& dictionary) {
        const std::filesystem::path data = folder / "Data";
        std::filesystem::create_directories(data);
        WriteFile(data / "Taverns.dat", "heroes");
        WriteFile(data / "Shops.dat", shops);
        WriteFile(data / "Aurs.dat", "auras");
        WriteFile(data / "Orbs.dat", "orbs");
        WriteFile(data / "Dictionary.dat", dictionary);
        return DataLocation(folder, data, folder);
    }

    TempFolder one_;
    TempFolder two_;
};

TEST_F(DataIdentityTest, TheCalculatorsCataloguesAndNothingElseMakeIt) {
    const std::string identity = DataIdentity(Pack(one_.Path(), "items", "terms"));
    EXPECT_EQ(identity.size(), 16u);
    EXPECT_EQ(identity.find_first_not_of("0123456789abcdef"), std::string::npos);
    // The same catalogues elsewhere, another dictionary: the same data.
    EXPECT_EQ(DataIdentity(Pack(two_.Path(), "items", "other terms")), identity);
    // One byte of an item: other data.
    EXPECT_NE(DataIdentity(Pack(two_.Path(), "itemz", "terms")), identity);
    // A byte moved from one catalogue to the next is noticed too.
    WriteFile(two_.Path() / "Data" / "Shops.dat", "item");
    WriteFile(two_.Path() / "Data" / "Aurs.dat", "sauras");
    EXPECT_NE(DataIdentity(DataLocation(two_.Path(), two_.Path() / "Data", two_.Path())), identity);
    // A missing catalogue still gives an identity, another one.
    std::filesystem::remove(one_.Path() / "Data" / "Orbs.dat");
    const std::string without =
        DataIdentity(DataLocation(one_.Path(), one_.Path() / "Data", one_.Path()));
    EXPECT_EQ(without.size(), 16u);
    EXPECT_NE(without, identity);
}

} // namespace
} // namespace zephyr
