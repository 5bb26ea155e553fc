#include "base/Cp932.h"
#include "tests/support/TempDir.h"
#include "words/ImportanceFile.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::exists;
using qor::test::slurp;
using qor::test::spit;

namespace {

class ImportanceFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file(importanceFileName("verbs"));
    std::string backup = dir.file("old.dat");
    ImportanceFile imp{path};
    const std::string run = sj("run,dash=走る,急ぐ*x");
    const std::string walk = sj("walk=歩く*y");
};

} // namespace

TEST_F(ImportanceFileTest, RaiseTwiceFromNothingGivesOneLineOfLevelTwo) {
    EXPECT_EQ(imp.levelOf(run).level, 0);
    EXPECT_FALSE(exists(path));
    ASSERT_TRUE(imp.raise(run));
    EXPECT_EQ(slurp(path), crlf({"1_" + run}));
    ASSERT_TRUE(imp.raise(run));
    EXPECT_EQ(slurp(path), crlf({"2_" + run}));
    EXPECT_EQ(imp.levelOf(run).level, 2);
    EXPECT_FALSE(exists(backup));
}

TEST_F(ImportanceFileTest, RaiseStopsAtFiveAndLowerTakesFiveToFour) {
    ASSERT_TRUE(imp.setLevel(run, 5));
    ASSERT_TRUE(imp.raise(run));
    EXPECT_EQ(slurp(path), crlf({"5_" + run}));
    ASSERT_TRUE(imp.lower(run));
    EXPECT_EQ(slurp(path), crlf({"4_" + run}));
    EXPECT_EQ(imp.levelOf(run).level, 4);
}

TEST_F(ImportanceFileTest, LowerRemovesLevelOneAndIgnoresUnratedWords) {
    spit(path, crlf({"1_" + run, "3_" + walk}));
    ASSERT_TRUE(imp.lower(run));
    EXPECT_EQ(slurp(path), crlf({"3_" + walk}));
    ASSERT_TRUE(imp.lower(run));  // no line: nothing at all
    EXPECT_EQ(slurp(path), crlf({"3_" + walk}));
    ASSERT_TRUE(imp.lower(walk));
    EXPECT_EQ(slurp(path), crlf({"2_" + walk}));
}

TEST_F(ImportanceFileTest, SetLevelReplacesRemovesOrLeavesTheFileUntouched) {
    // An unsorted file with LF line ends: a same-level set must keep every byte.
    const std::string original = "3_" + walk + "\n1_" + run + "\n";
    spit(path, original);
    ASSERT_TRUE(imp.setLevel(walk, 3));
    EXPECT_EQ(slurp(path), original);
    ASSERT_TRUE(imp.setLevel(sj("new=新*z"), 0));  // nothing to remove
    EXPECT_EQ(slurp(path), original);
    ASSERT_TRUE(imp.lower("not rated"));
    EXPECT_EQ(slurp(path), original);

    ASSERT_TRUE(imp.setLevel(walk, 2));
    EXPECT_EQ(slurp(path), crlf({"1_" + run, "2_" + walk}));
    ASSERT_TRUE(imp.setLevel(run, 0));
    EXPECT_EQ(slurp(path), crlf({"2_" + walk}));
    ASSERT_TRUE(imp.setLevel(run, 4));
    EXPECT_EQ(slurp(path), crlf({"2_" + walk, "4_" + run}));
    EXPECT_FALSE(exists(backup));
}

TEST_F(ImportanceFileTest, EveryChangeLeavesTheFileSortedWithoutRegardToCase) {
    spit(path, crlf({"2_zebra=z*z", "1_Banana=b*b", "1_apple=a*a", "1_" + sj("ヂ=ぢ*"),
                     "1_" + sj("ア=あ*")}));
    ASSERT_TRUE(imp.raise("1_cherry"));  // a line text may itself hold "_"
    // ア (0x83 0x41) and ヂ (0x83 0x61) differ although a letter-wise lower case of the
    // trail bytes would make them equal.
    EXPECT_EQ(slurp(path), crlf({"1_1_cherry", "1_apple=a*a", "1_Banana=b*b", "1_" + sj("ア=あ*"),
                                 "1_" + sj("ヂ=ぢ*"), "2_zebra=z*z"}));
    EXPECT_EQ(imp.levelOf("1_cherry").level, 1);
    EXPECT_EQ(imp.levelOf("cherry").level, 0);
}

TEST_F(ImportanceFileTest, LookupTakesTheTextAfterTheFirstUnderscoreExactly) {
    // ダ is 0x83 0x5F: its trail byte is "_", which must not be taken for the separator.
    spit(path, crlf({"3_" + sj("ダ_x=y*z"), sj("ダ_junk"), "4_ run=x*y", "5_a_b=c*d", "9_big=x*y"}));
    EXPECT_EQ(imp.levelOf(sj("ダ_x=y*z")).level, 3);
    EXPECT_EQ(imp.levelOf("junk").level, 0);
    EXPECT_EQ(imp.levelOf("run=x*y").level, 0);  // nothing is trimmed
    EXPECT_EQ(imp.levelOf(" run=x*y").level, 4);
    EXPECT_EQ(imp.levelOf("a_b=c*d").level, 5);
    EXPECT_EQ(imp.levelOf("big=x*y").level, 5);  // above 5 counts as 5

    ImportanceList all = imp.readAll();
    ASSERT_TRUE(all.status);
    ASSERT_EQ(all.entries.size(), 5u);
    EXPECT_EQ(all.entries[0].level, 3);
    EXPECT_EQ(all.entries[0].lineText, sj("ダ_x=y*z"));
    EXPECT_EQ(all.entries[1].level, 0);  // not a level: never chosen by a drill
    EXPECT_EQ(all.entries[3].lineText, "a_b=c*d");
}

TEST_F(ImportanceFileTest, AMissingFileReadsAsEmpty) {
    ImportanceList all = imp.readAll();
    EXPECT_TRUE(all.entries.empty());
    EXPECT_TRUE(all.status.isMissingFile());
    ImportanceLevel level = imp.levelOf(run);
    EXPECT_EQ(level.level, 0);
    EXPECT_TRUE(level.status);
}

TEST_F(ImportanceFileTest, AnInterruptedRewriteIsPutBackAtTheNextUse) {
    const std::string before = crlf({"1_" + run, "3_" + walk});
    // Died after keeping the old contents, while the new file was incomplete or gone.
    for (const std::string& left : {std::string("1_ru"), std::string("<missing>")}) {
        spit(backup, "[verbs_imp.dat]\r\n" + before);
        std::filesystem::remove(path);
        if (left != "<missing>")
            spit(path, left);
        EXPECT_EQ(imp.levelOf(walk).level, 3) << left;
        EXPECT_EQ(slurp(path), before) << left;
        EXPECT_FALSE(exists(backup)) << left;
    }
    // A change goes on from the recovered contents.
    spit(backup, "[verbs_imp.dat]\r\n" + before);
    std::filesystem::remove(path);
    ASSERT_TRUE(imp.raise(run));
    EXPECT_EQ(slurp(path), crlf({"2_" + run, "3_" + walk}));
    EXPECT_FALSE(exists(backup));
}

TEST_F(ImportanceFileTest, ALeftoverCopyOfAnotherDictionaryGoesBackToItsOwnFile) {
    const std::string nouns = dir.file(importanceFileName("nouns"));
    spit(backup, "[nouns_imp.dat]\r\n" + crlf({"2_cat=neko*x"}));
    spit(path, crlf({"1_" + run}));
    ASSERT_TRUE(imp.raise(run));
    EXPECT_EQ(slurp(nouns), crlf({"2_cat=neko*x"}));
    EXPECT_EQ(slurp(path), crlf({"2_" + run}));
    EXPECT_FALSE(exists(backup));
}

TEST_F(ImportanceFileTest, AnOldDatThisProgramDidNotWriteIsLeftAlone) {
    for (const std::string& foreign : {crlf({"1_a=b*c"}), std::string("[Setup.ini]\r\nx\r\n")}) {
        spit(backup, foreign);
        spit(path, crlf({"1_" + run}));
        ASSERT_TRUE(imp.raise(run));
        EXPECT_EQ(slurp(path), crlf({"2_" + run}));
        EXPECT_EQ(slurp(backup), foreign);
        EXPECT_FALSE(exists(dir.file("Setup.ini")));
    }
}

TEST_F(ImportanceFileTest, FailedWritesLoseNothingAndSayWhy) {
    spit(path, crlf({"1_" + run}));
    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.active())
            GTEST_SKIP() << "cannot make a read-only folder here";
        FileStatus s = imp.raise(run);
        EXPECT_FALSE(s);
        EXPECT_FALSE(s.reason().empty());
        EXPECT_FALSE(imp.setLevel(walk, 2));
        EXPECT_EQ(imp.levelOf(run).level, 1);  // reading still works
    }
    EXPECT_EQ(slurp(path), crlf({"1_" + run}));
    EXPECT_FALSE(exists(backup));

    // The importance file is a folder: reported with its path.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    FileStatus s = imp.raise(run);
    EXPECT_FALSE(s);
    EXPECT_EQ(s.path(), path);
    EXPECT_FALSE(imp.levelOf(run).status);
}
