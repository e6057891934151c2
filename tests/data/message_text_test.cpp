#include "data/data_error.h"
#include "data/message_text.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

TEST(MessageText, ControlBytesAndLineBreaksAreEscaped) {
    EXPECT_EQ(MessageText("Data\\images\\a.jpg"), "Data\\images\\a.jpg");
    EXPECT_EQ(MessageText("two\nlines\r\tand\x01\x7F"), "two\\nlines\\r\\tand\\x01\\x7F");
    EXPECT_EQ(MessageText(std::string("nul\0byte", 8)), "nul\\x00byte");
    EXPECT_EQ(MessageText("\xC0\xFF"), "\xC0\xFF"); // Windows-1251 letters stay
}

TEST(MessageText, DataErrorsShowNamesOnOneLine) {
    const DataError error("Data\\evil\nname.dat", "hero \"A\x1B[2J\" is bad", 12);
    EXPECT_STREQ(error.what(), "Data\\evil\\nname.dat (offset 12): hero \"A\\x1B[2J\" is bad");
    // The raw parts stay available to callers that format them themselves.
    EXPECT_EQ(error.File(), "Data\\evil\nname.dat");
}

} // namespace
} // namespace zephyr
