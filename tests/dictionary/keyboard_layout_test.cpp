// Queries typed with the other keyboard layout.
#include "dictionary_words.h"

#include "dictionary/keyboard_layout.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

TEST(KeyboardLayout, LatinKeysToCyrillicLetters) {
    EXPECT_EQ(SwitchKeyboardLayout("ufyr"), W("ганк"));
    EXPECT_EQ(SwitchKeyboardLayout("Ufyr"), W("Ганк"));
    EXPECT_EQ(SwitchKeyboardLayout("qwertyuiop[]asdfghjkl;'zxcvbnm,.`"),
              W("йцукенгшщзхъфывапролджэячсмитьбюё"));
    EXPECT_EQ(SwitchKeyboardLayout("QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~"),
              W("ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ"));
}

TEST(KeyboardLayout, CyrillicLettersToLatinKeys) {
    EXPECT_EQ(SwitchKeyboardLayout(W("пфтл")), "gank");
    EXPECT_EQ(SwitchKeyboardLayout(W("ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ")),
              "QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~");
    EXPECT_EQ(SwitchKeyboardLayout(W("ёжик")), "`;br");
}

TEST(KeyboardLayout, OtherCharactersStay) {
    EXPECT_EQ(SwitchKeyboardLayout("1 2-3!"), "1 2-3!");
    // Going to Latin, punctuation has no Cyrillic letter to come from.
    EXPECT_EQ(SwitchKeyboardLayout(W("пфтл, 1")), "gank, 1");
    EXPECT_EQ(SwitchKeyboardLayout(W("№ пфтл")), W("№ gank"));
    EXPECT_EQ(SwitchKeyboardLayout(""), "");
}

TEST(KeyboardLayout, MajorityOfLettersDecidesTheDirection) {
    EXPECT_EQ(SwitchKeyboardLayout(W("ufyr м")), W("ганк м")); // 4 Latin, 1 Cyrillic
    EXPECT_EQ(SwitchKeyboardLayout(W("пфтл m")), W("gank m")); // 1 Latin, 4 Cyrillic
    EXPECT_EQ(SwitchKeyboardLayout(W("fа")), W("аа"));         // a tie goes to Cyrillic
    EXPECT_EQ(SwitchKeyboardLayout(";'[]"), W("жэхъ"));        // no letters at all
}

TEST(KeyboardLayout, RoundTripOfMappedText) {
    for (const std::string& text : {std::string("ufyr"), W("ГАНКЕР"), std::string("Lfvfu")}) {
        EXPECT_EQ(SwitchKeyboardLayout(SwitchKeyboardLayout(text)), text) << text;
    }
}

TEST(LayoutSuggestion, OnlyWhenTheRetypedQueryFindsWhatTheQueryDoesNot) {
    const std::vector<TSlang> words = {Entry(6, {"Ганк"}), Entry(0, {"Gank"}), Entry(6, {"ufyr"}),
                                       Entry(6, {"Ганкер"})};
    const SearchIndex index(words);
    EXPECT_EQ(LayoutSuggestion(index, W("пфт"), 0), "gan");
    EXPECT_EQ(LayoutSuggestion(index, "ufy", 0), std::nullopt); // "ufyr" is a term itself
    EXPECT_EQ(LayoutSuggestion(index, "ufyrt", 0), W("ганке"));
    EXPECT_EQ(LayoutSuggestion(index, "ufyrt", 1), std::nullopt);  // no "ганке" in terms
    EXPECT_EQ(LayoutSuggestion(index, W("пфт"), 7), std::nullopt); // no "gan" in slang
    EXPECT_EQ(LayoutSuggestion(index, "zzz", 0), std::nullopt);
    EXPECT_EQ(LayoutSuggestion(index, "", 0), std::nullopt);
    EXPECT_EQ(LayoutSuggestion(SearchIndex(), "ufy", 0), std::nullopt);
}

} // namespace
} // namespace zephyr
