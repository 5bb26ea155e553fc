#include "base/Cp932.h"
#include "base/IniFile.h"
#include "tests/support/TempDir.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

class DictionaryFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string dic = dir.file("verbs.txt");
};

} // namespace

TEST_F(DictionaryFileTest, ReadsLinesByIndexAnewEachTime) {
    spit(dic, crlf({sj("run=走る*x"), "", sj("walk=歩く*y")}));
    EXPECT_EQ(countLines(dic).count, 3u);
    DictionaryLine first = readLine(dic, 0);
    ASSERT_TRUE(first.status);
    EXPECT_TRUE(first.found);
    EXPECT_EQ(first.line, sj("run=走る*x"));
    EXPECT_TRUE(readLine(dic, 1).found);  // a blank line is an entry with empty parts
    EXPECT_EQ(readLine(dic, 1).line, "");
    EXPECT_EQ(readLine(dic, 2).line, sj("walk=歩く*y"));
    EXPECT_FALSE(readLine(dic, 3).found);
    EXPECT_TRUE(readLine(dic, 3).status);

    // The file is read again: an edit shows at once.
    spit(dic, crlf({"a=b*c"}));
    EXPECT_EQ(readLine(dic, 0).line, "a=b*c");
    EXPECT_EQ(countLines(dic).count, 1u);
}

TEST_F(DictionaryFileTest, LineEndsLikeTheTextFileReader) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\n\n", {"a", ""}},
        {"a\rb\r", {"a\rb\r"}},  // a CR not before LF stays
        {"x\r\r\n", {"x\r"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(countLinesIn(c.bytes), c.lines.size()) << c.bytes;
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(lineAt(c.bytes, i).value_or("<none>"), c.lines[i]) << c.bytes;
        EXPECT_FALSE(lineAt(c.bytes, c.lines.size()).has_value()) << c.bytes;
    }
}

TEST_F(DictionaryFileTest, FileTestVerdicts) {
    spit(dic, crlf({"apple=ringo*x", "no asterisk here"}));
    EXPECT_EQ(testDictionaryFile(dic).verdict, DictionaryVerdict::Accepted);
    spit(dic, "one=line*only");
    EXPECT_EQ(testDictionaryFile(dic).verdict, DictionaryVerdict::Accepted);
    // A "*" anywhere in the first line is enough.
    spit(dic, crlf({"*"}));
    EXPECT_EQ(testDictionaryFile(dic).verdict, DictionaryVerdict::Accepted);
    spit(dic, crlf({"apple=ringo", "b=c*d", "e=f*g"}));
    EXPECT_EQ(testDictionaryFile(dic).verdict, DictionaryVerdict::NotDictionary);
    spit(dic, crlf({"", "b=c*d"}));
    EXPECT_EQ(testDictionaryFile(dic).verdict, DictionaryVerdict::NotDictionary);
    spit(dic, "");
    DictionaryTest empty = testDictionaryFile(dic);
    EXPECT_EQ(empty.verdict, DictionaryVerdict::Empty);
    EXPECT_TRUE(empty.status);
}

TEST_F(DictionaryFileTest, UnreadableFilesNameThePathAndTheReason) {
    const std::string missing = dir.file("missing.txt");
    for (const auto& [path, error] : {std::pair{missing, ENOENT}, std::pair{dir.path(), EISDIR}}) {
        DictionaryTest t = testDictionaryFile(path);
        EXPECT_EQ(t.verdict, DictionaryVerdict::Unreadable);
        EXPECT_EQ(t.status.path(), path);
        EXPECT_EQ(t.status.errorNumber(), error);
        EXPECT_FALSE(t.status.reason().empty());
        EXPECT_FALSE(readLine(path, 0).status);
        EXPECT_FALSE(readLine(path, 0).found);
        EXPECT_FALSE(countLines(path).status);
    }
}

TEST_F(DictionaryFileTest, FileWithoutReadPermission) {
    spit(dic, crlf({"a=b*c"}));
    ::chmod(dic.c_str(), 0);
    if (::access(dic.c_str(), R_OK) == 0)
        GTEST_SKIP() << "permissions do not stop this user from reading";
    DictionaryTest t = testDictionaryFile(dic);
    EXPECT_EQ(t.verdict, DictionaryVerdict::Unreadable);
    EXPECT_EQ(t.status.errorNumber(), EACCES);
    EXPECT_EQ(t.status.path(), dic);
}

TEST_F(DictionaryFileTest, DictionaryPathsAreRememberedUnderTheFileName) {
    const std::string setup = dir.file("Setup.ini");
    EXPECT_EQ(rememberedDictionaryPath(setup, "verbs.txt"), "");
    ASSERT_TRUE(rememberDictionaryPath(setup, "/data/dictionary/verbs.txt"));
    ASSERT_TRUE(rememberDictionaryPath(setup, sj("/d/動詞.txt")));
    EXPECT_EQ(rememberedDictionaryPath(setup, "verbs.txt"), "/data/dictionary/verbs.txt");
    EXPECT_EQ(rememberedDictionaryPath(setup, sj("動詞.txt")), sj("/d/動詞.txt"));
    // The same file name in another folder replaces the path.
    ASSERT_TRUE(rememberDictionaryPath(setup, "/other/verbs.txt"));
    EXPECT_EQ(slurp(setup), crlf({"[Dictionary Path]", "verbs.txt=/other/verbs.txt",
                                  sj("動詞.txt=/d/動詞.txt")}));
}

TEST_F(DictionaryFileTest, TheListOfDictionariesGrowsOnlyByNewNames) {
    const std::string setup = dir.file("Setup.ini");
    EXPECT_TRUE(listedDictionaries(setup).empty());
    ASSERT_TRUE(addListedDictionary(setup, "verbs.txt"));
    ASSERT_TRUE(addListedDictionary(setup, "nouns.txt"));
    ASSERT_TRUE(addListedDictionary(setup, "verbs.txt"));
    EXPECT_EQ(listedDictionaries(setup), (std::vector<std::string>{"verbs.txt", "nouns.txt"}));
    EXPECT_EQ(slurp(setup), crlf({"[Dictionary]", "DicNum=2", "1=verbs.txt", "2=nouns.txt"}));
}

TEST_F(DictionaryFileTest, AHandEditedListNeverLosesAnEntry) {
    const std::string setup = dir.file("Setup.ini");
    // DicNum not a number: counts as the last numbered key, so key 1 is not overwritten.
    spit(setup, crlf({"[Dictionary]", "DicNum=x", "1=a.txt", "3=c.txt"}));
    EXPECT_EQ(listedDictionaries(setup), (std::vector<std::string>{"a.txt", "", "c.txt"}));
    ASSERT_TRUE(addListedDictionary(setup, "d.txt"));
    EXPECT_EQ(listedDictionaries(setup),
              (std::vector<std::string>{"a.txt", "", "c.txt", "d.txt"}));
    // A DicNum far beyond the keys offers no run of empty names.
    spit(setup, crlf({"[Dictionary]", "DicNum=1000000000", "1=a.txt"}));
    EXPECT_EQ(listedDictionaries(setup), std::vector<std::string>{"a.txt"});
}

TEST_F(DictionaryFileTest, ClearingTheListEmptiesEveryNumberedKeyAndKeepsThePaths) {
    const std::string setup = dir.file("Setup.ini");
    // Key 4 stands past a hand-edited DicNum: it is emptied too, and nothing else moves.
    spit(setup, crlf({"[Dictionary]", "DicNum=2", "1=a.txt", "2=b.txt", "4=d.txt", "",
                      "[Dictionary Path]", "a.txt=/x/a.txt"}));
    ASSERT_TRUE(clearListedDictionaries(setup));
    EXPECT_TRUE(listedDictionaries(setup).empty());
    EXPECT_EQ(slurp(setup), crlf({"[Dictionary]", "DicNum=0", "1=", "2=", "4=", "3=", "",
                                  "[Dictionary Path]", "a.txt=/x/a.txt"}));
    ASSERT_TRUE(addListedDictionary(setup, "e.txt"));
    EXPECT_EQ(listedDictionaries(setup), std::vector<std::string>{"e.txt"});
}

TEST_F(DictionaryFileTest, FileNamesThatCannotBeKeys) {
    EXPECT_TRUE(isRememberableFileName("verbs.txt"));
    EXPECT_TRUE(isRememberableFileName(sj("表ソ.txt")));
    EXPECT_FALSE(isRememberableFileName("a=b.txt"));
    EXPECT_FALSE(isRememberableFileName("[a].txt"));
    EXPECT_FALSE(isRememberableFileName("a\nb.txt"));
    EXPECT_FALSE(isRememberableFileName(""));
}

TEST_F(DictionaryFileTest, ASetupFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(dir.file("Setup.ini"));
    FileStatus s = rememberDictionaryPath(dir.file("Setup.ini"), "/x/verbs.txt");
    EXPECT_FALSE(s);
    EXPECT_EQ(s.path(), dir.file("Setup.ini"));
}

TEST(DictionaryPanel, ShowsThePathOrTheFileName) {
    EXPECT_EQ(dictionaryPanelText("/data/dictionary/noun.txt", true),
              sj(" 現在使用中の辞書 ： /data/dictionary/noun.txt"));
    EXPECT_EQ(dictionaryPanelText("/data/dictionary/noun.txt", false),
              sj(" 現在使用中の辞書 ： noun.txt"));
    EXPECT_EQ(dictionaryPanelText("", false), sj(" 現在使用中の辞書 ： "));
}

TEST(DictionaryRead, OneReadAnswersLinesCountAndLineNumbersLikeTheLineReader) {
    const std::string bytes = std::string("apple=a*x\r\nrun=r*y\n\r\nrun=r*y\r\n") +
                              "applepie=p*z\r\nlast\r";
    DictionaryRead read = DictionaryRead::ofBytes(bytes);
    ASSERT_EQ(read.count(), countLinesIn(bytes));
    for (std::size_t i = 0; i < read.count(); ++i)
        EXPECT_EQ(read.line(i), lineAt(bytes, i)) << i;
    EXPECT_FALSE(read.line(read.count()).has_value());
    // The first of two equal lines; a line that merely starts or ends alike is no match.
    EXPECT_EQ(read.indexOf("run=r*y"), 1u);
    EXPECT_EQ(read.indexOf("apple=a*x"), 0u);
    EXPECT_EQ(read.indexOf("applepie=p*z"), 4u);
    EXPECT_FALSE(read.indexOf("apple").has_value());
    EXPECT_FALSE(read.indexOf("pie=p*z").has_value());
    EXPECT_EQ(read.indexOf(""), 2u);
    // A last line without LF keeps its CR, as the line reader does.
    EXPECT_EQ(read.indexOf("last\r"), 5u);
    EXPECT_FALSE(read.indexOf("last").has_value());
    EXPECT_FALSE(read.indexOf("run=r*y\r\nrun").has_value());

    DictionaryRead empty = DictionaryRead::ofBytes("");
    EXPECT_EQ(empty.count(), 0u);
    EXPECT_FALSE(empty.indexOf("").has_value());
    EXPECT_FALSE(empty.line(0).has_value());
}

TEST(DictionaryRead, AFileThatCannotBeReadSaysWhy) {
    test::TempDir dir;
    DictionaryRead missing = DictionaryRead::of(dir.file("none.txt"));
    EXPECT_FALSE(missing.status());
    EXPECT_EQ(missing.status().path(), dir.file("none.txt"));
    EXPECT_EQ(missing.count(), 0u);
    spit(dir.file("d.txt"), crlf({"a=b*c", "d=e*f"}));
    DictionaryRead read = DictionaryRead::of(dir.file("d.txt"));
    EXPECT_TRUE(read.status());
    EXPECT_EQ(read.line(1), "d=e*f");
}
