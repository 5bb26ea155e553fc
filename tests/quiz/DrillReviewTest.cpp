// Every judged answer of a drill is a graded review of its word, written to the review
// file of the dictionary at once: the file's bytes after each kind of answer on a fixed day.

#include "base/IniFile.h"
#include "records/MemoryModel.h"
#include "records/ReviewFile.h"
#include "records/WordReview.h"
#include "tests/quiz/DrillFixture.h"
#include "tests/support/FullDisk.h"

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;

namespace {

// The record of a word first answered with `g` on the fixture's day (the stability of a
// first answer is the model's weight for its grade, which names the grade in the file).
std::string firstAnswer(Grade g) {
    return reviewText(WordReview{StudyDay::of(2001, 3, 4).value(), MemoryModel().first(g), 1, 0});
}

class DrillReviewTest : public test::DrillFixture {
protected:
    std::string dic;
    std::string rev;
    std::string apple = sj("apple_りんご=");
    std::string run = sj("run_走る=");

    void SetUp() override {
        dic = dictionary("verbs.txt", {"apple=りんご*果物", "run=走る*x", "go=行く*y"});
        rev = dir.file("Taro/verbs.rev");
        setMode(&DrillModes::notRandom, true);
    }

    // The clock `seconds` after the fixture's start time, the same day.
    void at(int seconds) { clock.set(DateTime{2001, 3, 4, 9, 5, 7 + seconds}); }

    std::string expected(std::initializer_list<std::string> words, int answers) {
        std::vector<std::string> lines{"[FSRS-6]"};
        lines.insert(lines.end(), words.begin(), words.end());
        lines.insert(lines.end(), {"", "[Answers]", "2001-03-04=" + std::to_string(answers)});
        std::string out;
        for (const std::string& l : lines)
            out += l + "\r\n";
        return out;
    }
};

} // namespace

TEST(ClockMillisecondsTest, AFixedClockCountsItsSeconds) {
    FixedClock c{DateTime{2001, 3, 4, 23, 59, 58}};
    const long long before = c.milliseconds();
    c.set(DateTime{2001, 3, 5, 0, 0, 1});
    EXPECT_EQ(c.milliseconds() - before, 3000);
    SystemClock system;
    EXPECT_LE(system.milliseconds(), system.milliseconds());
}

TEST_F(DrillReviewTest, ARightTypedAnswerIsEasyWhenQuickAndGoodWhenSlow) {
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    EXPECT_FALSE(test::exists(rev));  // nothing before the first answer
    at(2);                            // "りんご" is 6 bytes: Easy within 4.4 seconds
    answer("りんご");
    EXPECT_EQ(slurp(rev), expected({apple + firstAnswer(Grade::Easy)}, 1));
    at(2 + 10);  // "走る": 10 seconds is past its 3.6
    answer("走る");
    EXPECT_EQ(slurp(rev), expected({apple + firstAnswer(Grade::Easy), run + firstAnswer(Grade::Good)}, 2));
    // Spelled out once, so that the helper cannot drift with the model: first answers
    // start at the model's stability for their grade.
    EXPECT_EQ(firstAnswer(Grade::Easy), "2001-03-04,8.2956,1,1,0");
    EXPECT_EQ(firstAnswer(Grade::Good), "2001-03-04,2.3065,2.118103970459015,1,0");
}

TEST_F(DrillReviewTest, AWrongAnswerAndATimedOutOneAreAgain) {
    settings.drill.TimeLimitOn = 1;
    settings.drill.TimeLimit = 10;
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    answer("なし");
    for (int i = 0; i < 10; ++i)
        ASSERT_FALSE(drill->timerTick());
    at(11);
    ASSERT_TRUE(drill->timerTick());  // the time is up: the window submits the empty field
    drill->submit(view.onScreen());
    EXPECT_EQ(slurp(rev),
              expected({apple + firstAnswer(Grade::Again), run + firstAnswer(Grade::Again)}, 2));
    EXPECT_EQ(firstAnswer(Grade::Again), "2001-03-04,0.212,6.4133,1,0");
}

TEST_F(DrillReviewTest, RightAfterTheNextLetterHintIsHard) {
    ASSERT_TRUE(startOn(dic, 1, 0, "2"));  // Japanese to English: the hint works
    view.answer = "a";
    drill->HintShow(view.answer);
    EXPECT_EQ(view.answer, "ap");
    answer("apple");  // quick, but helped
    // The hint is the question's own: the next word, right and quick, is Easy again.
    answer("run");
    EXPECT_EQ(slurp(rev), expected({apple + firstAnswer(Grade::Hard), run + firstAnswer(Grade::Easy)}, 2));
}

TEST_F(DrillReviewTest, AnAnswerDeclaredRightIsOneHardReview) {
    settings.drill.ShowResult = 1;
    view.acceptAnswers = {true};
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    answer("あぽー");
    ASSERT_EQ(view.resultErrors.size(), 1u);
    // Hard from the start, written once: no Again first (that would lower the stability
    // by the same-day rule and count two answers).
    EXPECT_EQ(slurp(rev), expected({apple + firstAnswer(Grade::Hard)}, 1));
}

TEST_F(DrillReviewTest, AMissThenRightOnTheRetryIsAgainThenHard) {
    settings.drill.RepeatError = 1;
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    answer("x");
    ASSERT_TRUE(drill->state().repeat);
    EXPECT_EQ(slurp(rev), expected({apple + firstAnswer(Grade::Again)}, 1));
    answer("りんご");  // quick, yet a retry
    // The same-day rule after Again then Hard (figures as in the review file's own test).
    EXPECT_EQ(slurp(rev), expected({apple + "2001-03-04,0.14339874769184835,7.60998139978,1,0"}, 2));
}

TEST_F(DrillReviewTest, ARightChoiceIsGoodNeverEasy) {
    ASSERT_TRUE(startOn(dic, 0, 1, "1"));  // three choices
    const auto it = std::find(view.choices.begin(), view.choices.end(), sj("りんご"));
    ASSERT_NE(it, view.choices.end());
    view.selected = static_cast<int>(it - view.choices.begin());
    drill->submit(view.onScreen());  // at once
    ASSERT_EQ(drill->state().correctCount, 1);
    EXPECT_EQ(slurp(rev), expected({apple + firstAnswer(Grade::Good)}, 1));
}

TEST_F(DrillReviewTest, AMemorizeOnlyDrillWritesNoReview) {
    DrillModes modes = drill->modes();
    modes.memorizeOnly = true;
    drill->setModes(modes);
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    EXPECT_TRUE(drill->memorizeKey());
    EXPECT_TRUE(drill->memorizeKey());
    EXPECT_FALSE(drill->running());
    EXPECT_FALSE(test::exists(rev));
}

TEST_F(DrillReviewTest, OnlyTheDaysFirstAnswerMovesTheSchedule) {
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    at(30);
    answer("りんご");  // slow: Good
    const std::string good = apple + firstAnswer(Grade::Good);
    EXPECT_EQ(slurp(rev), expected({good}, 1));
    // Another drill the same day: a quick right answer would be Easy, but a word seen
    // today says little about its memory; only the day's answers count it.
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    answer("りんご");
    EXPECT_EQ(slurp(rev), expected({good}, 2));
    // The next day it moves on.
    clock.set(DateTime{2001, 3, 5, 9, 0, 0});
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    answer("りんご");
    ReviewFile file(settings.userFolder(), "verbs");
    const auto record = file.record(sj("apple_りんご"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->reviews, 2);
    EXPECT_EQ(record->lastReview, StudyDay::of(2001, 3, 5).value());
    EXPECT_GT(record->memory.stability, MemoryModel().first(Grade::Good).stability);
}

TEST_F(DrillReviewTest, AFailedWriteIsToldOncePerDrillAndLosesNoAnswer) {
    ASSERT_TRUE(startOn(dic, 0, 0, "3"));
    {
        test::FullDisk disk(0);
        answer("x");
        answer("x");
    }
    const auto told = std::count_if(view.fileErrors.begin(), view.fileErrors.end(),
                                    [&](const FileStatus& s) { return s.path() == rev; });
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(test::exists(rev));
    answer("x");  // room again: the answers kept in memory are written with this one
    EXPECT_EQ(slurp(rev), expected({apple + firstAnswer(Grade::Again), run + firstAnswer(Grade::Again),
                                    sj("go_行く=") + firstAnswer(Grade::Again)},
                                   3));
}
