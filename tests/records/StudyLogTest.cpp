#include "records/StudyLog.h"

#include "RecordsFixture.h"

using namespace qor;
using namespace qor::test;

namespace {

const std::string kRule(55, '=');

std::string block(const std::string& date, const std::string& start, const std::string& end,
                  const std::string& dic, int planned, int right, int wrong, int pct) {
    const std::string n = std::to_string(planned), r = std::to_string(right),
                      x = std::to_string(wrong), p = std::to_string(pct);
    return crlf({kRule, sj("学習開始 ： ") + date + sj("、   ") + start,
                 sj("学習終了 ： ") + date + sj("、   ") + end, sj("辞書 ： ") + dic,
                 sj("出題数 ： ") + n + sj("問"),
                 sj("正解数 ： ") + r + sj("問") + "\t" + sj("不正解数 ： ") + x + sj("問") + "\t" +
                     sj("正解率 ： ") + p + sj("％"),
                 kRule, ""});
}

} // namespace

class StudyLogTest : public RecordsTest {};

TEST_F(StudyLogTest, APerfectDrillWritesTheSevenLinesAndAnEmptyOne) {
    StudyLogEntry e{"verbs.txt", sj("21：3：15"), 10, 10, 0, 100};
    ASSERT_TRUE(StudyLog::MakeStudyLog(user, at(2001, 12, 9, 21, 9, 40), e));

    const std::string expected =
        block("12/9/2001", sj("21：3：15"), sj("21：9：40"), "verbs.txt", 10, 10, 0, 100);
    EXPECT_EQ(read("200112.txt"), expected);
    // The bytes themselves: full-width colons between half-width spaces, the comma and
    // three spaces, tabs, CR LF and the empty line.
    EXPECT_NE(expected.find(sj("不正解数 ： 0問")), std::string::npos);
    EXPECT_NE(expected.find("\x81\x41   21"), std::string::npos);  // "、" in CP932
    EXPECT_EQ(expected.substr(expected.size() - 4), "\r\n\r\n");
    EXPECT_EQ(expected.substr(0, 57), kRule + "\r\n");
}

TEST_F(StudyLogTest, TwoDrillsOfAMonthShareItsFileANewMonthStartsAnother) {
    StudyLogEntry first{"verbs.txt", sj("9：5：07"), 10, 8, 2, 80};
    StudyLogEntry second{sj("名詞.txt"), sj("23：59：50"), 3, 1, 2, 33};
    ASSERT_TRUE(StudyLog::MakeStudyLog(user, at(1999, 8, 9, 9, 10, 0), first));
    // A drill passing midnight shows the end date in both lines.
    ASSERT_TRUE(StudyLog::MakeStudyLog(user, at(1999, 8, 10, 0, 1, 2), second));

    const std::string august =
        block("8/9/1999", sj("9：5：07"), sj("9：10：00"), "verbs.txt", 10, 8, 2, 80) +
        block("8/10/1999", sj("23：59：50"), sj("0：1：02"), sj("名詞.txt"), 3, 1, 2, 33);
    EXPECT_EQ(read("19998.txt"), august);

    ASSERT_TRUE(StudyLog::MakeStudyLog(user, at(1999, 9, 1, 8, 0, 0), first));
    EXPECT_EQ(read("19998.txt"), august);
    EXPECT_EQ(read("19999.txt"),
              block("9/1/1999", sj("9：5：07"), sj("8：0：00"), "verbs.txt", 10, 8, 2, 80));
}

TEST_F(StudyLogTest, ALogThatCannotBeOpenedIsReportedAndNothingIsWritten) {
    makeFolder(file("19998.txt"));
    StudyLogEntry e{"verbs.txt", sj("9：5：07"), 1, 1, 0, 100};
    FileStatus status = StudyLog::MakeStudyLog(user, at(1999, 8, 9), e);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), file("19998.txt"));

    ReadOnlyFolder readOnly(user);
    if (!readOnly.active())
        GTEST_SKIP() << "no way to make a folder read-only here";
    status = StudyLog::MakeStudyLog(user, at(1999, 9, 1), e);
    readOnly.release();
    EXPECT_FALSE(status);
    EXPECT_FALSE(exists(file("19999.txt")));
}
