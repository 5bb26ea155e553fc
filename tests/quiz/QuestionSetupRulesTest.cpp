// The question setup dialog's rules without the screen.

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "quiz/QuestionSetupRules.h"
#include "records/RecordFiles.h"
#include "settings/SettingsStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

// Completes a drill into the history as the drill does: lines into the current slot,
// totals into the next.
void complete(DrillHistory& h, const std::string& dic, std::vector<std::string> asked,
              std::vector<std::string> missed) {
    DrillRecord& lines = h.lines();
    for (std::size_t i = 0; i < asked.size(); ++i)
        lines.asked[i] = asked[i];
    for (std::size_t i = 0; i < missed.size(); ++i)
        lines.missed[i] = missed[i];
    DrillRecord& totals = h.advance();
    totals.dictionaryPath = dic;
    totals.questionCount = static_cast<int>(asked.size());
    totals.wrongCount = static_cast<int>(missed.size());
    totals.correctCount = totals.questionCount - totals.wrongCount;
}

} // namespace

TEST(QuestionSetupRules, RangeLabel) {
    EXPECT_EQ(questionRangeLabel(1000), sj("出題数の設定範囲 ： 1～1000問"));
    EXPECT_EQ(questionRangeLabel(25), sj("出題数の設定範囲 ： 1～25問"));
}

TEST(QuestionSetupRules, EarlierDrillPlanPairsLinesWithTotalsAndListsEnglishParts) {
    DrillHistory h;
    complete(h, "/d/verbs.txt", {sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z")},
             {sj("eat=食べる*y")});
    complete(h, "/d/nouns.txt", {sj("cat=猫*a"), sj("dog=犬*b")}, {});
    ASSERT_EQ(h.current, 2);

    EarlierDrillPlan first = earlierDrillPlan(h, 1, false);
    EXPECT_TRUE(first.recorded);
    EXPECT_EQ(first.heading, sj("★出題予定★"));
    EXPECT_EQ(first.questionCount, 3);
    EXPECT_EQ(first.historySlot, 0);
    EXPECT_EQ(first.dictionaryPath, "/d/verbs.txt");
    EXPECT_EQ(first.hint, sj("★出題予定★") + "\nrun\neat\ngo");

    EarlierDrillPlan errors = earlierDrillPlan(h, 1, true);
    EXPECT_EQ(errors.heading, sj("★出題予定★"));
    EXPECT_EQ(errors.questionCount, 1);
    EXPECT_EQ(errors.hint, sj("★出題予定★") + "\neat");

    // The second drill had no misses.
    EarlierDrillPlan noErrors = earlierDrillPlan(h, 2, true);
    EXPECT_EQ(noErrors.heading, sj("▼記録データなし▼"));
    EXPECT_EQ(noErrors.questionCount, 0);
    EXPECT_EQ(noErrors.hint, sj("▼記録データなし▼"));
    EXPECT_EQ(noErrors.dictionaryPath, "/d/nouns.txt");

    // Drill number 3 after two drills: nothing yet.
    EarlierDrillPlan third = earlierDrillPlan(h, 3, false);
    EXPECT_FALSE(third.recorded);
    EXPECT_EQ(third.heading, sj("▼記録データなし▼"));
    EXPECT_EQ(third.questionCount, 0);
    EXPECT_EQ(third.historySlot, 2);
    EXPECT_EQ(third.dictionaryPath, "");
}

TEST(QuestionSetupRules, EveryNumberHoldsADrillOnceTheHistoryHasComeRound) {
    DrillHistory h;
    for (int i = 0; i < 12; ++i)
        complete(h, "/d/d" + std::to_string(i) + ".txt", {"w" + std::to_string(i) + "=x*y"}, {});
    ASSERT_EQ(h.current, 1);
    // Slot 5 holds the fifth drill of the run although the slot number is back at 1.
    EarlierDrillPlan plan = earlierDrillPlan(h, 5, false);
    EXPECT_TRUE(plan.recorded);
    EXPECT_EQ(plan.heading, sj("★出題予定★"));
    EXPECT_EQ(plan.dictionaryPath, "/d/d4.txt");
    EXPECT_EQ(plan.hint, sj("★出題予定★") + "\nw4");
}

TEST(QuestionSetupRules, YesterdayCountComesFromThisMonthsDailyRecord) {
    test::TempDir dir;
    DateTexts now = DateTexts::of(DateTime{2001, 3, 4, 9, 0, 0});
    EXPECT_EQ(yesterdayMissCount(dir.path(), "verbs", now), 0);  // no file yet
    IniFile::writeOne(dailyRecordPath(dir.path(), "20013", "verbs"), "Error", "YesterdayNum", "25");
    IniFile::writeOne(dailyRecordPath(dir.path(), "20012", "verbs"), "Error", "YesterdayNum", "7");
    EXPECT_EQ(yesterdayMissCount(dir.path(), "verbs", now), 25);
    EXPECT_EQ(yesterdayMissCount(dir.path(), "nouns", now), 0);

    YesterdayLimit none = yesterdayLimit(0);
    EXPECT_FALSE(none.available);
    YesterdayLimit some = yesterdayLimit(25);
    EXPECT_TRUE(some.available);
    EXPECT_EQ(some.maximum, 25);
    EXPECT_EQ(some.count, 25);
    YesterdayLimit many = yesterdayLimit(1500);
    EXPECT_TRUE(many.available);
    EXPECT_EQ(many.maximum, 1000);
    EXPECT_FALSE(many.count.has_value());
    EXPECT_EQ(yesterdayLimit(1000).count, 1000);
}

TEST(QuestionSetupRules, CountCheckedAgainstTheRangeShown) {
    EXPECT_EQ(checkQuestionCount("10", 1000), CountProblem::None);
    EXPECT_EQ(checkQuestionCount("25", 25), CountProblem::None);
    EXPECT_EQ(checkQuestionCount("1", 1), CountProblem::None);
    EXPECT_EQ(checkQuestionCount("0", 1000), CountProblem::Unset);
    EXPECT_EQ(checkQuestionCount("", 1000), CountProblem::Unset);
    EXPECT_EQ(checkQuestionCount("26", 25), CountProblem::OutOfRange);
    EXPECT_EQ(checkQuestionCount("1001", 1000), CountProblem::OutOfRange);
    EXPECT_EQ(checkQuestionCount("-3", 1000), CountProblem::OutOfRange);
    EXPECT_EQ(checkQuestionCount("99999999999999999999999", 1000), CountProblem::OutOfRange);
    EXPECT_EQ(checkQuestionCount("ten", 1000), CountProblem::NotNumber);
    EXPECT_EQ(checkQuestionCount("1 0", 1000), CountProblem::NotNumber);
    EXPECT_EQ(checkQuestionCount(sj("１０"), 1000), CountProblem::NotNumber);

    EXPECT_EQ(countProblemMessage(CountProblem::Unset, 12), sj("出題数が未設定です"));
    EXPECT_EQ(countProblemMessage(CountProblem::OutOfRange, 12),
              sj("出題数は、設定範囲 （1～12問） の中で指定してください"));
    EXPECT_EQ(countProblemMessage(CountProblem::NotNumber, 12),
              sj("出題数は、半角の数字で指定してください （1～12問）"));
    EXPECT_EQ(countProblemMessage(CountProblem::None, 12), "");
}

TEST(QuestionSetupRules, QuestionOrderIsStoredAndLoadedAgain) {
    test::TempDir dir;
    std::string ini = dir.file("Setup.ini");
    spit(ini, crlf({"[QuestionSetup]", "AnswerType=2"}));
    DrillModes modes;
    modes.notRandom = true;
    modes.notRandomContinue = true;
    ASSERT_TRUE(storeQuestionOrder(ini, modes));
    EXPECT_EQ(slurp(ini), crlf({"[QuestionSetup]", "AnswerType=2", "NotSameQuestion=0",
                                "NotRandom=1", "NotRandomContinue=1"}));

    TUserSettings s;
    s.ProgramFolder = dir.folder();
    s.UserName = "Taro";
    makeFolder(s.userFolder());
    spit(s.setupIniPath(), slurp(ini));
    LoadedSettings loaded = SettingsStore::load(s);
    DrillModes restored;
    restored.notSameQuestion = true;
    applyQuestionOrder(restored, loaded.questionSetup);
    EXPECT_FALSE(restored.notSameQuestion);
    EXPECT_TRUE(restored.notRandom);
    EXPECT_TRUE(restored.notRandomContinue);
    EXPECT_EQ(activeSource(restored), QuestionSource::NotRandom);
}

TEST(QuestionSetupRules, AnswerTypeOfAChoiceKind) {
    EXPECT_EQ(answerTypeOfChoiceKind(-1), 0);
    EXPECT_EQ(answerTypeOfChoiceKind(0), 1);
    EXPECT_EQ(answerTypeOfChoiceKind(2), 3);
    EXPECT_EQ(answerTypeOfChoiceKind(3), 0);
}

TEST(QuestionSetupRules, TheHintNamesTenWordsAndCountsTheRest) {
    DrillHistory h;
    std::vector<std::string> asked;
    for (int i = 0; i < 1000; ++i)
        asked.push_back("w" + std::to_string(i) + "=x*y");
    asked[1] = std::string(100000, 'a') + "=x*y";
    complete(h, "/d/verbs.txt", asked, {});
    const std::string hint = earlierDrillPlan(h, 1, false).hint;
    EXPECT_EQ(std::count(hint.begin(), hint.end(), '\n'), 11);
    EXPECT_EQ(hint.substr(0, hint.find('\n', hint.find('\n') + 1)), sj("★出題予定★") + "\nw0");
    EXPECT_EQ(hint.substr(hint.rfind('\n') + 1), sj("ほか 990 件"));
    EXPECT_LT(hint.size(), 2000u);
}
