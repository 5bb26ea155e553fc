// The question source "今日の復習": the due words of the drill's dictionary, most overdue
// first, then new words up to the day's limit, as many as the drill's question count.

#include "quiz/DrillTexts.h"
#include "records/ReviewFile.h"
#include "tests/quiz/DrillFixture.h"
#include "tests/support/StudyDays.h"

using namespace qor;
using qor::test::day;

namespace {

class DailyReviewSourceTest : public test::DrillFixture {
protected:
    std::string dic;

    void SetUp() override {
        dic = dictionary("verbs.txt", {"run=走る*a", "eat=食べる*b", "go=行く*c", "see=見る*d",
                                       "swim=泳ぐ*e"});
        setMode(&DrillModes::dailyReview, true);
        newWordsPerDay(2);
    }

    void newWordsPerDay(int n) { settings.review.NewWordsPerDay = n; }

    // Answers every question of the running drill: right, except the words named wrong.
    void answerAll(std::initializer_list<const char*> wrong = {}) {
        while (drill->running()) {
            bool miss = false;
            for (const char* w : wrong)
                miss = miss || currentEnglish() == w;
            // The answer side is CP932 already.
            view.answer = miss ? std::string("x") : drill->state().entry.answerSide;
            drill->submit(view.onScreen());
        }
    }

    std::vector<std::string> asked() {
        std::vector<std::string> out;
        for (const std::string& q : view.questionsShown)
            out.push_back(q);
        view.questionsShown.clear();
        return out;
    }
};

} // namespace

TEST_F(DailyReviewSourceTest, NewWordsUpToTheDaysLimitThenTheDueOnesTheNextDay) {
    // Day 1: nothing answered yet, so the first two words of the dictionary, and a drill
    // of ten questions asks just those two.
    ASSERT_TRUE(startOn(dic, 0, 0, "10"));
    EXPECT_EQ(drill->state().questionCount, 2);
    EXPECT_EQ(view.setupCount, 10);  // the toolbar keeps the learner's count
    answerAll({"run"});
    EXPECT_EQ(asked(), (std::vector<std::string>{"run", "eat"}));
    ASSERT_EQ(view.ends.size(), 1u);

    // The same day: both new words of the day are used and nothing is due yet.
    EXPECT_FALSE(startOn(dic, 0, 0, "10"));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, sj("復習する単語がありません"));
    EXPECT_EQ(view.boxes[0].caption, sj("選択不可能"));
    EXPECT_FALSE(drill->running());
    EXPECT_TRUE(asked().empty());

    // Day 2: the missed word is due (the one answered right is not yet), then two new ones.
    clock.set(DateTime{2001, 3, 5, 8, 0, 0});
    ASSERT_TRUE(startOn(dic, 0, 0, "10"));
    EXPECT_EQ(drill->state().questionCount, 3);
    answerAll();
    EXPECT_EQ(asked(), (std::vector<std::string>{"run", "go", "see"}));
}

TEST_F(DailyReviewSourceTest, MostOverdueFirstThenNewWordsInDictionaryOrder) {
    {
        ReviewFile file(settings.userFolder(), "verbs");
        // "go" missed twelve days ago, "eat" right three days ago, "swim" new today.
        ASSERT_TRUE(file.recordAnswer(sj("go_行く"), Grade::Again, day(2001, 2, 20)));
        ASSERT_TRUE(file.recordAnswer(sj("eat_食べる"), Grade::Good, day(2001, 3, 1)));
        ASSERT_TRUE(file.recordAnswer(sj("swim_泳ぐ"), Grade::Again, day(2001, 3, 4)));
    }
    ASSERT_TRUE(startOn(dic, 0, 0, "10"));
    answerAll();
    // "go" is further gone than "eat", though it stands later in the dictionary; "swim"
    // is not due again today and was one of today's two new words, so one new word is
    // left: the first never answered.
    EXPECT_EQ(asked(), (std::vector<std::string>{"go", "eat", "run"}));
}

TEST_F(DailyReviewSourceTest, TheQuestionCountTakesTheFirstOfThePlan) {
    newWordsPerDay(5);
    ASSERT_TRUE(startOn(dic, 0, 0, "3"));
    EXPECT_EQ(drill->state().questionCount, 3);
    answerAll();
    EXPECT_EQ(asked(), (std::vector<std::string>{"run", "eat", "go"}));  // not shuffled
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(view.ends[0].questionCount, 3);
}

TEST_F(DailyReviewSourceTest, NothingDueAndNoNewWordsAllowedStartsNoDrill) {
    newWordsPerDay(0);
    EXPECT_FALSE(startOn(dic, 0, 0, "10"));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, sj("復習する単語がありません"));
    EXPECT_EQ(view.boxes[0].kind, drill_texts::kInformation);
    EXPECT_FALSE(drill->running());
    EXPECT_TRUE(view.questionsShown.empty());
}

TEST_F(DailyReviewSourceTest, IsNoHistoryModeAndWinsOverTheKeptOptions) {
    DrillModes modes = drill->modes();
    modes.notRandom = true;  // an option kept from before; the daily review comes first
    modes.lastErrors = true; // a history mode: a toolbar start clears it, not the review
    drill->setModes(modes);
    ASSERT_TRUE(startOn(dic, 0, 0, "10", true));
    EXPECT_TRUE(drill->modes().dailyReview);
    EXPECT_FALSE(drill->modes().lastErrors);
    EXPECT_EQ(activeSource(drill->modes()), QuestionSource::DailyReview);
    EXPECT_EQ(drill->state().questionCount, 2);
}

TEST_F(DailyReviewSourceTest, AReviewFileThatCannotBeReadIsToldAndStartsNoDrill) {
    const std::string rev = reviewFilePath(settings.userFolder(), "verbs");
    ASSERT_TRUE(makeFolder(rev));  // a folder where the file should be
    EXPECT_FALSE(startOn(dic, 0, 0, "10"));
    ASSERT_EQ(view.fileErrors.size(), 1u);
    EXPECT_EQ(view.fileErrors[0].path(), rev);
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_FALSE(drill->running());
}
