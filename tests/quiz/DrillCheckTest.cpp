// Judging answers, the verdicts, the timer, the next letter and the end of a drill.

#include "base/IniFile.h"
#include "base/TextFile.h"
#include "tests/quiz/DrillFixture.h"

#include <cerrno>
#include <unistd.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;

namespace {
class DrillCheckTest : public test::DrillFixture {
protected:
    std::string dic;
    void SetUp() override {
        dic = dictionary("verbs.txt", {"apple=りんご,林檎*果物", "Apple=アップル*会社", "run=走る*x"});
        setMode(&DrillModes::notRandom, true);
    }
};
} // namespace

TEST_F(DrillCheckTest, EveryAlternativeCountsAndNothingIsTrimmed) {
    ASSERT_TRUE(startOn(dic, 0, 0, "3"));
    answer("林檎");
    EXPECT_EQ(drill->state().correctCount, 1);
    answer("アップル ");
    EXPECT_EQ(drill->state().wrongCount, 1);
    answer("");
    EXPECT_EQ(drill->state().wrongCount, 2);
    EXPECT_EQ(drill->state().missed[0], sj("Apple=アップル*会社"));
    EXPECT_EQ(drill->state().missed[1], sj("run=走る*x"));
}

TEST_F(DrillCheckTest, IgnoreCaseInTypedEnglish) {
    ASSERT_TRUE(startOn(dic, 1, 0, "2"));
    answer("APPLE");
    EXPECT_EQ(drill->state().wrongCount, 1);
    drill->stop();
    settings.drill.IgnoreCase = true;
    ASSERT_TRUE(startOn(dic, 1, 0, "2"));
    answer("APPLE");
    answer("apple");
    EXPECT_EQ(drill->state().correctCount, 2);
}

TEST_F(DrillCheckTest, TheAnswerFileAcceptsForItsShownAlternativeOnly) {
    IniFile::writeOne(dir.file("Taro/verbs.ans"), sj("正解ファイル"), sj("問題"), sj("新しい正解"));
    appendLine(dir.file("Taro/verbs.ans"), sj("走る=sprint"));
    IniFile::writeOne(settings.setupIniPath(), "NotRandomCount", "verbs.txt", "2");
    setMode(&DrillModes::notRandomContinue, true);
    ASSERT_TRUE(startOn(dic, 1, 0, "2"));
    EXPECT_EQ(view.question, sj("走る"));
    answer("sprint");
    EXPECT_EQ(drill->state().correctCount, 1);
    answer("sprint");  // asked: りんご
    EXPECT_EQ(drill->state().wrongCount, 1);
}

TEST_F(DrillCheckTest, VerdictBoxesFollowTheSettings) {
    settings.drill.ShowResult = true;
    settings.drill.ShowEasyAtari = true;
    settings.drill.ShowEasyError = true;
    ASSERT_TRUE(startOn(dic, 0, 0, "3"));
    answer("りんご");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].caption, sj("結果発表"));
    EXPECT_EQ(view.boxes[0].kind, 1);
    EXPECT_EQ(view.boxes[0].text, sj("正解です\n\n出題数 ： 1問\n正解率 ： 100％\n\n他の正解 ： "
                                     "りんご,林檎\nコメント ： 果物"));
    answer("x");
    EXPECT_EQ(view.boxes[1].text, sj("不正解です\n\n出題数 ： 1問\n正解率 ： 0％\n\n正解 ： "
                                     "アップル\nコメント ： 会社"));
    EXPECT_EQ(view.status[2], sj("今月 ： 50％"));
    drill->stop();

    // ShowErrorOnly hides right verdicts, never wrong ones.
    settings.drill.ShowErrorOnly = true;
    settings.drill.ShowEasyAtari = false;
    settings.drill.ShowEasyError = false;
    view.boxes.clear();
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    answer("りんご");
    answer("x");
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_TRUE(view.atari.empty());
    ASSERT_EQ(view.resultErrors.size(), 1u);
    EXPECT_EQ(view.resultErrors[0].typedAnswer, "x");
    EXPECT_EQ(view.resultErrors[0].answerSide, sj("アップル"));
    EXPECT_EQ(view.resultErrors[0].wordAsked, 2);
    EXPECT_EQ(view.resultErrors[0].wordPercentage, "0");
}

TEST_F(DrillCheckTest, AFirstTimeWordShowsCountOneInTheFeedbackWindow) {
    settings.drill.ShowResult = true;
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    answer("りんご");
    ASSERT_EQ(view.atari.size(), 1u);
    EXPECT_EQ(view.atari[0].wordAsked, 1);
    EXPECT_EQ(view.atari[0].wordPercentage, "100");
}

TEST_F(DrillCheckTest, AnAcceptedTypedAnswerCountsRightAndIsNotRecorded) {
    settings.drill.ShowResult = true;
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 1;
    view.acceptAnswers = {true};
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    answer("あぽー");
    EXPECT_EQ(drill->state().correctCount, 1);
    EXPECT_EQ(drill->state().wrongCount, 0);
    EXPECT_FALSE(test::exists(dir.file("Taro/20013_verbs.dat")));
    EXPECT_NE(std::find(view.commandsSent.begin(), view.commandsSent.end(), "ANI;13"),
              view.commandsSent.end());
    EXPECT_EQ(IniFile(dir.file("Taro/2001_verbs.dat")).read(sj("問題=出題総数,正解総数,正解率％"),
                                                            sj("apple_りんご,林檎"), ""),
              "1,1,100");
}

TEST_F(DrillCheckTest, RepeatedWordChangesNoCounterAndIsSavedOnce) {
    settings.drill.RepeatError = true;
    settings.drill.ShowResult = true;
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    answer("x");  // wrong: asked again
    EXPECT_TRUE(drill->state().repeat);
    EXPECT_EQ(drill->state().wrongCount, 1);
    const std::string stats = dir.file("Taro/2001_verbs.dat");
    EXPECT_FALSE(test::exists(stats));
    answer("y");  // wrong again: a box, still the same word
    EXPECT_EQ(view.question, "apple");
    EXPECT_EQ(drill->state().wrongCount, 1);
    EXPECT_EQ(view.resultErrors.size(), 2u);
    answer("りんご");  // right: moves on, no counter changes
    EXPECT_EQ(view.question, "Apple");
    EXPECT_EQ(drill->state().correctCount, 0);
    EXPECT_EQ(drill->state().wrongCount, 1);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, sj("正解です\n\n他の正解 ： りんご,林檎\nコメント ： 果物"));
    // Saved once, with the figures of the first, missed answer.
    EXPECT_EQ(IniFile(stats).read(sj("問題=出題総数,正解総数,正解率％"), sj("apple_りんご,林檎"), ""),
              "1,0,0");
}

TEST_F(DrillCheckTest, TenSecondLimitSubmitsOnTheEleventhTick) {
    settings.drill.TimeLimitOn = true;
    settings.drill.TimeLimit = 10;
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    EXPECT_TRUE(view.timerRunning);
    EXPECT_EQ(view.barText[DataBar::Time], sj(" ： 10 / 10 秒"));
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(drill->timerTick()) << i;
    EXPECT_EQ(view.barText[DataBar::Time], sj(" ： 0 / 10 秒"));
    EXPECT_EQ(drill->state().askedCount, 1);
    // The eleventh tick says the time is up; the window submits what it holds.
    ASSERT_TRUE(drill->timerTick());
    EXPECT_FALSE(view.timerRunning);
    drill->submit(view.onScreen());
    EXPECT_EQ(drill->state().wrongCount, 1);  // the empty field counts as wrong
    EXPECT_EQ(drill->state().askedCount, 2);
    EXPECT_EQ(view.barText[DataBar::Time], sj(" ： 10 / 10 秒"));
}

TEST_F(DrillCheckTest, ChoiceKeysWithClickResult) {
    settings.window.ClickResult = true;
    ASSERT_TRUE(startOn(dic, 0, 2, "2"));  // four choices
    EXPECT_FALSE(drill->choiceKey(5));
    EXPECT_EQ(drill->state().askedCount, 1);
    const std::string fourth = view.choices[3];
    EXPECT_TRUE(drill->choiceKey(4));
    EXPECT_EQ(drill->state().askedCount, 2);
    EXPECT_EQ(drill->state().correctCount + drill->state().wrongCount, 1);
    EXPECT_EQ(drill->state().correctCount, fourth == sj("りんご") ? 1 : 0);
}

TEST_F(DrillCheckTest, NextLetterNeverRevealsTheLast) {
    ASSERT_TRUE(startOn(dic, 1, 0, "2"));
    view.answer = "app";
    drill->HintShow(view.answer);
    EXPECT_EQ(view.answer, "appl");
    EXPECT_EQ(drill->state().askedCount, 1);
    drill->HintShow(view.answer);  // "appl" + 1 reaches the length: submitted
    EXPECT_EQ(drill->state().askedCount, 2);
    EXPECT_EQ(drill->state().wrongCount, 1);
}

TEST_F(DrillCheckTest, PerfectDrillWithVoice) {
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 1;
    settings.sound.FinishOn = true;
    settings.sound.FinishSoundFile = "/s/finish.wav";
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    answer("りんご");
    answer("アップル");
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(view.ends[0].correctCount, 2);
    EXPECT_EQ(view.ends[0].percentage, 100);
    EXPECT_FALSE(view.endWasReview[0]);
    EXPECT_EQ(view.commandsSent.back(), "VEXA;empCongratulation!");
    EXPECT_EQ(view.waves.back(), "/s/finish.wav");
    // The first completed drill of the dictionary fills slot 1 of the recent drills.
    EXPECT_EQ(slurp(dir.file("Taro/Temp.dat")),
              crlf({"[verbs.txt]", "Check=1", "1=100", "2=0", "3=0", "4=0", "5=0", "6=0", "7=0",
                    "8=0", "9=0", "10=0", "11=0", "12=0", "Count=1"}));
    EXPECT_EQ(view.barText[DataBar::QuestionNum], sj(" ： 0 / 0"));
    EXPECT_EQ(view.barText[DataBar::Percent], sj(" ： 0 / 0 ％"));
    EXPECT_TRUE(view.commands.start);
    EXPECT_TRUE(view.commands.setupControls);
    EXPECT_FALSE(view.commands.result);
}

TEST_F(DrillCheckTest, TheVerdictAndEndWindowsGetWhatTheyShowAsValues) {
    settings.drill.ShowResult = true;
    ASSERT_TRUE(startOn(dic, 0, 0, "3"));
    answer("りんご");
    answer("x");
    answer("y");
    // The error dialog names the files of the drill's dictionary without asking the drill.
    ASSERT_EQ(view.resultErrors.size(), 2u);
    EXPECT_EQ(view.resultErrors[0].dictionaryName, "verbs");
    ASSERT_EQ(view.atari.size(), 1u);
    EXPECT_EQ(view.atari[0].dictionaryName, "verbs");
    ASSERT_EQ(view.ends.size(), 1u);
    const DrillSummary& end = view.ends[0];
    EXPECT_EQ(end.wrongCount, 2);
    EXPECT_EQ(end.missedLines,
              (std::vector<std::string>{sj("Apple=アップル*会社"), sj("run=走る*x")}));
    EXPECT_EQ(end.direction, 0);
    EXPECT_EQ(end.dictionaryName, "verbs");

    // A stopped drill: its misses so far, none of the drill before.
    ASSERT_TRUE(startOn(dic, 1, 0, "3"));
    answer("x");
    drill->stop();
    const DrillSummary last = drill->lastDrill();
    EXPECT_EQ(last.wrongCount, 1);
    EXPECT_EQ(last.missedLines, (std::vector<std::string>{sj("apple=りんご,林檎*果物")}));
    EXPECT_EQ(last.direction, 1);
}

TEST_F(DrillCheckTest, StopAfterThreeQuestionsRecordsNothing) {
    ASSERT_TRUE(startOn(dic, 0, 0, "5"));
    const int slot = drill->state().history.current;
    answer("x");
    answer("x");
    answer("x");
    drill->stop();
    EXPECT_FALSE(drill->running());
    EXPECT_EQ(drill->state().history.current, slot);
    EXPECT_EQ(view.stopped, 1);
    EXPECT_EQ(view.completed, 0);
    EXPECT_FALSE(test::exists(dir.file("Taro/Temp.dat")));
    EXPECT_EQ(view.question, "");
    EXPECT_TRUE(view.commands.start);
    EXPECT_FALSE(view.commands.stop);
}

TEST_F(DrillCheckTest, MemorizeOnlyShowsAnswersAndRecordsNothing) {
    DrillModes modes = drill->modes();
    modes.memorizeOnly = true;
    modes.memorizeSeconds = 2;
    drill->setModes(modes);
    ASSERT_TRUE(startOn(dic, 0, 0, "2", false));
    EXPECT_EQ(view.barText[DataBar::Time], sj(" ： 2 / 2 秒"));
    EXPECT_FALSE(drill->timerTick());
    EXPECT_FALSE(drill->timerTick());
    EXPECT_FALSE(drill->timerTick());  // the memorize step: nothing to submit
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].caption, sj("正解表示"));
    EXPECT_EQ(view.boxes[0].text, sj("正解 ： りんご,林檎\nコメント ： 果物"));
    EXPECT_EQ(view.question, "Apple");
    EXPECT_TRUE(drill->memorizeKey());  // Enter: once, ends the drill
    EXPECT_FALSE(drill->running());
    EXPECT_FALSE(drill->modes().memorizeOnly);
    EXPECT_EQ(view.boxes.size(), 2u);
    EXPECT_FALSE(test::exists(dir.file("Taro/Temp.dat")));
    EXPECT_FALSE(test::exists(dir.file("Taro/2001_verbs.dat")));
}

namespace {

// A disk that is full for the files named here (by the path behind the descriptor).
std::vector<std::string> fullFor;
long fullDisk(int fd, const void* data, std::size_t size) {
    char link[4096];
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    ssize_t n = ::readlink(proc.c_str(), link, sizeof link - 1);
    const std::string path = n > 0 ? std::string(link, static_cast<std::size_t>(n)) : std::string();
    for (const std::string& f : fullFor) {
        if (path.rfind(f, 0) == 0) {
            // A short write first, then no room at all.
            if (size > 1)
                return static_cast<long>(::write(fd, data, size / 2));
            errno = ENOSPC;
            return -1;
        }
    }
    return static_cast<long>(::write(fd, data, size));
}

} // namespace

TEST_F(DrillCheckTest, OnAFullDiskAppendsChangeNothingAndAreToldOncePerDrill) {
    const std::string list = dir.file("errors.txt");
    const std::string before = "kept=old*line\r\nunterminated=x*y";
    test::spit(list, before);
    settings.files.SaveError = true;
    settings.files.SaveErrorFile = list;
    settings.drill.MakeLogFile = true;
    const std::string log = dir.file("Taro/20013.txt");
    fullFor = {list, log};
    setWriteStepForTesting(&fullDisk);

    ASSERT_TRUE(startOn(dic, 0, 0, "3"));
    answer("x");
    answer("y");
    answer("z");
    setWriteStepForTesting(nullptr);

    EXPECT_EQ(slurp(list), before);
    EXPECT_FALSE(test::exists(log));  // no empty study log is left behind
    std::vector<std::string> told;
    for (const FileStatus& st : view.fileErrors)
        told.push_back(st.path());
    EXPECT_EQ(told, (std::vector<std::string>{list, log}));
    // The other records of the three misses were written as usual.
    EXPECT_NE(slurp(dir.file("Taro/20013_verbs.dat")).find("Num=3"), std::string::npos);

    // The next drill tells again.
    setWriteStepForTesting(&fullDisk);
    ASSERT_TRUE(startOn(dic, 0, 0, "1"));
    answer("x");
    setWriteStepForTesting(nullptr);
    EXPECT_EQ(view.fileErrors.size(), 4u);
    EXPECT_EQ(slurp(list), before);
}
