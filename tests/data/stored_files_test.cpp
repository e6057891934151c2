// Files that the data names by a path (pictures, Str.dat, Address.dat) are
// read only from regular files of bounded size inside the folders that hold
// the data; anything else is refused with the stored path and its record.
#include "pack_builder.h"
#include "temp_folder.h"

#include "data/data_error.h"
#include "data/document_addresses.h"
#include "data/load_all.h"
#include "data/picture_codecs.h"
#include "data/stored_picture.h"
#include "data/text_lines.h"
#include "data/ticker_lines.h"
#include "data/tv_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace zephyr {
namespace {

using testing::PackBuilder;
using testing::SampleHero;
using testing::SampleItem;
using testing::SolidPicture;
using testing::TempFolder;
using testing::WriteFile;

// Runs beside the code under test while it meets a FIFO. Should that code
// open the FIFO for reading (which blocks until a writer comes), the watch
// opens the writing end, which lets the reader go on to an empty read and
// records that the FIFO was opened. So a regression fails instead of hanging.
class FifoWatch {
public:
    explicit FifoWatch(std::filesystem::path fifo)
        : fifo_(std::move(fifo)), thread_([this] { Run(); }) {}
    ~FifoWatch() { Stop(); }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    // Ends the watch; whether anything opened the FIFO meanwhile.
    bool Stop() {
        done_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return opened_;
    }

private:
    void Run() {
        while (!done_) {
            // Without a reader this fails at once (ENXIO) instead of waiting.
            const int fd = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                opened_ = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    std::filesystem::path fifo_;
    std::atomic<bool> done_{false};
    std::atomic<bool> opened_{false};
    std::thread thread_; // last: starts once the rest is ready
};

void MakeFifo(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
}

// Twenty steps up reach "/" from any temporary folder; more stay there.
std::string UpToRoot() {
    std::string up = "Data";
    for (int i = 0; i < 20; ++i) {
        up += "\\..";
    }
    return up;
}

class StoredFiles : public ::testing::Test {
protected:
    // Loads everything with pictures; the failure it must end with.
    LoadFailure RefusedLoad() {
        pack_.WriteTo(folder_.Path());
        return Refused();
    }

    // The same over the folder as it stands.
    LoadFailure Refused() {
        const LoadAllResult result = LoadAll(LoadOptions{Location(), true, {}});
        EXPECT_FALSE(result.Ok());
        if (result.Ok()) {
            return {LoadFailureKind::MissingFile, ""};
        }
        return *result.Failure;
    }

    DataLocation Location() const { return PackBuilder::LocationOf(folder_.Path()); }
    std::filesystem::path Data() const { return folder_.Path() / "Data"; }

    TempFolder folder_;
    TempFolder outside_;
    PackBuilder pack_;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// ---- Pictures ---------------------------------------------------------------

TEST_F(StoredFiles, PictureNamingADeviceIsRefusedWithItsRecord) {
    if (!std::filesystem::exists("/dev/zero")) {
        GTEST_SKIP() << "no /dev/zero here";
    }
    for (const std::string& stored : {std::string("/dev/zero"), UpToRoot() + "\\dev\\zero"}) {
        SCOPED_TRACE(stored);
        HeroFileEntry brannoc = SampleHero("Brannoc Ironvow", 3);
        brannoc.PicturePath = stored;
        pack_.Taverns->Taverns = {{"First", {SampleHero("A", 1), SampleHero("B", 2)}},
                                  {"Second", {brannoc}}};
        pack_.MissingPictures = {stored}; // the writer must not write through it
        const LoadFailure failure = RefusedLoad();
        EXPECT_EQ(failure.Kind, LoadFailureKind::BadPicture);
        EXPECT_TRUE(Contains(failure.Message, "hero 3 (Brannoc Ironvow): picture \"" + stored +
                                                  "\": not a regular file"))
            << failure.Message;
    }
}

TEST_F(StoredFiles, PictureThatIsAFifoIsRefusedWithoutOpeningIt) {
    HeroFileEntry piper = SampleHero("Piper", 1);
    piper.PicturePath = "Data\\images\\heroes\\pipe.jpg";
    pack_.Taverns->Taverns = {{"T", {piper}}};
    pack_.MissingPictures = {piper.PicturePath};
    pack_.WriteTo(folder_.Path());
    MakeFifo(Data() / "images/heroes/pipe.jpg");

    FifoWatch watch(Data() / "images/heroes/pipe.jpg");
    const LoadFailure failure = Refused();
    EXPECT_FALSE(watch.Stop()) << "the FIFO was opened";
    EXPECT_EQ(failure.Kind, LoadFailureKind::BadPicture);
    EXPECT_TRUE(Contains(failure.Message,
                         "hero 1 (Piper): picture \"Data\\images\\heroes\\pipe.jpg\": "
                         "not a regular file"))
        << failure.Message;
}

TEST_F(StoredFiles, LinkInsideDataLeadingOutIsRefused) {
    pack_.Shops->Shops = {{"S", "Data\\images\\shops\\s.jpg", {SampleItem("Blade", 1)}}};
    pack_.MissingPictures = {"Data\\images\\items\\item1.jpg"};
    pack_.WriteTo(folder_.Path());
    WriteFile(outside_.Path() / "elsewhere.jpg", EncodeJpeg(SolidPicture(36, 36, 1)));
    std::filesystem::create_directories(Data() / "images/items");
    std::filesystem::create_symlink(outside_.Path() / "elsewhere.jpg",
                                    Data() / "images/items/item1.jpg");

    const LoadFailure failure = Refused();
    EXPECT_EQ(failure.Kind, LoadFailureKind::BadPicture);
    EXPECT_TRUE(Contains(failure.Message,
                         "item 1 (Blade): picture \"Data\\images\\items\\item1.jpg\": lies "
                         "outside the folder that holds Data"))
        << failure.Message;
}

TEST_F(StoredFiles, LinkStayingInsideDataLoads) {
    pack_.Shops->Shops = {{"S", "Data\\images\\shops\\s.jpg", {SampleItem("Blade", 1)}}};
    pack_.MissingPictures = {"Data\\images\\items\\item1.jpg"};
    pack_.WriteTo(folder_.Path());
    std::filesystem::create_directories(Data() / "images/items");
    std::filesystem::create_symlink("../shops/s.jpg", Data() / "images/items/item1.jpg");
    Catalogue catalogue;
    EXPECT_TRUE(LoadItems(LoadOptions{Location(), true, {}}, catalogue));
    EXPECT_EQ(catalogue.Shops.Count(), 2);
}

TEST_F(StoredFiles, DotsClimbingOutOfTheProgramFolderAreRefused) {
    WriteFile(outside_.Path() / "frost.jpg", EncodeJpeg(SolidPicture(15, 15, 1)));
    const std::string stored =
        "Data\\..\\..\\" + outside_.Path().filename().string() + "\\frost.jpg";
    pack_.Aurs->Auras = {{TAura{"Calm", 1}, "Data\\images\\auras\\calm.jpg"},
                         {TAura{"Frost", 2}, stored}};
    pack_.MissingPictures = {stored};
    const LoadFailure failure = RefusedLoad();
    EXPECT_EQ(failure.Kind, LoadFailureKind::BadPicture);
    EXPECT_TRUE(Contains(failure.Message, "aura 2 (Frost): picture \"" + stored +
                                              "\": lies outside the folder that holds Data"))
        << failure.Message;
}

TEST_F(StoredFiles, OverSizePictureIsRefusedUnread) {
    pack_.Orbs->Categories = {{"Fire", "Data\\images\\orbs\\fire.jpg"},
                              {"Frost", "Data\\images\\orbs\\frost.jpg"}};
    pack_.Orbs->MeleeResults = {1, 2, 3};
    pack_.Orbs->RangedResults = {1, 2, 3};
    pack_.WriteTo(folder_.Path());
    // A valid picture padded to the limit still loads: libjpeg stops at its end.
    std::filesystem::resize_file(Data() / "images/orbs/frost.jpg", kMaxPictureFileBytes);
    Catalogue catalogue;
    ASSERT_TRUE(LoadOrbs(LoadOptions{Location(), true, {}}, catalogue));
    EXPECT_EQ(catalogue.Orbs30.Count(), 2);

    std::filesystem::resize_file(Data() / "images/orbs/frost.jpg", kMaxPictureFileBytes + 1);
    try {
        LoadOrbs(LoadOptions{Location(), true, {}}, catalogue);
        FAIL() << "accepted";
    } catch (const PictureError& error) {
        EXPECT_EQ(error.File(), "orb category 2 (Frost)");
        EXPECT_EQ(error.Reason(), "picture \"Data\\images\\orbs\\frost.jpg\": file of 33554433 "
                                  "bytes is larger than the 32 MiB allowed");
    }
}

TEST_F(StoredFiles, AbsolutePathOutsideIsRefused) {
    const std::string stored = outside_.Path().string() + "/armory.gif";
    WriteFile(stored, EncodeGif(SolidPicture(4, 4, 1)));
    pack_.Shops->Shops = {{"Armory", stored, {}}};
    pack_.MissingPictures = {stored};
    const LoadFailure failure = RefusedLoad();
    EXPECT_EQ(failure.Kind, LoadFailureKind::BadPicture);
    EXPECT_TRUE(Contains(failure.Message, "shop 1 (Armory): picture \"" + stored +
                                              "\": lies outside the folder that holds Data"))
        << failure.Message;
}

TEST_F(StoredFiles, ACurrentFolderLendsFilesOnlyWhenItHoldsData) {
    // Stored paths try the current directory first.
    WriteFile(outside_.Path() / "icon.jpg", EncodeJpeg(SolidPicture(8, 8, 1)));
    std::filesystem::create_directories(Data());
    const DataLocation bare(folder_.Path(), Data(), outside_.Path());
    try {
        LoadStoredPicture(bare, "icon.jpg", PictureFormat::Jpeg, "item 4");
        ADD_FAILURE() << "accepted";
    } catch (const PictureError& error) {
        EXPECT_EQ(error.File(), "item 4");
        EXPECT_EQ(error.Reason(), "picture \"icon.jpg\": lies outside the folder that holds Data");
    }
    std::filesystem::create_directories(outside_.Path() / "Data");
    EXPECT_EQ(LoadStoredPicture(bare, "icon.jpg", PictureFormat::Jpeg).Width, 8);
}

TEST_F(StoredFiles, WithoutARecordThePathNamesTheError) {
    const std::filesystem::path fifo = Data() / "images/design/FormTop.bmp";
    MakeFifo(fifo);
    FifoWatch watch(fifo);
    try {
        LoadStoredPicture(Location(), "Data\\images\\design\\FormTop.bmp", PictureFormat::Bmp);
        ADD_FAILURE() << "accepted";
    } catch (const PictureError& error) {
        EXPECT_EQ(error.File(), fifo.string());
        EXPECT_EQ(error.Reason(), "not a regular file");
    }
    EXPECT_FALSE(watch.Stop()) << "the FIFO was opened";
}

TEST_F(StoredFiles, MissingOrCorruptPictureNamesItsRecordToo) {
    pack_.Taverns->Taverns = {{"T", {SampleHero("A", 1)}}};
    pack_.MissingPictures = {"Data\\images\\heroes\\A.jpg"};
    EXPECT_TRUE(Contains(RefusedLoad().Message,
                         "hero 1 (A): picture \"Data\\images\\heroes\\A.jpg\": does not exist"));
    WriteFile(Data() / "images/heroes/A.jpg", "GIF89a");
    EXPECT_TRUE(Contains(Refused().Message,
                         "hero 1 (A): picture \"Data\\images\\heroes\\A.jpg\": not a JPEG file"));
}

// ---- Text files -------------------------------------------------------------

TEST_F(StoredFiles, TickerFifoIsRefusedWithoutBlocking) {
    MakeFifo(Data() / "Str.dat");
    FifoWatch watch(Data() / "Str.dat");
    try {
        ReadTickerLines(Location());
        ADD_FAILURE() << "accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.File(), (Data() / "Str.dat").string());
        EXPECT_EQ(error.Reason(), "not a regular file");
    }
    EXPECT_FALSE(watch.Stop()) << "the FIFO was opened";
}

TEST_F(StoredFiles, AddressTableLinkedOutsideIsRefused) {
    WriteFile(outside_.Path() / "Address.dat", "Default=Data\\documents\\Main.html\r\n");
    std::filesystem::create_directories(Data());
    std::filesystem::create_symlink(outside_.Path() / "Address.dat", Data() / "Address.dat");
    try {
        ReadDocumentAddresses(Location());
        ADD_FAILURE() << "accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.File(), (Data() / "Address.dat").string());
        EXPECT_EQ(error.Reason(), "lies outside the folder that holds Data");
    }
}

TEST_F(StoredFiles, TickerLinkedToADeviceIsRefused) {
    // /dev/null rather than an endless device: read by mistake, it gives an
    // empty ticker instead of exhausting memory.
    if (!std::filesystem::exists("/dev/null")) {
        GTEST_SKIP() << "no /dev/null here";
    }
    std::filesystem::create_directories(Data());
    std::filesystem::create_symlink("/dev/null", Data() / "Str.dat");
    try {
        ReadTickerLines(Location());
        ADD_FAILURE() << "accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.File(), (Data() / "Str.dat").string());
        EXPECT_EQ(error.Reason(), "not a regular file");
    }
}

TEST_F(StoredFiles, OverSizeTextFilesAreRefused) {
    WriteFile(Data() / "Str.dat", "tip\r\n");
    std::filesystem::resize_file(Data() / "Str.dat", kMaxTextFileBytes);
    const auto lines = ReadTickerLines(Location());
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->front(), "tip");

    std::filesystem::resize_file(Data() / "Str.dat", kMaxTextFileBytes + 1);
    WriteFile(Data() / "Address.dat", "Default=x.html\r\n");
    std::filesystem::resize_file(Data() / "Address.dat", kMaxTextFileBytes + 1);
    for (const auto& read : {std::function<void()>([&] { ReadTickerLines(Location()); }),
                             std::function<void()>([&] { ReadDocumentAddresses(Location()); })}) {
        try {
            read();
            ADD_FAILURE() << "accepted";
        } catch (const DataError& error) {
            EXPECT_EQ(error.Reason(), "file of 16777217 bytes is larger than the 16 MiB allowed");
        }
    }
}

// ---- Catalogues -------------------------------------------------------------

TEST_F(StoredFiles, OverSizeCatalogueIsRefusedWithItsSize) {
    pack_.Taverns->Taverns = {{"T", {SampleHero("A", 1)}}};
    pack_.WriteTo(folder_.Path());
    std::filesystem::resize_file(Data() / "Taverns.dat", kMaxCatalogueBytes + 1);
    const LoadFailure failure = Refused();
    EXPECT_EQ(failure.Kind, LoadFailureKind::BadCatalogue);
    EXPECT_TRUE(Contains(failure.Message, "Taverns.dat: file of 67108865 bytes is larger than "
                                          "the 64 MiB allowed"))
        << failure.Message;
}

TEST_F(StoredFiles, CatalogueFifoIsNotOpened) {
    pack_.WriteTo(folder_.Path());
    std::filesystem::remove(Data() / "Orbs.dat");
    MakeFifo(Data() / "Orbs.dat");
    FifoWatch watch(Data() / "Orbs.dat");
    const LoadFailure failure = Refused();
    EXPECT_FALSE(watch.Stop()) << "the FIFO was opened";
    EXPECT_EQ(failure.Kind, LoadFailureKind::MissingFile);
    EXPECT_TRUE(Contains(failure.Message, "Orbs.dat")) << failure.Message;
}

} // namespace
} // namespace zephyr
