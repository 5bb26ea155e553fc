#include "base/Cp932.h"
#include "tests/support/TempDir.h"
#include "words/AnswerFile.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

class AnswerFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file(answerFileName("verbs"));
};

} // namespace

TEST_F(AnswerFileTest, ANewFileHoldsExactlyTheTwoHeaderLines) {
    EXPECT_EQ(answerFileName(sj("動詞")), sj("動詞.ans"));
    ASSERT_TRUE(createAnswerFile(path));
    const std::string header = "[\x90\xb3\x89\xf0\x83\x74\x83\x40\x83\x43\x83\x8b]\r\n"
                               "\x96\xe2\x91\xe8=\x90\x56\x82\xb5\x82\xa2\x90\xb3\x89\xf0\r\n";
    EXPECT_EQ(slurp(path), header);
    EXPECT_EQ(header, crlf({sj("[正解ファイル]"), sj("問題=新しい正解")}));

    // Every drill start writes it again: nothing changes, appended pairs stay.
    ASSERT_TRUE(appendAnswer(path, sj("走る"), "sprint"));
    ASSERT_TRUE(appendAnswer(path, sj("問題"), "problem"));
    ASSERT_TRUE(createAnswerFile(path));
    EXPECT_EQ(slurp(path), header + crlf({sj("走る=sprint"), sj("問題=problem")}));
}

TEST_F(AnswerFileTest, PairsAreFoundByExactQuestionAndExactOrLowerCaseAnswer) {
    ASSERT_TRUE(createAnswerFile(path));
    ASSERT_TRUE(appendAnswer(path, sj("走る"), "sprint"));
    ASSERT_TRUE(appendAnswer(path, sj("走る"), "sprint"));  // duplicates are allowed
    ASSERT_TRUE(appendAnswer(path, "Run", "Hashiru"));

    EXPECT_TRUE(findAnswer(path, sj("走る"), "sprint", false).found);
    EXPECT_FALSE(findAnswer(path, sj("歩く"), "sprint", false).found);
    EXPECT_FALSE(findAnswer(path, sj("走る"), "Sprint", false).found);
    EXPECT_TRUE(findAnswer(path, sj("走る"), "Sprint", true).found);
    EXPECT_TRUE(findAnswer(path, "Run", "HASHIRU", true).found);
    EXPECT_FALSE(findAnswer(path, "Run", "hashiru", false).found);
    // The question part is compared exactly, even with IgnoreCase.
    EXPECT_FALSE(findAnswer(path, "run", "Hashiru", true).found);
    // Nothing is trimmed.
    EXPECT_FALSE(findAnswer(path, sj("走る"), "sprint ", true).found);
    // The header line is a pair like any other.
    EXPECT_TRUE(findAnswer(path, sj("問題"), sj("新しい正解"), false).found);
}

TEST_F(AnswerFileTest, LowerCaseNeverTouchesDoubleByteCharacters) {
    // ア is 0x83 0x41; lower-casing its trail byte would make it ヂ (0x83 0x61).
    ASSERT_TRUE(appendAnswer(path, "q", sj("ヂ")));
    EXPECT_FALSE(findAnswer(path, "q", sj("ア"), true).found);
    EXPECT_TRUE(findAnswer(path, "q", sj("ヂ"), true).found);
    ASSERT_TRUE(appendAnswer(path, "w", sj("アB")));
    EXPECT_TRUE(findAnswer(path, "w", sj("アb"), true).found);
}

TEST_F(AnswerFileTest, LinesWithoutEqualsAndLineBreaksInTexts) {
    spit(path, crlf({"loose text", "=empty question"}));
    EXPECT_TRUE(findAnswer(path, "", "loose text", false).found);
    EXPECT_TRUE(findAnswer(path, "", "empty question", false).found);
    EXPECT_FALSE(findAnswer(path, "loose text", "", false).found);
    // A typed text can never add a line of its own.
    ASSERT_TRUE(appendAnswer(path, "a", "b\r\nc=d"));
    EXPECT_FALSE(findAnswer(path, "c", "d", false).found);
    EXPECT_TRUE(findAnswer(path, "a", "b  c=d", false).found);
}

TEST_F(AnswerFileTest, MissingAndUnreadableFiles) {
    AnswerLookup missing = findAnswer(path, "a", "b", false);
    EXPECT_FALSE(missing.found);
    EXPECT_TRUE(missing.status);  // nothing declared right yet is no failure

    std::filesystem::create_directory(path);
    AnswerLookup folder = findAnswer(path, "a", "b", false);
    EXPECT_FALSE(folder.found);
    EXPECT_FALSE(folder.status);
    EXPECT_EQ(folder.status.path(), path);
    EXPECT_FALSE(createAnswerFile(path));
    EXPECT_FALSE(appendAnswer(path, "a", "b"));
}
