#include "base/Cp932.h"

#include <gtest/gtest.h>

using namespace qor;

TEST(Cp932, RoundTripsJapaneseAndAscii) {
    const std::string utf8 = "走る,急ぐ*コメントはありません ａｂｃ ｶﾀｶﾅ apple";
    auto cp = toCp932(utf8);
    ASSERT_TRUE(cp.has_value());
    EXPECT_EQ(cp->substr(0, 2), "\x91\x96");  // 走
    EXPECT_EQ(toUtf8(*cp), utf8);
}

TEST(Cp932, RefusesTextItCannotHoldInsteadOfWritingQuestionMarks) {
    EXPECT_FALSE(toCp932("apple 😀").has_value());
    EXPECT_FALSE(toCp932("é").has_value());
    EXPECT_THROW(sj("😀"), std::logic_error);
}

TEST(Cp932, InvalidBytesShowAsReplacementCharacters) {
    EXPECT_EQ(toUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(std::string("\xA0x", 2)), "\xEF\xBF\xBDx");
}

TEST(Cp932, AConversionThatStoppedOrCutACharacterLeavesNothingForTheNext) {
    // The conversions share one descriptor per direction: each starts afresh.
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(toCp932("走😀").has_value());
        EXPECT_EQ(toCp932("走る"), std::optional<std::string>("\x91\x96\x82\xe9"));
        EXPECT_EQ(toUtf8("\x91"), "\xEF\xBF\xBD");  // a lead byte cut off at the end
        EXPECT_EQ(toUtf8("\x82\xe9"), "る");  // not joined to the byte cut off before
        EXPECT_EQ(toUtf8("\x91\x96"), "走");
    }
}

TEST(Cp932, SearchNeverMatchesInsideADoubleByteCharacter) {
    // 表 is 0x95 0x5C: its trail byte is a backslash. ソ is 0x83 0x5C.
    const std::string text = sj("表ソ\\");
    EXPECT_EQ(find(text, '\\'), 4u);
    EXPECT_EQ(findLast(text, '\\'), 4u);
    // 0x82 0x60 is Ａ: the trail byte 0x60 is "`"; 0x83 0x41 is ア: trail byte is 'A'.
    const std::string kana = sj("アA");
    EXPECT_EQ(find(kana, 'A'), 2u);
    EXPECT_EQ(find(kana, "A"), 2u);
    EXPECT_EQ(find(sj("ア"), 'A'), std::string::npos);
    EXPECT_FALSE(contains(sj("ア"), "A"));
    EXPECT_TRUE(contains(sj("りんご*果物"), "*"));
    // A start position inside a character moves to the next character.
    EXPECT_EQ(find(kana, 'A', 1), 2u);
}

TEST(Cp932, LowerCaseLeavesDoubleByteCharactersWhole) {
    // ア = 0x83 0x41: the trail byte must not become 'a'.
    const std::string text = sj("アApple");
    std::string lowered = lowerAscii(text);
    EXPECT_EQ(lowered, sj("アapple"));
    EXPECT_EQ(compareNoCase("Apple", "apple"), 0);
    EXPECT_LT(compareNoCase("1_zebra", "2_apple"), 0);
    EXPECT_GT(compareNoCase("b", "A"), 0);
}

TEST(Cp932, CharLengthNeverRunsPastTheEnd) {
    const std::string broken = "a\x82";
    EXPECT_EQ(charLength(broken, 0), 1u);
    EXPECT_EQ(charLength(broken, 1), 1u);
    EXPECT_EQ(find(broken, "x"), std::string::npos);
}

TEST(Cp932, ALeadByteWithoutATrailByteIsACharacterOfItsOwn) {
    // 0x81 before "=" or "*": "=" (0x3D) and "*" (0x2A) can never be trail bytes.
    const std::string line = "lead\x81=x*c";
    EXPECT_EQ(charLength(line, 4), 1u);
    EXPECT_EQ(find(line, "="), 5u);
    EXPECT_EQ(find(line, '*'), 7u);
    EXPECT_EQ(lowerAscii("\x81 ABC"), "\x81 abc");
    // Here 'A' is a trail byte: the character stays as it is.
    EXPECT_NE(compareNoCase("\x81" "A", "\x81" "a"), 0);
    EXPECT_EQ(compareNoCase("\x81\x0A" "B", "\x81\x0A" "b"), 0);
    // A real character stays whole: ア is 0x83 0x41.
    EXPECT_EQ(charLength(sj("ア"), 0), 2u);
}

TEST(Cp932, APrefixMustEndOnACharacterBoundary) {
    const std::string word = sj("アップル");
    EXPECT_TRUE(startsWith(word, sj("アッ")));
    EXPECT_FALSE(startsWith(word, word.substr(0, 1)));  // half of ア
    EXPECT_FALSE(startsWith(word, word.substr(0, 3)));
    EXPECT_TRUE(startsWith("apple", "app"));
    EXPECT_TRUE(startsWith("apple", ""));
}

TEST(Cp932, NothingIsWrittenAsALookAlikeButTheSevenALearnerExpects) {
    // iconv alone would write "¥100" as "\100" and "‾" as "~": refused like an emoji.
    EXPECT_FALSE(toCp932("¥100").has_value());
    EXPECT_FALSE(toCp932("‾").has_value());
    EXPECT_FALSE(toCp932("a\U000E0041b").has_value());  // a tag character iconv would drop
    // What an input method types for the wave dash is written as CP932's own.
    EXPECT_EQ(toCp932("波〜"), std::optional<std::string>("\x94\x67\x81\x60"));
    for (const Cp932LookAlike& l : kCp932LookAlikes) {
        auto written = toCp932(l.typed);
        ASSERT_TRUE(written.has_value()) << l.typed;
        EXPECT_EQ(toUtf8(*written), l.written);
        EXPECT_FALSE(toCp932Exact(l.typed).has_value()) << l.typed;
        EXPECT_EQ(toCp932Exact(l.written), written);
    }
    EXPECT_EQ(withCp932LookAlikes("〜−—‖¢£¬ ～"), "～－―∥￠￡￢ ～");
}

TEST(Cp932, EveryCharacterCp932HoldsIsTakenAsItIs) {
    // Each double-byte code that CP932 decodes comes back as the same character.
    std::size_t characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(static_cast<unsigned char>(trail))) continue;
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = toUtf8(code);
            if (utf8.find("\xEF\xBF\xBD") != std::string::npos) continue;  // no character there
            ++characters;
            auto back = toCp932(utf8);
            ASSERT_TRUE(back.has_value()) << std::hex << lead << trail;
            EXPECT_EQ(toUtf8(*back), utf8);
        }
    }
    EXPECT_GT(characters, 7000u);
    for (int c = 0; c < 0x80; ++c) {
        const std::string ascii(1, static_cast<char>(c));
        EXPECT_EQ(toCp932(ascii), ascii);
    }
    // Half-width katakana, single bytes.
    for (int c = 0xA1; c <= 0xDF; ++c) {
        const std::string kana(1, static_cast<char>(c));
        EXPECT_EQ(toCp932(toUtf8(kana)), kana);
    }
}
