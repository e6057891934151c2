#include "temp_folder.h"

#include "data/tv_file.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using testing::TempFolder;
using testing::WriteFile;

class TVFileTest : public ::testing::Test {
protected:
    std::filesystem::path FileWith(std::string_view bytes, const char* name = "f.dat") {
        const auto path = folder_.Path() / name;
        WriteFile(path, bytes);
        return path;
    }

    TempFolder folder_;
};

TEST_F(TVFileTest, OpenTwiceKeepsTheFirstFile) {
    TVFile file;
    ASSERT_TRUE(file.Open(FileWith("\x07", "first.dat")));
    EXPECT_FALSE(file.Open(FileWith("\x09", "second.dat")));
    std::uint8_t byte = 0;
    ASSERT_TRUE(file.ReadByte(byte));
    EXPECT_EQ(byte, 7);
}

TEST_F(TVFileTest, MissingFileFailsAndStaysClosed) {
    TVFile file;
    EXPECT_FALSE(file.Open(folder_.Path() / "absent.dat"));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Open(folder_.Path())); // a folder is not a catalogue
    EXPECT_FALSE(file.Close());
}

TEST_F(TVFileTest, ReadsOnAClosedReaderFailAndKeepTheOutput) {
    TVFile file;
    bool flag = true;
    std::uint8_t byte = 5;
    std::uint16_t word = 6;
    std::int32_t integer = 7;
    std::string text = "kept";
    EXPECT_FALSE(file.ReadBool(flag));
    EXPECT_FALSE(file.ReadByte(byte));
    EXPECT_FALSE(file.ReadWord(word));
    EXPECT_FALSE(file.ReadInt(integer));
    EXPECT_FALSE(file.ReadString(2, text));
    EXPECT_TRUE(flag);
    EXPECT_EQ(byte, 5);
    EXPECT_EQ(word, 6);
    EXPECT_EQ(integer, 7);
    EXPECT_EQ(text, "kept");
}

TEST_F(TVFileTest, ReopensAfterClose) {
    TVFile file;
    const auto path = FileWith("\x01");
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.Close());
    std::uint8_t byte = 0;
    EXPECT_FALSE(file.ReadByte(byte));
    ASSERT_TRUE(file.Open(path));
    EXPECT_TRUE(file.ReadByte(byte));
    EXPECT_EQ(byte, 1);
}

TEST_F(TVFileTest, DecodesThePrimitives) {
    TVFile file;
    ASSERT_TRUE(file.Open(FileWith(std::string("\x01\x02\x00\x01\x02\xFF\xFF"
                                               "\x80\x00\x00\x00\x7F\xFF\xFF\xFF"
                                               "\x00\x00\x00\x00\xFF\xFF\xFF\xFF\x80\x00\x00\x01",
                                               27))));
    bool flag = true;
    ASSERT_TRUE(file.ReadBool(flag));
    EXPECT_TRUE(flag); // 01
    ASSERT_TRUE(file.ReadBool(flag));
    EXPECT_FALSE(flag); // 02 is not true
    ASSERT_TRUE(file.ReadBool(flag));
    EXPECT_FALSE(flag); // 00
    std::uint16_t word = 0;
    ASSERT_TRUE(file.ReadWord(word));
    EXPECT_EQ(word, 258);
    ASSERT_TRUE(file.ReadWord(word));
    EXPECT_EQ(word, 65535);
    std::int32_t value = 99;
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 0);
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, -1);
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, INT32_MIN);
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, INT32_MAX);
    ASSERT_TRUE(file.ReadInt(value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(file.ReadBool(flag));
}

TEST_F(TVFileTest, ReadStringTrimsControlBytesAndSpaces) {
    TVFile file;
    ASSERT_TRUE(file.Open(FileWith("  ab\t")));
    std::string text = "old";
    ASSERT_TRUE(file.ReadString(0, text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(file.ReadString(5, text));
    EXPECT_EQ(text, "ab");
}

TEST_F(TVFileTest, ShortReadsFailLeaveOutputAndConsumeWhatWasThere) {
    TVFile file;
    ASSERT_TRUE(file.Open(FileWith("abc")));
    std::string text = "kept";
    EXPECT_FALSE(file.ReadString(5, text));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(file.Position(), 3u);

    TVFile other;
    ASSERT_TRUE(other.Open(FileWith("\x12\x34\x56", "int.dat")));
    std::int32_t value = 42;
    EXPECT_FALSE(other.ReadInt(value));
    EXPECT_EQ(value, 42);
    EXPECT_EQ(other.Position(), 3u);
}

TEST_F(TVFileTest, LongStringsAreReadInFull) {
    const std::string body(300, 'x');
    TVFile file;
    ASSERT_TRUE(file.Open(FileWith(body)));
    std::string text;
    ASSERT_TRUE(file.ReadString(300, text));
    EXPECT_EQ(text.size(), 300u);
}

} // namespace
} // namespace zephyr
