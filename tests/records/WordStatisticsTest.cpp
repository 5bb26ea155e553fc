#include "records/WordStatistics.h"

#include "RecordsFixture.h"

using namespace qor;
using namespace qor::test;

namespace {

std::string wordSection() {
    return "[" + sj("問題=出題総数,正解総数,正解率％") + "]";
}

// A year statistics section: key `month` holds `value`, the others "0,0,0".
std::string yearSection(const std::string& name, int month, const std::string& value) {
    std::string out = "[" + name + "]\r\nCheck=1\r\n";
    for (int i = 1; i <= 12; ++i)
        out += std::to_string(i) + "=" + (i == month ? value : "0,0,0") + "\r\n";
    return out;
}

} // namespace

class WordStatisticsTest : public RecordsTest {
protected:
    std::string w = sj("run,dash_走る,急ぐ");

    // One judged answer as the drill records it: read, count, save.
    void answer(const DateTexts& now, const std::string& key, bool right) {
        WordStatistics stats(user, verbs, now);
        WordFigures word = stats.GetVocDetail(key);
        MonthFigures month = stats.GetYearDetail();
        word.count(right);
        month.count(right);
        ASSERT_TRUE(stats.VocDetailSave(key, word));
        ASSERT_TRUE(stats.SaveYearDetail(month));
    }
};

TEST_F(WordStatisticsTest, FirstAnswerOfTheYearWritesEveryMonthThenOnlyTheCurrentOne) {
    DateTexts march = at(2001, 3, 14);
    {
        WordStatistics stats(user, verbs, march);
        WordFigures word = stats.GetVocDetail(w);
        EXPECT_EQ(word.recorded, 1);  // the new word counts itself
        EXPECT_EQ(word.asked, 0);
        EXPECT_EQ(word.percent, "0");
    }
    answer(march, w, true);
    EXPECT_EQ(read("2001_verbs.dat"), crlf({wordSection(), "COUNT=1", w + "=1,1,100"}));
    EXPECT_EQ(read("2001.dat"), yearSection("verbs.txt", 3, "1,1,100"));

    answer(march, w, false);
    EXPECT_EQ(read("2001_verbs.dat"), crlf({wordSection(), "COUNT=1", w + "=2,1,50"}));
    EXPECT_EQ(read("2001.dat"), yearSection("verbs.txt", 3, "2,1,50"));

    // Another word, another month: the word count grows, April joins March.
    DateTexts april = at(2001, 4, 1);
    answer(april, "go_x", false);
    EXPECT_EQ(read("2001_verbs.dat"),
              crlf({wordSection(), "COUNT=2", w + "=2,1,50", "go_x=1,0,0"}));
    std::string year = yearSection("verbs.txt", 3, "2,1,50");
    year.replace(year.find("4=0,0,0"), 7, "4=1,0,0");
    EXPECT_EQ(read("2001.dat"), year);
    // Figures read back as stored.
    WordStatistics stats(user, verbs, april);
    WordFigures word = stats.GetVocDetail(w);
    EXPECT_EQ(word.recorded, 2);
    EXPECT_EQ(word.asked, 2);
    EXPECT_EQ(word.right, 1);
    EXPECT_EQ(word.percent, "50");
    MonthFigures month = stats.GetYearDetail();
    EXPECT_EQ(month.asked, 1);
    EXPECT_EQ(month.right, 0);
}

TEST_F(WordStatisticsTest, OnFirstJanuaryANewYearStartsNewFiles) {
    answer(at(2001, 12, 31, 23, 59, 0), w, true);
    const std::string oldWords = read("2001_verbs.dat");
    const std::string oldYear = read("2001.dat");

    answer(at(2002, 1, 1, 0, 0, 30), w, false);
    EXPECT_EQ(read("2001_verbs.dat"), oldWords);
    EXPECT_EQ(read("2001.dat"), oldYear);
    EXPECT_EQ(read("2002_verbs.dat"), crlf({wordSection(), "COUNT=1", w + "=1,0,0"}));
    EXPECT_EQ(read("2002.dat"), yearSection("verbs.txt", 1, "1,0,0"));
}

TEST_F(WordStatisticsTest, AnAnswerIsSavedWithTheYearItWasCheckedIn) {
    WordStatistics stats(user, verbs, at(2001, 12, 31, 23, 59, 59));
    WordFigures word = stats.GetVocDetail(w);
    MonthFigures month = stats.GetYearDetail();
    word.count(false);
    month.count(false);
    at(2002, 1, 1);  // the verdict box stayed open over midnight
    ASSERT_TRUE(stats.VocDetailSave(w, word));
    ASSERT_TRUE(stats.SaveYearDetail(month));
    EXPECT_EQ(files(), (std::set<std::string>{"2001_verbs.dat", "2001.dat"}));
    EXPECT_EQ(read("2001.dat"), yearSection("verbs.txt", 12, "1,0,0"));
}

TEST_F(WordStatisticsTest, FiguresFollowThePercentageRule) {
    AnswerFigures f;
    f.count(true);
    for (int i = 0; i < 7; ++i)
        f.count(false);
    EXPECT_EQ(f.percent, "13");  // 1 of 8
    AnswerFigures g;
    g.count(false);
    g.count(true);
    g.count(true);
    EXPECT_EQ(g.percent, "67");
    g.count(false);
    g.accept();  // declared right in the error dialog
    EXPECT_EQ(g.asked, 4);
    EXPECT_EQ(g.right, 3);
    EXPECT_EQ(g.percent, "75");
}

TEST_F(WordStatisticsTest, AFileThatCannotBeReadIsNeverOverwritten) {
    // The year statistics "file" is a folder: its save must fail, the words' succeed.
    makeFolder(file("2001.dat"));
    WordStatistics stats(user, verbs, at(2001, 3, 14));
    WordFigures word = stats.GetVocDetail(w);
    MonthFigures month = stats.GetYearDetail();
    word.count(true);
    month.count(true);
    EXPECT_TRUE(stats.VocDetailSave(w, word));
    FileStatus status = stats.SaveYearDetail(month);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), file("2001.dat"));
}

TEST_F(WordStatisticsTest, AReadOnlyUserFolderKeepsTheOldStatistics) {
    answer(at(2001, 3, 14), w, true);
    const std::string words = read("2001_verbs.dat");
    const std::string year = read("2001.dat");
    ReadOnlyFolder readOnly(user);
    if (!readOnly.active())
        GTEST_SKIP() << "no way to make a folder read-only here";

    WordStatistics stats(user, verbs, at(2001, 3, 15));
    WordFigures word = stats.GetVocDetail(w);
    MonthFigures month = stats.GetYearDetail();
    word.count(false);
    month.count(false);
    FileStatus wordStatus = stats.VocDetailSave(w, word);
    FileStatus yearStatus = stats.SaveYearDetail(month);
    int slot = 0;
    FileStatus drillStatus = WordStatistics::SaveStudyDetail(user, "verbs.txt", slot, 50);
    readOnly.release();

    EXPECT_EQ(wordStatus.path(), file("2001_verbs.dat"));
    EXPECT_FALSE(wordStatus.reason().empty());
    EXPECT_EQ(yearStatus.path(), file("2001.dat"));
    EXPECT_EQ(drillStatus.path(), file("Temp.dat"));
    EXPECT_EQ(read("2001_verbs.dat"), words);
    EXPECT_EQ(read("2001.dat"), year);
    EXPECT_EQ(files(), (std::set<std::string>{"2001_verbs.dat", "2001.dat"}));
}

// --- recent drills ---

TEST_F(WordStatisticsTest, FirstCompletedDrillFillsTheTwelveSlots) {
    int slot = WordStatistics::readRecentSlot(user, "verbs.txt");
    EXPECT_EQ(slot, 0);
    ASSERT_TRUE(WordStatistics::SaveStudyDetail(user, "verbs.txt", slot, 70));
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(read("Temp.dat"), crlf({"[verbs.txt]", "Check=1", "1=70", "2=0", "3=0", "4=0", "5=0",
                                      "6=0", "7=0", "8=0", "9=0", "10=0", "11=0", "12=0",
                                      "Count=1"}));
    EXPECT_EQ(WordStatistics::readRecentSlot(user, "verbs.txt"), 1);

    ASSERT_TRUE(WordStatistics::SaveStudyDetail(user, "verbs.txt", slot, 100));
    EXPECT_EQ(read("Temp.dat"), crlf({"[verbs.txt]", "Check=1", "1=70", "2=100", "3=0", "4=0",
                                      "5=0", "6=0", "7=0", "8=0", "9=0", "10=0", "11=0", "12=0",
                                      "Count=2"}));
}

TEST_F(WordStatisticsTest, TheThirteenthDrillOverwritesTheFirstSlot) {
    const std::string others = crlf({"[nouns.txt]", "Check=1", "Count=3"});
    put("Temp.dat", others + "\r\n" +
                        crlf({"[verbs.txt]", "Check=1", "1=10", "2=20", "3=30", "4=40", "5=50",
                              "6=60", "7=70", "8=80", "9=90", "10=100", "11=11", "12=12",
                              "Count=12"}));
    int slot = WordStatistics::readRecentSlot(user, "verbs.txt");
    EXPECT_EQ(slot, 12);
    ASSERT_TRUE(WordStatistics::SaveStudyDetail(user, "verbs.txt", slot, 99));
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(read("Temp.dat"), others + "\r\n" +
                                    crlf({"[verbs.txt]", "Check=1", "1=99", "2=20", "3=30",
                                          "4=40", "5=50", "6=60", "7=70", "8=80", "9=90",
                                          "10=100", "11=11", "12=12", "Count=1"}));
}

TEST_F(WordStatisticsTest, ASlotOutsideTheRingReadsAsNoDrill) {
    put("Temp.dat", crlf({"[verbs.txt]", "Count=-4", "", "[nouns.txt]", "Count=13", "",
                          "[adj.txt]", "Count=x"}));
    EXPECT_EQ(WordStatistics::readRecentSlot(user, "verbs.txt"), 0);
    EXPECT_EQ(WordStatistics::readRecentSlot(user, "nouns.txt"), 0);
    EXPECT_EQ(WordStatistics::readRecentSlot(user, "adj.txt"), 0);
    EXPECT_EQ(WordStatistics::readRecentSlot(user, "none.txt"), 0);
}
