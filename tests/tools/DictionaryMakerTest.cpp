// The dictionary maker's rules and the new text file.

#include "tools/DictionaryMaker.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TempDir.h"
#include "tools/NewTextFile.h"
#include "words/PhoneticSigns.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::FullDisk;
using qor::test::slurp;
using qor::test::spit;

namespace {

class DictionaryMakerTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string dic = dir.file("verbs.txt");
    std::string signs = dir.file("phonetic sign.txt");

    static std::array<SignRowInput, kSignRows>
    rows(std::initializer_list<std::pair<const char*, const char*>> given) {
        std::array<SignRowInput, kSignRows> out;
        std::size_t i = 0;
        for (const auto& [word, sign] : given)
            out[i++] = {sj(word), sj(sign)};
        return out;
    }
};

} // namespace

TEST_F(DictionaryMakerTest, TheDuplicateIsTheFirstLineWithTheSameEnglishPart) {
    spit(dic, crlf({"Run=a*b", sj("走る*x"), sj("run=走る*first"), sj("run=駆ける*second")}));
    EnglishMatch run = findEntryByEnglish(dic, "run");
    ASSERT_TRUE(run.status);
    EXPECT_EQ(run.line, sj("run=走る*first"));
    EXPECT_FALSE(findEntryByEnglish(dic, "ru").found);
    EXPECT_FALSE(findEntryByEnglish(dic, "RUN").found);
    EXPECT_EQ(duplicateQuestion("run", sj("run=走る*first")),
              sj("\"run\" はすでに登録されています。\n\n発見したデータ ： "
                 "run=走る*first\n\n追加しますか？"));

    EnglishMatch missing = findEntryByEnglish(dir.file("none.txt"), "run");
    EXPECT_FALSE(missing.status);
    EXPECT_EQ(missing.status.errorNumber(), ENOENT);
}

TEST_F(DictionaryMakerTest, SixCommaWordsFillTheFiveSignRows) {
    auto six = signTabWords("publish,issue,print out,a,b,c");
    EXPECT_EQ(six, (std::array<std::string, 5>{"publish", "issue", "print out", "a", "b"}));
    auto two = signTabWords("run,,");
    EXPECT_EQ(two, (std::array<std::string, 5>{"run", "", "", "", ""}));
    EXPECT_EQ(signTabWords(""), (std::array<std::string, 5>{}));
    // Words of double-byte characters split the same way.
    EXPECT_EQ(signTabWords(sj("表,ａ"))[1], sj("ａ"));
}

TEST_F(DictionaryMakerTest, SignRowsAreSkippedComparedWithoutCaseAndAppendedTwiceWhenTwice) {
    spit(signs, crlf({"Apple=apl", "book=buk"}));
    SignStep step = addSignRows(signs, rows({{"run", "rVn"},
                                             {"walk", ""},
                                             {"", "orphan"},
                                             {"APPLE", "APL"},
                                             {"run", "rVn\r\nsecond line"}}));
    ASSERT_TRUE(step.status);
    EXPECT_TRUE(step.anyLine);
    EXPECT_EQ(step.notes, (std::array<std::string, 5>{sj("\"run\"は、追加しました"), "", "",
                                                      sj("\"APPLE\"は、すでに登録済みでした"),
                                                      sj("\"run\"は、追加しました")}));
    EXPECT_EQ(slurp(signs), crlf({"Apple=apl", "book=buk", "run=rVn", "run=rVn"}));
    EXPECT_EQ(phoneticSignLine("run", "\nrVn"), "");
}

TEST_F(DictionaryMakerTest, NoSignLineNeedsNoSignFile) {
    SignStep step = addSignRows(dir.file("none.txt"), rows({{"run", ""}}));
    EXPECT_TRUE(step.status);
    EXPECT_FALSE(step.anyLine);
    EXPECT_FALSE(test::exists(dir.file("none.txt")));

    SignStep unreadable = addSignRows(dir.file("none.txt"), rows({{"run", "rVn"}}));
    EXPECT_EQ(unreadable.status.errorNumber(), ENOENT);
    EXPECT_EQ(unreadable.notes, (std::array<std::string, 5>{}));
}

TEST_F(DictionaryMakerTest, AFailedSignAppendAddsNothing) {
    spit(signs, "book=buk");
    SignStep step;
    {
        FullDisk disk(4);
        step = addSignRows(signs, rows({{"run", "rVn"}, {"go", "gou"}}));
    }
    EXPECT_FALSE(step.status);
    EXPECT_EQ(step.status.path(), signs);
    EXPECT_EQ(slurp(signs), "book=buk");
}

TEST_F(DictionaryMakerTest, TheReportHasItsFiveForms) {
    SignStep none;
    SignStep some;
    some.anyLine = true;
    some.notes[1] = sj("\"run\"は、追加しました");
    const std::string signPart = sj("【発音記号の追加】\n");
    EXPECT_EQ(makerReport(true, false, "", none), signPart + "\n\n\n\n");
    EXPECT_EQ(makerReport(true, false, "", some),
              signPart + "\n" + sj("\"run\"は、追加しました") + "\n\n\n");
    EXPECT_EQ(makerReport(false, true, "run", none), sj("【単語】\n\"run\"を追加しました"));
    EXPECT_EQ(makerReport(false, true, "run", some),
              sj("【単語】\n\"run\"を追加しました\n\n【発音記号の追加】\n\n\"run\"は、追加しました"
                 "\n\n\n"));
    EXPECT_EQ(makerReport(false, false, "run", some),
              signPart + "\n" + sj("\"run\"は、追加しました") + "\n\n\n");
    EXPECT_EQ(makerReport(false, false, "run", none), std::nullopt);
}

TEST(NewTextFile, TheNameGetsTxtAndAnExistingFileIsLeftUntouched) {
    test::TempDir dir;
    NewTextResult verbs = createNewTextFile(dir.path(), "verbs");
    EXPECT_EQ(verbs.outcome, NewTextOutcome::Created);
    EXPECT_EQ(verbs.path, dir.file("verbs.txt"));
    EXPECT_EQ(verbs.fileName, "verbs.txt");
    EXPECT_TRUE(test::exists(dir.file("verbs.txt")));
    EXPECT_EQ(slurp(dir.file("verbs.txt")), "");

    EXPECT_EQ(createNewTextFile(dir.folder(), "x.txt").path, dir.file("x.txt.txt"));

    spit(dir.file("verbs.txt"), crlf({sj("run=走る*x")}));
    NewTextResult again = createNewTextFile(dir.path(), "verbs");
    EXPECT_EQ(again.outcome, NewTextOutcome::Exists);
    EXPECT_EQ(slurp(dir.file("verbs.txt")), crlf({sj("run=走る*x")}));

    EXPECT_EQ(createNewTextFile(dir.path(), "").outcome, NewTextOutcome::EmptyName);
    EXPECT_EQ(createNewTextFile(dir.path(), "a/b").outcome, NewTextOutcome::NameWithSlash);
    // Spaces are part of the name.
    EXPECT_EQ(createNewTextFile(dir.path(), " my words ").path, dir.file(" my words .txt"));
}

TEST(NewTextFile, AFileThatCannotBeMadeIsAFailureWithItsReason) {
    test::TempDir dir;
    NewTextResult missing = createNewTextFile(dir.file("gone"), "verbs");
    EXPECT_EQ(missing.outcome, NewTextOutcome::Failed);
    EXPECT_EQ(missing.status.errorNumber(), ENOENT);
    EXPECT_EQ(missing.status.path(), dir.file("gone/verbs.txt"));

    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
    NewTextResult refused = createNewTextFile(dir.path(), "verbs");
    readOnly.release();
    EXPECT_EQ(refused.outcome, NewTextOutcome::Failed);
    EXPECT_FALSE(test::exists(dir.file("verbs.txt")));
}
