// Adding a missing word: the entry line, the check for the same English, the sign step
// against the sign file, and the report texts. Files are compared byte for byte.

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"
#include "tools/AddWord.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

TEST(AddWord, TheEntryLineTakesTheDefaultCommentWhenNoneIsGiven) {
    EXPECT_EQ(newEntryLine("zebra", sj("しまうま"), sj("動物")), sj("zebra=しまうま*動物"));
    EXPECT_EQ(newEntryLine("zebra", sj("しまうま"), ""), sj("zebra=しまうま*コメントはありません"));
    // Nothing is trimmed.
    EXPECT_EQ(newEntryLine(" a ", " b ", " "), " a = b * ");
}

TEST(AddWord, PartsThatWouldReadBackOtherwiseAreRefused) {
    EXPECT_EQ(checkNewWord("", "x"), NewWordProblem::NoEnglish);
    EXPECT_EQ(checkNewWord("x", ""), NewWordProblem::NoJapanese);
    EXPECT_EQ(checkNewWord("", ""), NewWordProblem::NoEnglish);
    EXPECT_EQ(checkNewWord("a=b", sj("え")), NewWordProblem::EqualsInEnglish);
    EXPECT_EQ(checkNewWord("a", sj("え*び")), NewWordProblem::StarInJapanese);
    // "=" in the Japanese part and "*" in the English part read back as typed.
    EXPECT_EQ(checkNewWord("a*b", sj("え=び")), NewWordProblem::None);
    EXPECT_EQ(checkNewWord("run,dash", sj("走る,急ぐ")), NewWordProblem::None);
}

TEST(AddWord, OnlyASingleFormTakesASign) {
    EXPECT_TRUE(takesPhoneticSign("run"));
    EXPECT_TRUE(takesPhoneticSign("run out"));
    EXPECT_FALSE(takesPhoneticSign("run,dash"));
    EXPECT_FALSE(takesPhoneticSign("car,"));
}

TEST(AddWord, TheSameEnglishIsTheFirstLineWhoseEnglishPartEqualsItExactly) {
    test::TempDir dir;
    const std::string dic = dir.file("verbs.txt");
    spit(dic, crlf({sj("run,dash=走る*x"), sj("Run=走らせる*y"), sj("run=走る*z"),
                    sj("run=駆ける*w"), sj("run*no equals")}));
    EnglishMatch m = findEntryByEnglish(dic, "run");
    ASSERT_TRUE(m.status);
    EXPECT_TRUE(m.found);
    EXPECT_EQ(m.line, sj("run=走る*z"));
    EXPECT_EQ(findEntryByEnglish(dic, "Run").line, sj("Run=走らせる*y"));
    EXPECT_FALSE(findEntryByEnglish(dic, "dash").found);
    EXPECT_FALSE(findEntryByEnglish(dic, "ru").found);

    EnglishMatch missing = findEntryByEnglish(dir.file("none.txt"), "run");
    EXPECT_FALSE(missing.status);
    EXPECT_FALSE(missing.found);
}

TEST(AddWord, TheDuplicateQuestionQuotesTheWordAndShowsTheLineFound) {
    EXPECT_EQ(duplicateQuestion("run", sj("run=走る*z")),
              sj("\"run\" はすでに登録されています。\n\n発見したデータ ： run=走る*z\n\n追加しますか？"));
}

TEST(AddWord, ALongWordOrLineIsCutToALineOfItsBox) {
    const std::string word(1000000, 'a');
    const std::string question = duplicateQuestion(word, word + "=" + sj("長い") + "*z");
    EXPECT_LT(question.size(), 400u);
    EXPECT_EQ(question.substr(question.size() - sj("\n\n追加しますか？").size()),
              sj("\n\n追加しますか？"));
    const std::string note = signNote(word, false);
    EXPECT_LT(note.size(), 200u);
    EXPECT_EQ(note.substr(note.size() - sj("は、追加しました").size()), sj("は、追加しました"));
}

class SignStepTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string signs = dir.file("phonetic sign.txt");
    void SetUp() override { spit(signs, crlf({"apple=AEpl", "RUN=rVn"})); }
};

TEST_F(SignStepTest, ANewSignLineIsAppended) {
    SignResult r = addPhoneticSign(signs, "zebra", "zi:br@");
    EXPECT_EQ(r.outcome, SignOutcome::Added);
    EXPECT_EQ(slurp(signs), crlf({"apple=AEpl", "RUN=rVn", "zebra=zi:br@"}));

    // A file whose last line has no line break keeps its lines apart.
    spit(signs, "apple=AEpl");
    EXPECT_EQ(addPhoneticSign(signs, "zebra", "z").outcome, SignOutcome::Added);
    EXPECT_EQ(slurp(signs), crlf({"apple=AEpl", "zebra=z"}));
}

TEST_F(SignStepTest, TheSameLineInAnyLetterCaseIsAlreadyThere) {
    const std::string before = slurp(signs);
    EXPECT_EQ(addPhoneticSign(signs, "run", "RVN").outcome, SignOutcome::AlreadyThere);
    EXPECT_EQ(addPhoneticSign(signs, "Apple", "aepl").outcome, SignOutcome::AlreadyThere);
    EXPECT_EQ(slurp(signs), before);
    // Another sign of a known word is another line.
    EXPECT_EQ(addPhoneticSign(signs, "apple", "Apl").outcome, SignOutcome::Added);
    EXPECT_EQ(slurp(signs), crlf({"apple=AEpl", "RUN=rVn", "apple=Apl"}));
}

TEST_F(SignStepTest, NothingIsStoredWithoutWordOrSign) {
    const std::string before = slurp(signs);
    EXPECT_EQ(addPhoneticSign(signs, "zebra", "").outcome, SignOutcome::NotTried);
    EXPECT_EQ(addPhoneticSign(signs, "", "x").outcome, SignOutcome::NotTried);
    EXPECT_EQ(slurp(signs), before);
}

TEST_F(SignStepTest, AMissingOrUnwritableSignFileFailsWithItsReason) {
    SignResult missing = addPhoneticSign(dir.file("none.txt"), "zebra", "z");
    EXPECT_EQ(missing.outcome, SignOutcome::Failed);
    EXPECT_TRUE(missing.status.isMissingFile());
    EXPECT_FALSE(test::exists(dir.file("none.txt")));

    // A full disk: the file is left exactly as it was.
    const std::string before = slurp(signs);
    setWriteStepForTesting([](int, const void*, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    });
    SignResult full = addPhoneticSign(signs, "zebra", "z");
    setWriteStepForTesting(nullptr);
    EXPECT_EQ(full.outcome, SignOutcome::Failed);
    EXPECT_EQ(full.status.errorNumber(), ENOSPC);
    EXPECT_EQ(slurp(signs), before);
}

TEST(AddWord, TheReportSaysWhatWasStored) {
    EXPECT_EQ(additionReport("zebra", true, SignOutcome::NotTried),
              sj("【単語】\n\"zebra\"を追加しました"));
    EXPECT_EQ(additionReport("zebra", true, SignOutcome::Added),
              sj("【単語】\n\"zebra\"を追加しました\n\n【発音記号の追加】\n\"zebra\"は、追加しました"));
    EXPECT_EQ(additionReport("zebra", true, SignOutcome::AlreadyThere),
              sj("【単語】\n\"zebra\"を追加しました\n\n【発音記号の追加】\n\"zebra\"は、すでに登録済みでした"));
    EXPECT_EQ(additionReport("zebra", false, SignOutcome::NotTried), sj("追加されたデータはありません"));
    EXPECT_EQ(additionReport("zebra", false, SignOutcome::Added),
              sj("【発音記号の追加】\n\"zebra\"は、追加しました"));
    // A sign that failed was reported on its own and is no sign step here.
    EXPECT_EQ(additionReport("zebra", true, SignOutcome::Failed), sj("【単語】\n\"zebra\"を追加しました"));
    EXPECT_EQ(additionReport("zebra", false, SignOutcome::Failed), sj("追加されたデータはありません"));
}
