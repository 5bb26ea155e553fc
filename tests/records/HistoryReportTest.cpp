#include "records/HistoryReport.h"

#include "RecordsFixture.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

using namespace qor;
using namespace qor::test;

namespace {

HistoryDrill drill(const std::string& path, int questions, int right, const std::string& start,
                   const std::string& end, std::vector<std::string> missed = {}) {
    HistoryDrill d;
    d.dictionaryPath = path;
    d.questionCount = questions;
    d.correctCount = right;
    d.wrongCount = questions - right;
    d.percentage = questions ? (100 * right + questions / 2) / questions : 0;
    d.startTime = sj(start);
    d.endTime = sj(end);
    d.missedLines = std::move(missed);
    return d;
}

std::vector<HistoryDrill> tenSlots(std::vector<HistoryDrill> filled) {
    filled.resize(kHistoryRows);
    return filled;
}

const DateTime kToday{2002, 3, 3, 9, 30, 0};

} // namespace

class HistoryReportTest : public RecordsTest {
protected:
    std::vector<HistoryDrill> three = tenSlots(
        {drill("/d/verbs.txt", 10, 8, "9：5：07", "9：9：30"),
         drill("/d/nouns.txt", 5, 5, "9：10：01", "9：12：00"),
         drill("/e/verbs.txt", 4, 1, "10：0：00", "10：3：59")});
};

TEST_F(HistoryReportTest, TenRowsWithEmptySlotsAtZero) {
    std::vector<HistoryRow> rows = historyRows(tenSlots({}));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[9].number, 10);
    for (const HistoryRow& r : rows) {
        EXPECT_FALSE(r.holdsDrill());
        EXPECT_EQ(r.start, "");
        EXPECT_EQ(r.questions, "0");
        EXPECT_EQ(r.percent, sj("0％"));
    }
    rows = historyRows(three);
    EXPECT_EQ(rows[0].dictionary, "verbs.txt");
    EXPECT_EQ(rows[0].start, sj("9：5：07"));
    EXPECT_EQ(rows[0].wrong, "2");
    EXPECT_EQ(rows[0].percent, sj("80％"));
}

TEST_F(HistoryReportTest, APlainSaveOfNoDrillsIsTheDateAndTheClosingLine) {
    ASSERT_TRUE(saveHistory(file("history.txt"), historyRows(tenSlots({})), kToday,
                            HistoryFormat::Plain));
    EXPECT_EQ(read("history.txt"), crlf({sj("2002年3月3日"), "------------------------<<<", ""}));
}

TEST_F(HistoryReportTest, TwoPlainSavesOfThreeDrillsAppendTwoDatedBlocks) {
    const std::vector<HistoryRow> rows = historyRows(three);
    ASSERT_TRUE(saveHistory(file("history.txt"), rows, kToday, HistoryFormat::Plain));
    ASSERT_TRUE(saveHistory(file("history.txt"), rows, DateTime{2002, 12, 24}, HistoryFormat::Plain));
    const std::string block1 = crlf(
        {sj("2002年3月3日"),
         sj("No.1 9：5：07～9：9：30 verbs.txt 出：10問 正：8問 不：2問 率：80％"),
         sj("No.2 9：10：01～9：12：00 nouns.txt 出：5問 正：5問 不：0問 率：100％"),
         sj("No.3 10：0：00～10：3：59 verbs.txt 出：4問 正：1問 不：3問 率：25％"),
         "------------------------<<<", ""});
    const std::string block2 = crlf({sj("2002年12月24日")}) + block1.substr(block1.find("No.1"));
    EXPECT_EQ(read("history.txt"), block1 + block2);
}

TEST_F(HistoryReportTest, ACsvSaveHasTheHeaderAndAnEmptyLineAfterEveryRow) {
    // A file whose last line has no line break gets one first.
    put("history.csv", "old");
    std::vector<HistoryDrill> drills = three;
    drills[1].dictionaryPath = "/d/a,\"b\".txt";
    ASSERT_TRUE(saveHistory(file("history.csv"), historyRows(drills), kToday, HistoryFormat::Csv));
    EXPECT_EQ(read("history.csv"),
              crlf({"old", sj("2002年3月3日"),
                    sj("No.,開始時間,終了時間,使用辞書,出題数,正解数,不正解数,正解率"),
                    sj("1,9：5：07,9：9：30,verbs.txt,10,8,2,80％"), "",
                    // A name holding "," or a quote is one quoted field.
                    sj("2,9：10：01,9：12：00,\"a,\"\"b\"\".txt\",5,5,0,100％"), "",
                    sj("3,10：0：00,10：3：59,verbs.txt,4,1,3,25％"), ""}));
}

TEST_F(HistoryReportTest, ASaveThatCannotBeWrittenWritesNothing) {
    ASSERT_TRUE(makeFolder(file("history.txt")));
    FileStatus status =
        saveHistory(file("history.txt"), historyRows(three), kToday, HistoryFormat::Plain);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), file("history.txt"));

    put("kept.txt", crlf({"old"}));
    // A disk with room for 20 more bytes.
    static std::size_t room;
    room = 20;
    setWriteStepForTesting([](int fd, const void* data, std::size_t size) -> long {
        if (room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, room);
        room -= n;
        return static_cast<long>(::write(fd, data, n));
    });
    status = saveHistory(file("kept.txt"), historyRows(three), kToday, HistoryFormat::Csv);
    setWriteStepForTesting(nullptr);
    EXPECT_FALSE(status);
    EXPECT_EQ(read("kept.txt"), crlf({"old"}));
}

TEST_F(HistoryReportTest, TheMissedWordTextListsEnglishJapaneseAndComment) {
    HistoryDrill d = drill("/d/verbs.txt", 3, 1, "9：0：00", "9：1：00",
                           {sj("run,dash=走る,急ぐ*コメント"), sj("see=見る"), sj("later=後で*not missed")});
    EXPECT_EQ(missedWordText(d),
              sj("★間違えた問題リスト★\nrun,dash-走る,急ぐ-コメント\nsee--見る\n"));
    // No misses: no text.
    EXPECT_EQ(missedWordText(drill("/d/verbs.txt", 3, 3, "9：0：00", "9：1：00", {"x=y*z"})), "");
}

TEST_F(HistoryReportTest, ByHintIsStoredInShowHistory) {
    EXPECT_FALSE(readHistoryByHint(file("Setup.ini")));
    ASSERT_TRUE(writeHistoryByHint(file("Setup.ini"), true));
    EXPECT_EQ(read("Setup.ini"), crlf({"[Show History]", "ByHint=1"}));
    EXPECT_TRUE(readHistoryByHint(file("Setup.ini")));
    ASSERT_TRUE(writeHistoryByHint(file("Setup.ini"), false));
    EXPECT_FALSE(readHistoryByHint(file("Setup.ini")));
}

TEST_F(HistoryReportTest, TheMissedWordTextNamesTenWordsAndCountsTheRest) {
    std::vector<std::string> missed;
    for (int i = 0; i < 1000; ++i)
        missed.push_back("w" + std::to_string(i) + "=" + sj("語") + "*c");
    missed[0] = std::string(100000, 'a') + "=" + sj("長い") + "*c";
    const std::string text =
        missedWordText(drill("/d/verbs.txt", 1000, 0, "9：0：00", "9：1：00", missed));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);  // heading, ten, count, each ended
    EXPECT_NE(text.find(sj("\nほか 990 件\n")), std::string::npos);
    EXPECT_NE(text.find("\nw9-" + sj("語") + "-c\n"), std::string::npos);
    EXPECT_EQ(text.find("w10-"), std::string::npos);
    EXPECT_LT(text.size(), 2000u);
}
