// The word search on real dictionary files: where a text matches, head-only search, the
// rows and their comments, the progress reports, and the switches of section "Find".

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"
#include "tools/WordSearch.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

class WordSearchTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string dic = dir.file("verbs.txt");

    void SetUp() override {
        spit(dic, crlf({sj("run=走る*よく使う"), sj("rerun=再放送する*テレビ"),
                        sj("run out=尽きる*run とは別"), sj("Runner=走者*人"),
                        sj("see=見る*目で")}));
    }

    static std::vector<std::string> english(const WordSearchResult& r) {
        std::vector<std::string> out;
        for (const FoundWord& w : r.words)
            out.push_back(w.english);
        return out;
    }
    static std::vector<std::string> comments(const WordSearchResult& r) {
        std::vector<std::string> out;
        for (const FoundWord& w : r.words)
            out.push_back(w.comment);
        return out;
    }
};

} // namespace

TEST_F(WordSearchTest, ATextMatchesAnywhereInTheLineCaseSensitivelyInFileOrder) {
    WordSearchResult r = searchDictionary(dic, "run", false);
    ASSERT_TRUE(r.status);
    EXPECT_EQ(r.lines, 5u);
    // "Runner" differs in case; the comment of "run out" holds "run" too, once.
    EXPECT_EQ(english(r), (std::vector<std::string>{"run", "rerun", "run out"}));
    EXPECT_EQ(comments(r), (std::vector<std::string>{sj("よく使う"), sj("テレビ"), sj("run とは別")}));
    EXPECT_EQ(r.words[0].japanese, sj("走る"));
    EXPECT_EQ(r.words[0].dictionaryLine(), sj("run=走る*よく使う"));

    // Japanese and comment text are found as well.
    EXPECT_EQ(english(searchDictionary(dic, sj("見る"), false)), std::vector<std::string>{"see"});
    EXPECT_EQ(english(searchDictionary(dic, sj("テレビ"), false)), std::vector<std::string>{"rerun"});
    EXPECT_TRUE(searchDictionary(dic, "walk", false).words.empty());
}

TEST_F(WordSearchTest, HeadOnlyKeepsLinesThatBeginWithTheTextEachWithItsOwnComment) {
    WordSearchResult r = searchDictionary(dic, "run", true);
    EXPECT_EQ(english(r), (std::vector<std::string>{"run", "run out"}));
    EXPECT_EQ(comments(r), (std::vector<std::string>{sj("よく使う"), sj("run とは別")}));
    // A Japanese text is never at the head of an entry.
    EXPECT_TRUE(searchDictionary(dic, sj("走る"), true).words.empty());
}

TEST_F(WordSearchTest, AnEqualsSignFindsEveryEntryLineTheFirstIncluded) {
    spit(dic, "first=1*a\nno separator\r\nlast=2*b");
    WordSearchResult r = searchDictionary(dic, "=", false);
    EXPECT_EQ(r.lines, 3u);
    EXPECT_EQ(english(r), (std::vector<std::string>{"first", "last"}));
    EXPECT_EQ(comments(r), (std::vector<std::string>{"a", "b"}));
}

TEST_F(WordSearchTest, ALineWithoutSeparatorsSplitsAsEveryReaderSplitsIt) {
    spit(dic, crlf({sj("りんご*果物"), sj("apple=りんご")}));
    WordSearchResult r = searchDictionary(dic, sj("りんご"), false);
    ASSERT_EQ(r.words.size(), 2u);
    // No "=": empty English, the whole line is the rest.
    EXPECT_EQ(r.words[0].english, "");
    EXPECT_EQ(r.words[0].japanese, sj("りんご"));
    EXPECT_EQ(r.words[0].comment, sj("果物"));
    // No "*": empty Japanese, the rest is the comment.
    EXPECT_EQ(r.words[1].english, "apple");
    EXPECT_EQ(r.words[1].japanese, "");
    EXPECT_EQ(r.words[1].comment, sj("りんご"));
}

TEST_F(WordSearchTest, BytesAcrossACharacterBoundaryNeverMatch) {
    // "ア" is 83 41: its trail byte is "A". "ソ" and "表" end in 5C, the byte of "\".
    spit(dic, crlf({sj("x=アイス*y"), sj("y=ソフト*表"), "A=letter*z", "path=C:\\dir*w"}));
    EXPECT_EQ(english(searchDictionary(dic, "A", false)), std::vector<std::string>{"A"});
    EXPECT_EQ(english(searchDictionary(dic, "\\", false)), std::vector<std::string>{"path"});
    // A text whose first byte would be a trail byte, and one running on into the next
    // character: "A" + the lead byte of "イ" spans "アイ" from its middle.
    EXPECT_TRUE(searchDictionary(dic, "A" + sj("イ"), false).words.empty());
    EXPECT_EQ(english(searchDictionary(dic, sj("アイ"), false)), std::vector<std::string>{"x"});
    EXPECT_TRUE(searchDictionary(dic, "\\" + sj("フ"), false).words.empty());
}

TEST_F(WordSearchTest, ProgressIsReportedAFewDozenTimesEndingAtTheLastLine) {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i)
        lines.push_back("w" + std::to_string(i) + "=x*y");
    ASSERT_TRUE(writeLines(dic, lines));
    std::vector<std::pair<std::size_t, std::size_t>> reports;
    WordSearchResult r = searchDictionary(dic, "w99", false, [&](std::size_t done, std::size_t total) {
        reports.emplace_back(done, total);
    });
    EXPECT_EQ(r.words.size(), 11u);  // w99 and w990 .. w999
    ASSERT_GE(reports.size(), 2u);
    EXPECT_LE(reports.size(), kSearchProgressSteps + 1);
    EXPECT_EQ(reports.front(), (std::pair<std::size_t, std::size_t>{0, 1000}));
    EXPECT_EQ(reports.back(), (std::pair<std::size_t, std::size_t>{1000, 1000}));
    for (std::size_t i = 1; i < reports.size(); ++i)
        EXPECT_GT(reports[i].first, reports[i - 1].first);

    // An empty dictionary reports its start only.
    spit(dic, "");
    reports.clear();
    r = searchDictionary(dic, "w", false, [&](std::size_t done, std::size_t total) {
        reports.emplace_back(done, total);
    });
    EXPECT_TRUE(r.status);
    EXPECT_TRUE(r.words.empty());
    EXPECT_EQ(reports, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 0}}));
}

TEST_F(WordSearchTest, AnUnreadableDictionaryEndsTheSearchWithItsReason) {
    bool reported = false;
    WordSearchResult r = searchDictionary(dir.file("missing.txt"), "run", false,
                                          [&](std::size_t, std::size_t) { reported = true; });
    EXPECT_FALSE(r.status);
    EXPECT_TRUE(r.status.isMissingFile());
    EXPECT_EQ(r.status.path(), dir.file("missing.txt"));
    EXPECT_TRUE(r.words.empty());
    EXPECT_FALSE(reported);
    // "0", what an unknown name of the combo box once gave, is no file either.
    EXPECT_FALSE(searchDictionary("0", "run", false).status);
    EXPECT_FALSE(searchDictionary(dir.path(), "run", false).status);  // a folder
}

TEST(FindSwitches, AreOnOnlyForOneAndAreStoredAsZeroOrOne) {
    test::TempDir dir;
    const std::string ini = dir.file("Setup.ini");
    FindSwitches none = loadFindSwitches(ini);
    EXPECT_FALSE(none.addDicOn);
    EXPECT_FALSE(none.byHead);

    spit(ini, crlf({"[Setup]", "VoiceOn=1", "[Find]", "AddDicOn=2", "ByHead=1"}));
    FindSwitches read = loadFindSwitches(ini);
    EXPECT_FALSE(read.addDicOn);
    EXPECT_TRUE(read.byHead);

    ASSERT_TRUE(saveFindSwitches(ini, {true, false}));
    EXPECT_EQ(slurp(ini), crlf({"[Setup]", "VoiceOn=1", "[Find]", "AddDicOn=1", "ByHead=0"}));
}
