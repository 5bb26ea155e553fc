#include "records/PercentList.h"

#include "RecordsFixture.h"

using namespace qor;
using namespace qor::test;

namespace {

std::string header() {
    return "[" + sj("問題=出題総数,正解総数,正解率％") + "]";
}

} // namespace

class PercentListTest : public RecordsTest {
protected:
    std::string dictionary = dir.file("dic/verbs.txt");

    void SetUp() override {
        RecordsTest::SetUp();
        makeFolder(dir.file("dic"));
        writeLines(dictionary, {sj("run=走る*x"), sj("see=見る*y"), sj("go=行く*z"),
                                sj("eat=食べる*w"), sj("swim=泳ぐ*v")});
        put("Setup.ini", crlf({"[Dictionary Path]", "verbs.txt=" + dictionary}));
    }

    void statistics(std::initializer_list<std::string_view> lines, const std::string& year = "2001") {
        put(year + "_verbs.dat", crlf(lines));
    }

    PercentList view(MasteryRule rule, int threshold, const std::string& year = "2001") {
        return readPercentList(user, "verbs.txt", year, rule, threshold);
    }
};

TEST_F(PercentListTest, CountThreeListsThreeRowsAndTheDictionaryGivesTheWordCount) {
    // A fourth word line after the three that COUNT names is not listed.
    const std::string see = sj("see_見る=4,3,75");
    const std::string tooMany = sj("eat_食べる=1,1,100");
    statistics({header(), "COUNT=3", sj("run_走る=2,1,50"), see, sj("go_行く=3,3,100"), tooMany});
    PercentList list = view(MasteryRule::ByRightCount, 3);
    ASSERT_TRUE(list.status) << list.status.reason();
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.rows[0].english, "run");
    EXPECT_EQ(list.rows[0].japanese, sj("走る"));
    EXPECT_EQ(list.rows[0].asked, 2);
    EXPECT_EQ(list.rows[0].right, 1);
    EXPECT_EQ(list.rows[0].percent, 50);
    EXPECT_EQ(list.rows[1].english, "see");
    EXPECT_EQ(list.rows[2].english, "go");
    // Right count at least 3: see and go.
    EXPECT_FALSE(list.rows[0].mastered);
    EXPECT_TRUE(list.rows[1].mastered);
    EXPECT_TRUE(list.rows[2].mastered);
    EXPECT_EQ(list.mastered, 2);
    // n is the dictionary's lines, not the rows.
    EXPECT_EQ(list.words, 5u);
}

TEST_F(PercentListTest, ByPercentageTheThresholdItselfIsMastered) {
    statistics({header(), "COUNT=2", sj("run_走る=5,4,80"), sj("see_見る=100,79,79")});
    PercentList list = view(MasteryRule::ByPercent, 80);
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_TRUE(list.rows[0].mastered);
    EXPECT_FALSE(list.rows[1].mastered);
    EXPECT_EQ(percentCell(list.rows[0], PercentColumn::Percent), sj("80 ％"));
    EXPECT_EQ(percentCell(list.rows[0], PercentColumn::Mastered), sj("  ◎"));
    EXPECT_EQ(percentCell(list.rows[1], PercentColumn::Mastered), sj("  ×"));
    EXPECT_EQ(percentCell(list.rows[1], PercentColumn::Asked), "100");
    EXPECT_EQ(percentCell(list.rows[1], PercentColumn::Right), "79");
    EXPECT_EQ(list.mastered, 1);

    // The same file by right count 79: both.
    EXPECT_EQ(view(MasteryRule::ByRightCount, 79).mastered, 1);
    EXPECT_EQ(view(MasteryRule::ByRightCount, 4).mastered, 2);
}

TEST_F(PercentListTest, TheWordKeySplitsAtItsFirstUnderscoreAndTheValueAtTheLastEquals) {
    // An English part with "_", a Japanese part with "=" (the value never holds one), and
    // a katakana whose second byte is "_" (ダ is 0x83 0x5F).
    statistics({header(), "COUNT=3", sj("ice_cream_アイス=1,0,0"), sj("x_a=b=2,2,100"),
                sj("ダンス_踊り=1,1,100")});
    PercentList list = view(MasteryRule::ByRightCount, 1);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.rows[0].english, "ice");
    EXPECT_EQ(list.rows[0].japanese, sj("cream_アイス"));
    EXPECT_EQ(list.rows[1].english, "x");
    EXPECT_EQ(list.rows[1].japanese, "a=b");
    EXPECT_EQ(list.rows[1].asked, 2);
    EXPECT_EQ(list.rows[2].english, sj("ダンス"));
    EXPECT_EQ(list.rows[2].japanese, sj("踊り"));
}

TEST_F(PercentListTest, MissingFilesShowTheDefaults) {
    // No statistics for that year: no rows, the words still counted.
    PercentList none = view(MasteryRule::ByRightCount, 1, "1999");
    EXPECT_TRUE(none.status);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.words, 5u);

    // A dictionary that is not remembered, or whose file is gone, counts no words; its
    // statistics are listed all the same.
    statistics({header(), "COUNT=1", sj("run_走る=1,1,100")});
    PercentList unknown = readPercentList(user, "nouns.txt", "2001", MasteryRule::ByRightCount, 1);
    EXPECT_TRUE(unknown.status);
    EXPECT_EQ(unknown.words, 0u);
    ASSERT_TRUE(removeFile(dictionary));
    PercentList gone = view(MasteryRule::ByRightCount, 1);
    EXPECT_TRUE(gone.status);
    EXPECT_EQ(gone.words, 0u);
    EXPECT_EQ(gone.rows.size(), 1u);
    EXPECT_EQ(gone.mastered, 1);

    // A COUNT larger than the lines lists the lines there are.
    statistics({header(), "COUNT=9", sj("run_走る=1,1,100")});
    EXPECT_EQ(view(MasteryRule::ByRightCount, 1).rows.size(), 1u);
}

TEST_F(PercentListTest, AFileThatCannotBeReadListsNothingAndSaysWhich) {
    statistics({header(), "COUNT=1", sj("run_走る=1,1,100")});
    ASSERT_TRUE(removeFile(dictionary));
    ASSERT_TRUE(makeFolder(dictionary));  // a folder in the dictionary's place
    PercentList list = view(MasteryRule::ByRightCount, 1);
    EXPECT_FALSE(list.status);
    EXPECT_EQ(list.status.path(), dictionary);
    EXPECT_TRUE(list.rows.empty());

    std::filesystem::remove(dictionary);
    ASSERT_TRUE(writeLines(dictionary, {sj("run=走る*x")}));
    ASSERT_TRUE(makeFolder(file("2002_verbs.dat")));
    PercentList statisticsGone = view(MasteryRule::ByRightCount, 1, "2002");
    EXPECT_FALSE(statisticsGone.status);
    EXPECT_EQ(statisticsGone.status.path(), file("2002_verbs.dat"));
    EXPECT_TRUE(statisticsGone.rows.empty());
}

TEST_F(PercentListTest, RowsSortByEnglishWithoutLetterCaseAndByFiguresStably) {
    std::vector<PercentRow> rows{{"see", "a", 1, 1, 100, true}, {"Apple", "b", 3, 0, 0, false},
                                 {"apple", "c", 2, 1, 50, false}, {"Bird", "d", 2, 1, 50, false}};
    // Apple, apple (in file order), Bird, see.
    EXPECT_EQ(sortedPercentOrder(rows, PercentColumn::English),
              (std::vector<std::size_t>{1, 2, 3, 0}));
    // 100, then the two 50s in file order, then 0.
    EXPECT_EQ(sortedPercentOrder(rows, PercentColumn::Percent, true),
              (std::vector<std::size_t>{0, 2, 3, 1}));
    EXPECT_EQ(sortedPercentOrder(rows, PercentColumn::Asked), (std::vector<std::size_t>{0, 2, 3, 1}));
}

TEST_F(PercentListTest, ThresholdsAreReadInTheirRangesAndWrittenToShowPercent) {
    MasteryThresholds defaults = MasteryThresholds::read(file("Setup.ini"));
    EXPECT_EQ(defaults.byRightCount, 1);
    EXPECT_EQ(defaults.byPercent, 50);

    put("Setup.ini", crlf({"[Show Percent]", "AANum=5000", "APercent=x"}));
    MasteryThresholds odd = MasteryThresholds::read(file("Setup.ini"));
    EXPECT_EQ(odd.byRightCount, 1000);
    EXPECT_EQ(odd.byPercent, 50);

    put("Setup.ini", crlf({"[Setup]", "VoiceOn=1"}));
    ASSERT_TRUE((MasteryThresholds{7, 80}.write(file("Setup.ini"))));
    EXPECT_EQ(read("Setup.ini"),
              crlf({"[Setup]", "VoiceOn=1", "", "[Show Percent]", "AANum=7", "APercent=80"}));
}

TEST_F(PercentListTest, TheYearsRunFrom1999ToThisYear) {
    EXPECT_EQ(statisticsYears(2002), (std::vector<int>{1999, 2000, 2001, 2002}));
    EXPECT_EQ(statisticsYears(1999), std::vector<int>{1999});
}
