#include "base/Cp932.h"
#include "base/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

class IniFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("Setup.ini");
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    IniFile ini(path);
    EXPECT_EQ(ini.read("Setup", "ShowResult", "1"), "1");
    spit(path, crlf({"[Setup]", "A=x"}));
    IniFile again(path);
    EXPECT_EQ(again.read("Other", "A", "d"), "d");
    EXPECT_EQ(again.read("Setup", "B", " "), " ");
    EXPECT_EQ(again.read("Setup", "A", "d"), "x");
    EXPECT_FALSE(test::exists(dir.file("nothing.ini")));
}

TEST_F(IniFileTest, FirstWriteCreatesFileAndSection) {
    ASSERT_TRUE(IniFile::writeOne(path, "Date", "PrevYearMonth", "200212"));
    EXPECT_EQ(slurp(path), crlf({"[Date]", "PrevYearMonth=200212"}));
}

TEST_F(IniFileTest, NewKeysGoToTheEndOfTheirSectionNewSectionsToTheEnd) {
    spit(path, crlf({"[A]", "a1=1", "", "[B]", "b1=1"}));
    {
        IniFile ini(path);
        ini.write("A", "a2", "2");
        ini.write("C", "c1", "3");
        ini.write("B", "b2", "4");
        ASSERT_TRUE(ini.save());
    }
    EXPECT_EQ(slurp(path), crlf({"[A]", "a1=1", "a2=2", "", "[B]", "b1=1", "b2=4", "", "[C]",
                                 "c1=3"}));
}

TEST_F(IniFileTest, ExistingKeyIsReplacedInPlace) {
    spit(path, crlf({"[A]", "x=1", "y=2", "z=3"}));
    ASSERT_TRUE(IniFile::writeOne(path, "A", "y", "20"));
    EXPECT_EQ(slurp(path), crlf({"[A]", "x=1", "y=20", "z=3"}));
}

TEST_F(IniFileTest, NamesCompareByteForByteAndNothingIsTrimmed) {
    spit(path, crlf({"[Apple_]", " key = spaced ", "KEY=upper", "key=lower"}));
    IniFile ini(path);
    EXPECT_EQ(ini.read("Apple_", " key ", "-"), " spaced ");
    EXPECT_EQ(ini.read("Apple_", "key", "-"), "lower");
    EXPECT_EQ(ini.read("Apple_", "Key", "-"), "-");
    EXPECT_EQ(ini.read("apple_", "KEY", "-"), "-");
}

TEST_F(IniFileTest, ValueMayHoldEqualsSignsAndSectionNamesMayToo) {
    const std::string section = sj("問題=出題総数,正解総数,正解率％");
    spit(path, crlf({"[" + section + "]", "a=b=c", "COUNT=3"}));
    IniFile ini(path);
    EXPECT_EQ(ini.read(section, "a", ""), "b=c");
    EXPECT_EQ(ini.read(section, "COUNT", ""), "3");
}

TEST_F(IniFileTest, FileWithoutFinalLineBreakOrWithBareLineFeeds) {
    spit(path, "[A]\nx=1\r\ny=2");
    {
        IniFile ini(path);
        EXPECT_EQ(ini.read("A", "y", ""), "2");
        ini.write("A", "z", "3");
        ASSERT_TRUE(ini.save());
    }
    EXPECT_EQ(slurp(path), crlf({"[A]", "x=1", "y=2", "z=3"}));
}

TEST_F(IniFileTest, UnchangedLinesAreStoredAsReadWithCrLf) {
    // Bare LF, a CR inside a line, a blank line, a lone CR at the very end: every line is
    // kept as splitLines() cuts it, only its line end becomes CR LF.
    spit(path, "[A]\r\nx=1\n\r\n[B]\nk=v\rw\r\n;note\n\n[C]\ny=2\r");
    {
        IniFile ini(path);
        EXPECT_EQ(ini.read("B", "k", ""), "v\rw");
        ini.write("B", "k", "z");
        ini.write("B", "k", "zz");  // written twice in one object: the last one counts
        ini.write("C", "n", "3");
        EXPECT_EQ(ini.read("B", "k", ""), "zz");
        ASSERT_TRUE(ini.save());
    }
    EXPECT_EQ(slurp(path), crlf({"[A]", "x=1", "", "[B]", "k=zz", ";note", "", "[C]", "y=2\r",
                                 "n=3"}));
}

TEST_F(IniFileTest, BatchedWritesStoreTheSameBytesAsSingleWrites) {
    std::string single = dir.file("single.ini");
    IniFile::writeOne(single, "S", "Check", "1");
    for (int i = 1; i <= 3; ++i)
        IniFile::writeOne(single, "S", std::to_string(i), "0,0,0");
    IniFile::writeOne(single, "S", "2", "1,1,100");
    {
        IniFile batch(path);
        batch.write("S", "Check", "1");
        for (int i = 1; i <= 3; ++i)
            batch.write("S", std::to_string(i), "0,0,0");
        batch.write("S", "2", "1,1,100");
    }  // stored at close
    EXPECT_EQ(slurp(path), slurp(single));
}

TEST_F(IniFileTest, EntriesListASectionInFileOrderWithWrittenValues) {
    spit(path, crlf({"[A]", "b=1", "note", "a=x=y", "b=2", "[B]", "c=3"}));
    IniFile ini(path);
    ini.write("A", "new", "4");
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(ini.entries("A"), (Pairs{{"b", "1"}, {"a", "x=y"}, {"b", "2"}, {"new", "4"}}));
    EXPECT_EQ(ini.entries("B"), (Pairs{{"c", "3"}}));
    EXPECT_TRUE(ini.entries("C").empty());
}

TEST_F(IniFileTest, LineBreaksInValuesCannotBreakTheFile) {
    IniFile::writeOne(path, "A", "k", "one\r\ntwo");
    IniFile ini(path);
    EXPECT_EQ(ini.read("A", "k", ""), "one  two");
    EXPECT_EQ(ini.keys("A").size(), 1u);
}

TEST_F(IniFileTest, FailedStoreLeavesTheOldFileIntactAndSaysWhy) {
    spit(path, crlf({"[A]", "x=1"}));
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active())
        GTEST_SKIP() << "no way to make a folder read-only here";
    IniFile ini(path);
    ini.write("A", "x", "2");
    FileStatus status = ini.save();
    readOnly.release();
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.path(), path);
    EXPECT_FALSE(status.reason().empty());
    EXPECT_EQ(slurp(path), crlf({"[A]", "x=1"}));
}

TEST_F(IniFileTest, AFolderInThePlaceOfTheFileIsAFailureNotAnEmptyFile) {
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    IniFile ini(path);
    EXPECT_EQ(ini.read("A", "x", "d"), "d");
    ini.write("A", "x", "1");
    EXPECT_FALSE(ini.save().ok());
}

TEST_F(IniFileTest, RemovingKeysAndSections) {
    spit(path, crlf({"[A]", "x=1", "y=2", "", "[B]", "z=3"}));
    {
        IniFile ini(path);
        ini.removeKey("A", "x");
        ini.removeSection("B");
    }
    EXPECT_EQ(slurp(path), crlf({"[A]", "y=2", ""}));
}

TEST(ParseDecimal, AcceptsOnlyPlainDecimalNumbers) {
    EXPECT_EQ(parseDecimal("0"), 0);
    EXPECT_EQ(parseDecimal("-1"), -1);
    EXPECT_EQ(parseDecimal("8421376"), 8421376);
    EXPECT_EQ(parseDecimal("+5"), 5);
    EXPECT_FALSE(parseDecimal(""));
    EXPECT_FALSE(parseDecimal(" 1"));
    EXPECT_FALSE(parseDecimal("1 "));
    EXPECT_FALSE(parseDecimal("abc"));
    EXPECT_FALSE(parseDecimal("-"));
    EXPECT_FALSE(parseDecimal("99999999999999999999"));
}

TEST_F(IniFileTest, KeysHoldingEqualsSignsOrBracketsInFilesThatSplitAtTheLastEquals) {
    // Word keys such as "a_b=c" (a Japanese part "b=c") and "[be] going_x".
    {
        IniFile ini(path, IniFile::Split::AtLastEquals);
        ini.write("3", "a_b=c", "1");
        ini.write("3", "[be] going_x", "1");
    }
    for (int round = 2; round <= 3; ++round) {
        IniFile ini(path, IniFile::Split::AtLastEquals);
        EXPECT_EQ(ini.read("3", "a_b=c", "0"), std::to_string(round - 1));
        ini.write("3", "a_b=c", std::to_string(round));
        ini.write("3", "[be] going_x", std::to_string(round));
    }
    EXPECT_EQ(slurp(path), crlf({"[3]", "a_b=c=3", "[be] going_x=3"}));
    // Values may hold "=" where lines split at the first one, as ever.
    IniFile::writeOne(dir.file("rank.ini"), "verbs.txt", "Error1", "a_b=c");
    EXPECT_EQ(IniFile(dir.file("rank.ini")).read("verbs.txt", "Error1", ""), "a_b=c");
}
