// The rows of the custom question list, its rules and its save.

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "records/RecordFiles.h"
#include "tests/support/TempDir.h"
#include "tools/CustomQuestionList.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

class CustomQuestionListTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string user = dir.file("Taro");
    std::string dic = dir.file("verbs.txt");
    DateTexts now = DateTexts::of(DateTime{2001, 3, 4, 9, 0, 0});
    CustomQuestionList list;

    void SetUp() override {
        makeFolder(user);
        spit(dic, crlf({sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z"), sj("see=見る*w")}));
        // This year's figures of three of the words; last year's file must not count.
        spit(user + "/2001_verbs.dat",
             crlf({sj("[問題=出題総数,正解総数,正解率％]"), "COUNT=3", sj("run_走る=4,1,25"),
                   sj("eat_食べる=2,2,100"), sj("go_行く=0"), sj("run_走る=9,9,100")}));
        spit(user + "/2000_verbs.dat",
             crlf({sj("[問題=出題総数,正解総数,正解率％]"), sj("see_見る=5,5,100")}));
        ASSERT_TRUE(list.load(dic, user, now));
    }

    std::vector<bool> ticks() const {
        std::vector<bool> out;
        for (const CustomRow& r : list.rows())
            out.push_back(r.ticked);
        return out;
    }
};

} // namespace

TEST(CustomFigures, ValueSplitsIntoAskedRightAndPercentage) {
    CustomFigures f = figuresOfValue("5,3,60");
    EXPECT_EQ(f.asked, 5);
    EXPECT_EQ(f.right, 3);
    EXPECT_EQ(f.percent, 60);
    CustomFigures never = figuresOfValue("0");
    EXPECT_EQ(never.asked + never.right + never.percent, 0);
    // The percentage is the text after the last comma.
    CustomFigures odd = figuresOfValue("7,2,x,29");
    EXPECT_EQ(odd.asked, 7);
    EXPECT_EQ(odd.right, 2);
    EXPECT_EQ(odd.percent, 29);
}

TEST_F(CustomQuestionListTest, RowsFollowTheDictionaryWithThisYearsFigures) {
    ASSERT_EQ(list.size(), 4);
    const CustomRow& run = list.rows()[0];
    EXPECT_EQ(run.line, sj("run=走る*x"));
    EXPECT_EQ(run.english, "run");
    EXPECT_EQ(run.japanese, sj("走る"));
    EXPECT_EQ(run.comment, "x");
    EXPECT_EQ(run.key, sj("run_走る"));
    // The first of two equal keys counts, as every reader of the file takes it.
    EXPECT_EQ(run.asked, 4);
    EXPECT_EQ(run.right, 1);
    EXPECT_EQ(run.percent, 25);
    EXPECT_EQ(list.rows()[1].percent, 100);
    EXPECT_EQ(list.rows()[2].asked, 0);
    EXPECT_EQ(list.rows()[3].asked, 0);  // only last year's file knows it
    EXPECT_EQ(list.tickedCount(), 0);
    EXPECT_EQ(list.fileName(), "verbs.txt");
    EXPECT_TRUE(list.builtFor(dic));
    EXPECT_TRUE(list.builtFor("/elsewhere/verbs.txt"));
    EXPECT_FALSE(list.builtFor(dir.file("nouns.txt")));
}

TEST_F(CustomQuestionListTest, AnUnreadableDictionaryLeavesNoRowsAndNothingRemembered) {
    FileStatus status = list.load(dir.file("missing.txt"), user, now);
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.isMissingFile());
    EXPECT_EQ(list.size(), 0);
    EXPECT_FALSE(list.builtFor(dir.file("missing.txt")));
}

TEST_F(CustomQuestionListTest, PercentageAtMostFiftyTicksTheWordsNeverAsked) {
    int changed = list.applyRule(CustomRule::Percent, RuleCompare::AtMost, 50, true, user, now);
    EXPECT_EQ(changed, 3);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(list.tickedCount(), 3);
    // The same rule again changes nothing and counts nothing twice.
    EXPECT_EQ(list.applyRule(CustomRule::Percent, RuleCompare::AtMost, 50, true, user, now), 0);
    EXPECT_EQ(list.tickedCount(), 3);
}

TEST_F(CustomQuestionListTest, RulesAddToTheTicksAndResetOnlyUnticksMatches) {
    list.setTicked(1, true);
    // Asked at least 3 times: only run.
    EXPECT_EQ(list.applyRule(CustomRule::Asked, RuleCompare::AtLeast, 3, true, user, now), 1);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false, false}));
    // Resetting "right at least 2" unticks eat, never ticks anything.
    EXPECT_EQ(list.applyRule(CustomRule::Right, RuleCompare::AtLeast, 2, false, user, now), 1);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(list.applyRule(CustomRule::Right, RuleCompare::AtMost, 1000, false, user, now), 1);
    EXPECT_EQ(list.tickedCount(), 0);
}

TEST_F(CustomQuestionListTest, TodaysAndThisMonthsMissesComeFromTheDailyRecord) {
    spit(dailyRecordPath(user, "20013", "verbs"),
         crlf({"[Error]", "Num=2", "[3/4]", sj("go_行く=2"), sj("see_見る=1"), "[3]",
               sj("go_行く=5"), sj("eat_食べる=3"), "[3/3]", sj("run_走る=9")}));
    EXPECT_EQ(list.applyRule(CustomRule::DayErrors, RuleCompare::AtLeast, 1, true, user, now), 2);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, true, true}));
    list.tickAll(false);
    EXPECT_EQ(list.applyRule(CustomRule::MonthErrors, RuleCompare::AtLeast, 3, true, user, now), 2);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true, false}));
    // Words without a key count 0 misses.
    list.tickAll(false);
    EXPECT_EQ(list.applyRule(CustomRule::DayErrors, RuleCompare::AtMost, 0, true, user, now), 2);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false, false}));
}

TEST_F(CustomQuestionListTest, TickingRowsAllAndNoneKeepsTheCount) {
    EXPECT_EQ(list.tickRows({0, 2, 2}, true), 2);
    EXPECT_EQ(list.tickedCount(), 2);
    EXPECT_EQ(list.tickRows({0, 1}, false), 1);
    EXPECT_EQ(list.tickedCount(), 1);
    EXPECT_EQ(list.tickAll(true), 3);
    EXPECT_EQ(list.tickedCount(), 4);
    list.setTicked(9, false);  // no such row
    EXPECT_EQ(list.tickedCount(), 4);
    EXPECT_EQ(list.tickAll(false), 4);
    EXPECT_EQ(list.tickedCount(), 0);
}

TEST_F(CustomQuestionListTest, TickedLinesAreAppendedOnePerLine) {
    list.setTicked(3, true);
    list.setTicked(1, true);
    EXPECT_EQ(list.tickedLines(), (std::vector<std::string>{sj("eat=食べる*y"), sj("see=見る*w")}));

    std::string fresh = dir.file("mine.txt");
    ASSERT_TRUE(list.appendTicked(fresh));
    ASSERT_TRUE(list.appendTicked(fresh));
    EXPECT_EQ(slurp(fresh), crlf({sj("eat=食べる*y"), sj("see=見る*w"), sj("eat=食べる*y"),
                                  sj("see=見る*w")}));

    // A last line without its line break is completed first.
    std::string old = dir.file("old.txt");
    spit(old, "a=b*c");
    ASSERT_TRUE(list.appendTicked(old));
    EXPECT_EQ(slurp(old), crlf({"a=b*c", sj("eat=食べる*y"), sj("see=見る*w")}));

    FileStatus failed = list.appendTicked(dir.path());  // a folder
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.path(), dir.path());
}

TEST_F(CustomQuestionListTest, LoadAndRulesReportEveryRowThenZero) {
    // The window's gauge decides what to show; the list tells it every row, the last
    // one included.
    std::vector<int> loaded;
    CustomQuestionList fresh;
    ASSERT_TRUE(fresh.load(dic, user, now, [&](int done) { loaded.push_back(done); }));
    EXPECT_EQ(loaded, (std::vector<int>{1, 2, 3, 4, 0}));
    std::vector<int> ruled;
    fresh.applyRule(CustomRule::Asked, RuleCompare::AtLeast, 1, true, user, now,
                    [&](int done) { ruled.push_back(done); });
    EXPECT_EQ(ruled, (std::vector<int>{1, 2, 3, 4, 0}));
}
