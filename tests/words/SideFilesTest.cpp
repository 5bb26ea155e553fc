#include "base/Cp932.h"
#include "tests/support/TempDir.h"
#include "words/PhoneticSigns.h"
#include "words/VocabularyBook.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::exists;
using qor::test::slurp;
using qor::test::spit;

TEST(PhoneticSigns, TheFirstLineOfTheWordFollowedByEquals) {
    test::TempDir dir;
    const std::string signs = dir.file("phonetic sign.txt");
    spit(signs, "running=rVnIN\r\nrun=rVn\r\nrun=second\nwalk=w=k\n" + sj("表=ひょう") + "\n");
    PhoneticSign run = findPhoneticSign(signs, "run");
    ASSERT_TRUE(run.status);
    EXPECT_TRUE(run.found);
    EXPECT_EQ(run.sign, "rVn");
    EXPECT_FALSE(findPhoneticSign(signs, "ru").found);
    EXPECT_FALSE(findPhoneticSign(signs, "Run").found);
    EXPECT_EQ(findPhoneticSign(signs, "walk").sign, "w=k");
    EXPECT_EQ(findPhoneticSign(signs, sj("表")).sign, sj("ひょう"));
    EXPECT_EQ(findPhoneticSign(signs, "running").sign, "rVnIN");

    PhoneticSign missing = findPhoneticSign(dir.file("none.txt"), "run");
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.status.errorNumber(), ENOENT);
    EXPECT_EQ(missing.status.path(), dir.file("none.txt"));
}

TEST(VocabularyBook, AppendsWholeLinesAndDeletesTheFile) {
    test::TempDir dir;
    const std::string book = dir.file("book.txt");
    ASSERT_TRUE(appendToVocabularyBook(book, sj("run=走る*x")));
    ASSERT_TRUE(appendToVocabularyBook(book, sj("run=走る*x")));  // no duplicate check
    EXPECT_EQ(slurp(book), crlf({sj("run=走る*x"), sj("run=走る*x")}));

    ASSERT_TRUE(deleteVocabularyBook(book));
    EXPECT_FALSE(exists(book));
    EXPECT_TRUE(deleteVocabularyBook(book));  // already gone: no failure
}

TEST(VocabularyBook, FailuresWriteNothing) {
    test::TempDir dir;
    EXPECT_FALSE(appendToVocabularyBook("", "a=b*c"));
    const std::string folder = dir.file("book.txt");
    std::filesystem::create_directory(folder);
    FileStatus s = appendToVocabularyBook(folder, "a=b*c");
    EXPECT_FALSE(s);
    EXPECT_EQ(s.path(), folder);
    EXPECT_FALSE(deleteVocabularyBook(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}
