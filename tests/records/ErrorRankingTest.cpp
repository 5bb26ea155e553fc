#include "records/DailyRecord.h"
#include "records/ErrorRanking.h"

#include "RecordsFixture.h"

using namespace qor;
using namespace qor::test;

namespace {

Ranking ranking(std::initializer_list<RankPlace> places) {
    Ranking r;
    std::size_t i = 0;
    for (const RankPlace& p : places)
        r[i++] = p;
    return r;
}

// A section as the update writes it.
std::string section(const std::string& name, const Ranking& r) {
    std::string out = "[" + name + "]\r\n";
    for (std::size_t i = 0; i < r.size(); ++i)
        out += "Error" + std::to_string(i + 1) + "=" + r[i].word + "\r\n";
    for (std::size_t i = 0; i < r.size(); ++i)
        out += "Num" + std::to_string(i + 1) + "=" + std::to_string(r[i].count) + "\r\n";
    return out;
}

const Ranking kFull = ranking({{"a_1", 5}, {"b_2", 4}, {"c_3", 4}, {"d_4", 3}, {"e_5", 2},
                               {"f_6", 2}});

} // namespace

class ErrorRankingTest : public RecordsTest {};

TEST_F(ErrorRankingTest, ANewcomerThatTiesTheSixthIsDropped) {
    put("error5.cun", section("verbs.txt", kFull));
    ASSERT_TRUE(ErrorRanking::update(user, "verbs.txt", "g_7", 2));
    EXPECT_EQ(read("error5.cun"), section("verbs.txt", kFull));
}

TEST_F(ErrorRankingTest, ANewcomerWithMoreEntersBelowItsEqualsAndTheLastIsDropped) {
    put("error5.cun", section("verbs.txt", kFull));
    ASSERT_TRUE(ErrorRanking::update(user, "verbs.txt", "g_7", 3));
    EXPECT_EQ(read("error5.cun"),
              section("verbs.txt", ranking({{"a_1", 5}, {"b_2", 4}, {"c_3", 4}, {"d_4", 3},
                                            {"g_7", 3}, {"e_5", 2}})));
}

TEST_F(ErrorRankingTest, UnfilledPlacesAreAlwaysOvertaken) {
    Ranking two = ranking({{"a_1", 3}, {"b_2", 1}});
    EXPECT_EQ(ErrorRanking::ranked(two, "c_3", 1),
              ranking({{"a_1", 3}, {"b_2", 1}, {"c_3", 1}}));
    EXPECT_EQ(ErrorRanking::ranked(two, "c_3", 2),
              ranking({{"a_1", 3}, {"c_3", 2}, {"b_2", 1}}));
    // A missing file and section read as six unfilled places.
    EXPECT_EQ(ErrorRanking::read(user, "verbs.txt"), Ranking{});
}

TEST_F(ErrorRankingTest, EveryPlaceHoldingTheWordGainsOne) {
    // Only a hand-edited file holds a word twice; both places count the miss.
    Ranking twice = ranking({{"a_1", 5}, {"x_9", 4}, {"x_9", 3}});
    EXPECT_EQ(ErrorRanking::ranked(twice, "x_9", 7),
              ranking({{"a_1", 5}, {"x_9", 5}, {"x_9", 4}}));
}

TEST_F(ErrorRankingTest, ARankedWordMissedInANewMonthGainsOneOnItsRankingCount) {
    put("Setup.ini", crlf({"[Date]", "PrevYearMonth=19998"}));
    put("error5.cun", section("verbs.txt", kFull));
    DailyRecord record{user};
    RecordWord c{3, "c_3", ""};
    ASSERT_TRUE(record.SaveData({"verbs.txt", "verbs"}, c, at(1999, 9, 1)));

    IniFile daily(file("19999_verbs.dat"));
    EXPECT_EQ(daily.read("9", "c_3", "?"), "1");  // its month count
    EXPECT_EQ(read("error5.cun"),
              section("verbs.txt", ranking({{"a_1", 5}, {"c_3", 5}, {"b_2", 4}, {"d_4", 3},
                                            {"e_5", 2}, {"f_6", 2}})));
}

TEST_F(ErrorRankingTest, WordKeysDifferingInLetterCaseAreDifferentWords) {
    const std::string upper = sj("Apple_りんご");
    const std::string lower = sj("apple_りんご");
    put("error5.cun", section("verbs.txt", ranking({{upper, 3}})));
    ASSERT_TRUE(ErrorRanking::update(user, "verbs.txt", lower, 1));
    EXPECT_EQ(read("error5.cun"), section("verbs.txt", ranking({{upper, 3}, {lower, 1}})));
    ASSERT_TRUE(ErrorRanking::update(user, "verbs.txt", upper, 1));
    EXPECT_EQ(ErrorRanking::read(user, "verbs.txt"), ranking({{upper, 4}, {lower, 1}}));
}

TEST_F(ErrorRankingTest, DictionariesOfTheSameFileNameShareOneSectionOthersAreLeftAlone) {
    put("error5.cun", section("nouns.txt", ranking({{"cat_neko", 2}})));
    DailyRecord record{user};
    DateTexts now = at(2001, 3, 5);
    // The same file name in two folders names the same section (and the same record files).
    for (const std::string path : {"/home/a/verbs.txt", "/media/b/verbs.txt"}) {
        RecordDictionary dic{fileNameOf(path), "verbs"};
        RecordWord w{1, path == "/home/a/verbs.txt" ? "run_hashiru" : "go_iku", ""};
        ASSERT_TRUE(record.SaveData(dic, w, now));
    }
    EXPECT_EQ(read("error5.cun"), section("nouns.txt", ranking({{"cat_neko", 2}})) + "\r\n" +
                                      section("verbs.txt", ranking({{"run_hashiru", 1},
                                                                    {"go_iku", 1}})));
}
