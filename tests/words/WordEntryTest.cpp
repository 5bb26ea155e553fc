#include "base/Cp932.h"
#include "words/WordEntry.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

void expectSplit(std::string_view line, std::string_view english, std::string_view japanese,
                 std::string_view comment) {
    WordEntry e = splitEntry(line);
    EXPECT_EQ(e.english, english) << line;
    EXPECT_EQ(e.japanese, japanese) << line;
    EXPECT_EQ(e.comment, comment) << line;
}

} // namespace

TEST(SplitEntry, SeparatorsAndMissingParts) {
    expectSplit(sj("apple=りんご*果物"), "apple", sj("りんご"), sj("果物"));
    // Only the first "=" and the first "*" after it split; the comment may hold both.
    expectSplit("a=b=c*d*e", "a", "b=c", "d*e");
    // No asterisk: the whole rest is the comment.
    expectSplit(sj("apple=りんご"), "apple", "", sj("りんご"));
    // No equals sign: empty English part, the whole line is the rest.
    expectSplit(sj("りんご*果物"), "", sj("りんご"), sj("果物"));
    // A "*" before the "=" belongs to the English part.
    expectSplit("a*b=c*d", "a*b", "c", "d");
    expectSplit("", "", "", "");
    expectSplit("=*", "", "", "");
}

TEST(SplitEntry, NothingIsTrimmed) {
    expectSplit(sj(" run =\t走る　* x "), " run ", sj("\t走る　"), " x ");
    EXPECT_EQ(splitAlternatives(" a, b"), (std::vector<std::string>{" a", " b"}));
}

TEST(SplitEntry, DoubleByteCharactersStayWhole) {
    // 表, ソ and 能 end in 0x5C, ア in 0x41, ダ in 0x5F: none of them may be cut or
    // mistaken, and the separators right next to them are found.
    expectSplit(sj("表=ソ,能*ア=ダ*"), sj("表"), sj("ソ,能"), sj("ア=ダ*"));
    EXPECT_EQ(splitAlternatives(sj("ソ,能,表")),
              (std::vector<std::string>{sj("ソ"), sj("能"), sj("表")}));
    EXPECT_EQ(splitAlternatives(sj("アイ,,ダ")), (std::vector<std::string>{sj("アイ"), "", sj("ダ")}));
}

TEST(SplitAlternatives, CommasEmptyPiecesAndTheLimit) {
    WordEntry e = splitEntry(sj("car,automobile=車,自動車*x"));
    EXPECT_EQ(splitAlternatives(e.english), (std::vector<std::string>{"car", "automobile"}));
    EXPECT_EQ(splitAlternatives(e.japanese), (std::vector<std::string>{sj("車"), sj("自動車")}));
    EXPECT_EQ(splitAlternatives("car,"), (std::vector<std::string>{"car", ""}));
    EXPECT_EQ(splitAlternatives(",,"), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(splitAlternatives("single"), std::vector<std::string>{"single"});
    EXPECT_EQ(splitAlternatives(""), std::vector<std::string>{""});

    std::string part;
    for (int i = 1; i <= 101; ++i)
        part += (i > 1 ? "," : "") + std::to_string(i);
    auto alternatives = splitAlternatives(part);
    ASSERT_EQ(alternatives.size(), kMaxAlternatives);
    EXPECT_EQ(alternatives.front(), "1");
    EXPECT_EQ(alternatives.back(), "100");

    // Exactly 100 pieces, the last one empty, are all kept.
    std::string hundred(99, ',');
    EXPECT_EQ(splitAlternatives(hundred).size(), 100u);
}

TEST(DictionaryNames, FileNameLessItsLastFourCharacters) {
    EXPECT_EQ(dictionaryName("/home/x/dictionary/verbs.txt"), "verbs");
    EXPECT_EQ(dictionaryName("verbs.txt"), "verbs");
    EXPECT_EQ(dictionaryName(sj("/a/b/動詞.txt")), sj("動詞"));
    EXPECT_EQ(dictionaryName(".txt"), "");
    EXPECT_EQ(dictionaryName(""), "");
    // An odd name whose cut would split a character drops the whole character.
    EXPECT_EQ(dictionaryName(sj("a表xyz")), "a");
    EXPECT_EQ(dictionaryName(sj("表.dat")), sj("表"));
}

TEST(DictionaryNames, WordKeyJoinsTheTwoParts) {
    EXPECT_EQ(wordKey("run,dash", sj("走る")), "run,dash_" + sj("走る"));
    EXPECT_EQ(wordKey("", ""), "_");
}

TEST(SplitEntry, ALoneLeadByteDoesNotSwallowTheSeparatorAfterIt) {
    expectSplit("lead\x81=x*c", "lead\x81", "x", "c");
    expectSplit("a=b\x9F*c", "a", "b\x9F", "c");
    EXPECT_EQ(splitAlternatives("x\xE0,y"), (std::vector<std::string>{"x\xE0", "y"}));
}
