// Starting a drill, the question sources and the presentation of each question.

#include "base/IniFile.h"
#include "quiz/AnswerFormHint.h"
#include "tests/quiz/DrillFixture.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <set>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;

namespace {
class DrillStartTest : public test::DrillFixture {};

std::string ten(int i) {
    return "w" + std::to_string(i);
}
} // namespace

TEST_F(DrillStartTest, ToolbarStartShowsTheFirstQuestionPromptsAndBars) {
    std::string dic = dictionary("verbs.txt", {"run=走る*x", "eat=食べる*y", "go=行く*z"});
    useRandom({1});
    ASSERT_TRUE(startOn(dic));
    EXPECT_EQ(view.question, "eat");
    EXPECT_EQ(view.questionPrompt, sj("次の単語の意味はなに？"));
    EXPECT_EQ(view.answerPrompt, sj(" の意味は、、、"));
    EXPECT_EQ(view.barText[DataBar::QuestionNum], sj(" ： 1 / 10"));
    EXPECT_EQ(view.barText[DataBar::AtariNum], sj(" ： 0 / 10"));
    EXPECT_EQ(view.barText[DataBar::HazureNum], sj(" ： 0 / 10"));
    EXPECT_EQ(view.barText[DataBar::Percent], sj(" ： 0 / 100 ％"));
    EXPECT_EQ(view.barMaximum[DataBar::QuestionNum], 10);
    EXPECT_FALSE(view.commands.start);
    EXPECT_TRUE(view.commands.result);
    EXPECT_TRUE(view.commands.stop);
    EXPECT_FALSE(view.commands.setupControls);
    EXPECT_FALSE(view.commands.nextWord);
    EXPECT_EQ(view.setupDictionary, "verbs.txt");
    EXPECT_EQ(view.inputMethod, InputMethod::Hiragana);
    // A toolbar start leaves the answer-form hint alone.
    EXPECT_EQ(view.status.count(1), 0u);
    EXPECT_EQ(drill->state().startTime, sj("9：5：07"));
    // The dictionary is registered and its answer file created.
    IniFile setup(settings.setupIniPath());
    EXPECT_EQ(setup.read("Dictionary", "DicNum", ""), "1");
    EXPECT_EQ(setup.read("Dictionary", "1", ""), "verbs.txt");
    EXPECT_EQ(slurp(dir.file("Taro/verbs.ans")), crlf({sj("[正解ファイル]"), sj("問題=新しい正解")}));
}

TEST_F(DrillStartTest, DirectionOneAsksJapaneseAndOffersTheNextLetter) {
    std::string dic = dictionary("verbs.txt", {"run=走る*x"});
    settings.drill.ShowHint = true;
    ASSERT_TRUE(startOn(dic, 1));
    EXPECT_EQ(view.question, sj("走る"));
    EXPECT_EQ(view.questionPrompt, sj("次の日本語を英語にすると？"));
    EXPECT_EQ(view.answerPrompt, sj(" の綴りは、、、"));
    EXPECT_TRUE(view.commands.nextWord);
    EXPECT_EQ(view.answer, "r");
}

TEST_F(DrillStartTest, RefusesWhatCannotBeAsked) {
    std::string empty = dictionary("empty.txt", {});
    EXPECT_FALSE(startOn(empty));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, sj("指定された辞書には、単語が登録されていません"));
    EXPECT_EQ(view.boxes[0].caption, sj("エラー"));

    EXPECT_FALSE(startOn(dir.file("missing.txt")));
    ASSERT_EQ(view.fileErrors.size(), 1u);
    EXPECT_TRUE(view.fileErrors[0].isMissingFile());

    std::string dic = dictionary("verbs.txt", {"run=走る*x"});
    for (const char* bad : {"0", "1001", "ten", "", "-3"})
        EXPECT_FALSE(startOn(dic, 0, 0, bad)) << bad;
    EXPECT_EQ(view.boxes.size(), 6u);
    EXPECT_FALSE(drill->running());
    EXPECT_TRUE(startOn(dic, 0, 0, "1000"));
}

TEST_F(DrillStartTest, NotRandomAsksInOrderAndWraps) {
    std::string dic = dictionary("three.txt", {"a=あ*", "b=い*", "c=う*"});
    setMode(&DrillModes::notRandom, true);
    ASSERT_TRUE(startOn(dic, 0, 0, "5"));
    std::vector<int> lines{currentLine()};
    for (int i = 0; i < 4; ++i) {
        answer("x");
        lines.push_back(currentLine());
    }
    EXPECT_EQ(lines, (std::vector<int>{0, 1, 2, 0, 1}));
}

TEST_F(DrillStartTest, ContinuePositionIsStoredAtTheEndButNotAtAStop) {
    std::vector<std::string> lines;
    for (int i = 0; i < 10; ++i)
        lines.push_back(ten(i) + "=x*");
    writeLines(dir.file("ten.txt"), lines);
    IniFile::writeOne(settings.setupIniPath(), "NotRandomCount", "ten.txt", "7");
    DrillModes modes = drill->modes();
    modes.notRandom = true;
    modes.notRandomContinue = true;
    drill->setModes(modes);

    ASSERT_TRUE(startOn(dir.file("ten.txt"), 0, 0, "2"));
    EXPECT_EQ(currentLine(), 7);
    answer("x");
    EXPECT_EQ(currentLine(), 8);
    drill->stop();
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("NotRandomCount", "ten.txt", ""), "7");

    ASSERT_TRUE(startOn(dir.file("ten.txt"), 0, 0, "3"));
    std::vector<int> asked{currentLine()};
    answer("x");
    asked.push_back(currentLine());
    answer("x");
    asked.push_back(currentLine());
    answer("x");
    EXPECT_EQ(asked, (std::vector<int>{7, 8, 9}));
    EXPECT_FALSE(drill->running());
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("NotRandomCount", "ten.txt", ""), "0");
}

TEST_F(DrillStartTest, NotSameQuestionAsksEveryLineOnce) {
    std::vector<std::string> lines;
    for (int i = 0; i < 8; ++i)
        lines.push_back(ten(i) + "=x*");
    writeLines(dir.file("eight.txt"), lines);
    useRandom({5, 3, 7, 1, 0, 2, 6, 4});
    setMode(&DrillModes::notSameQuestion, true);
    ASSERT_TRUE(startOn(dir.file("eight.txt"), 0, 0, "8"));
    std::set<int> seen{currentLine()};
    for (int i = 0; i < 7; ++i) {
        answer("x");
        seen.insert(currentLine());
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST_F(DrillStartTest, NotSameQuestionAsksInTheOrderOfTheDrawByErasing) {
    // Fewer questions than words: the first words of the whole draw, whose every random
    // value is taken at the start as before.
    std::vector<std::string> lines;
    for (int i = 0; i < 50; ++i)
        lines.push_back(ten(i) + "=x*");
    writeLines(dir.file("fifty.txt"), lines);
    std::vector<int> expected;
    {
        MersenneRandom reference(77);
        std::vector<int> left(50);
        for (int i = 0; i < 50; ++i)
            left[static_cast<std::size_t>(i)] = i;
        while (!left.empty()) {
            int r = reference.below(static_cast<int>(left.size()));
            expected.push_back(left[static_cast<std::size_t>(r)]);
            left.erase(left.begin() + r);
        }
        expected.resize(6);
    }
    MersenneRandom chance(77);
    setRandom(&chance);
    setMode(&DrillModes::notSameQuestion, true);
    ASSERT_TRUE(startOn(dir.file("fifty.txt"), 0, 0, "6"));
    std::vector<int> asked{currentLine()};
    for (int i = 0; i < 5; ++i) {
        answer("x");
        asked.push_back(currentLine());
    }
    EXPECT_EQ(asked, expected);
    setRandom(nullptr);
}

TEST_F(DrillStartTest, ToolbarStartClearsHistoryModesButKeepsNotRandom) {
    std::string dic = dictionary("three.txt", {"a=あ*", "b=い*", "c=う*"});
    DrillModes modes = drill->modes();
    modes.sameQuestions = true;
    modes.notRandom = true;
    drill->setModes(modes);
    ASSERT_TRUE(startOn(dic, 0, 0, "2", true));
    EXPECT_FALSE(drill->modes().sameQuestions);
    EXPECT_TRUE(drill->modes().notRandom);
    EXPECT_EQ(currentLine(), 0);
}

TEST_F(DrillStartTest, SameQuestionsReplayTheLastDrill) {
    std::string dic = dictionary("five.txt", {"a=あ*", "b=い*", "c=う*", "d=え*", "e=お*"});
    settings.drill.MultiRandomOn = false;
    useRandom({3, 1, 4});
    ASSERT_TRUE(startOn(dic, 0, 0, "3"));
    std::vector<std::string> first{currentEnglish()};
    answer("x");
    first.push_back(currentEnglish());
    answer("x");
    first.push_back(currentEnglish());
    answer("x");
    EXPECT_EQ(first, (std::vector<std::string>{"d", "b", "e"}));

    setMode(&DrillModes::sameQuestions, true);
    useRandom({0});
    ASSERT_TRUE(startOn(dic, 0, 0, "3", false));
    std::vector<std::string> again{currentEnglish()};
    answer("x");
    again.push_back(currentEnglish());
    answer("x");
    again.push_back(currentEnglish());
    EXPECT_EQ(again, first);
    // The records know the word by its line even when the source gives only its text.
    EXPECT_EQ(currentLine(), 4);
}

TEST_F(DrillStartTest, ImportanceSource) {
    std::string dic = dictionary("imp.txt", {"a=あ*", "b=い*", "c=う*", "d=え*"});
    settings.drill.ImportantOn = true;
    DrillModes modes = drill->modes();
    modes.importance = true;
    modes.levels = {false, false, true, false, false};
    drill->setModes(modes);
    EXPECT_FALSE(startOn(dic, 0, 0, "4", false));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, sj("指定された重要度の単語がありません"));
    EXPECT_EQ(view.boxes[0].caption, sj("選択不可能"));
    EXPECT_FALSE(drill->running());

    writeLines(dir.file("Taro/imp_imp.dat"), {sj("1_b=い*"), sj("3_a=あ*"), sj("3_c=う*"), sj("3_d=え*")});
    useRandom({0});
    ASSERT_TRUE(startOn(dic, 0, 0, "4", false));
    std::vector<std::string> asked{currentEnglish()};
    for (int i = 0; i < 3; ++i) {
        answer("x");
        asked.push_back(currentEnglish());
    }
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[3], asked[0]);
    EXPECT_EQ(std::set<std::string>(asked.begin(), asked.begin() + 3),
              (std::set<std::string>{"a", "c", "d"}));
}

TEST_F(DrillStartTest, ACustomListOfAnotherDictionaryIsNotUsed) {
    std::string a = dictionary("a.txt", {"one=一*", "two=二*"});
    std::string b = dictionary("b.txt", {"cat=猫*", "dog=犬*"});
    DrillPlan plan = drill->plan();
    plan.modes.custom = true;
    plan.customLines = {sj("two=二*")};
    drill->setPlan(plan);
    ASSERT_TRUE(startOn(a, 0, 0, "1", false));
    EXPECT_EQ(view.question, "two");
    answer("x");
    ASSERT_TRUE(view.boxes.empty());

    useRandom({1});
    ASSERT_TRUE(startOn(b, 0, 0, "1", true));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].caption, sj("出題の設定"));
    EXPECT_FALSE(drill->modes().custom);
    EXPECT_EQ(view.question, "dog");
    EXPECT_EQ(currentLine(), 1);
}

TEST_F(DrillStartTest, ACustomListInAnotherOrderBelongsWhileEveryLineIsOneOfTheDictionary) {
    std::string dic = dictionary("a.txt", {"one=一*", "two=二*", "three=三*"});
    DrillPlan plan = drill->plan();
    plan.modes.custom = true;
    plan.customLines = {sj("three=三*"), sj("one=一*"), sj("three=三*")};
    drill->setPlan(plan);
    ASSERT_TRUE(startOn(dic, 0, 0, "1", false));
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_TRUE(drill->modes().custom);
    EXPECT_EQ(view.question, "three");
    drill->stop();

    // In order but for one line the dictionary does not hold (any more).
    plan.customLines = {sj("one=一*"), sj("two=二*"), sj("four=四*")};
    drill->setPlan(plan);
    ASSERT_TRUE(startOn(dic, 0, 0, "1", false));
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].caption, sj("出題の設定"));
    EXPECT_FALSE(drill->modes().custom);
}

TEST_F(DrillStartTest, ACustomListOfEveryWordStartsAboutAsQuicklyAsAPlainStart) {
    // The list is checked against the dictionary at each start; looking each of its lines
    // up through the whole file made a list of 20,000 words take seconds.
    std::vector<std::string> lines;
    for (int i = 0; i < 20000; ++i)
        lines.push_back("word" + std::to_string(i) + "=" + sj("語") + std::to_string(i) + "*c");
    const std::string dic = dir.file("big.txt");
    ASSERT_TRUE(writeLines(dic, lines));
    auto fastest = [&](bool custom) {
        double best = 1e300;
        for (int run = 0; run < 5; ++run) {
            DrillPlan plan = drill->plan();
            plan.modes.custom = custom;
            plan.customLines = custom ? lines : std::vector<std::string>{};
            drill->setPlan(plan);
            auto begin = std::chrono::steady_clock::now();
            EXPECT_TRUE(startOn(dic, 0, 0, "10", false));
            auto end = std::chrono::steady_clock::now();
            drill->stop();
            best = std::min(best, std::chrono::duration<double, std::milli>(end - begin).count());
        }
        return best;
    };
    const double plain = fastest(false);
    const double custom = fastest(true);
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_LT(custom / plain, 20.0) << "plain " << plain << " ms, custom list " << custom << " ms";
}

TEST_F(DrillStartTest, YesterdayAsksOnlyLinesOfTheDictionary) {
    std::string dic = dictionary("verbs.txt", {"run=走る*", "eat=食べる*", "go=行く*"});
    writeLines(dir.file("Taro/20013_verbs.dat"),
               {"[Error]", "YesterdayNum=3", "Yesterday=7,2,-1"});
    setMode(&DrillModes::yesterday, true);
    ASSERT_TRUE(startOn(dic, 0, 0, "1", false));
    EXPECT_EQ(drill->state().yesterdayList, std::vector<std::string>{"2"});
    EXPECT_EQ(view.question, "go");
}

TEST_F(DrillStartTest, UnreadableSideFilesAreReported) {
    std::string dic = dictionary("verbs.txt", {"run=走る*", "eat=食べる*"});
    // An importance file that is a folder: the importance drill does not start.
    makeFolder(dir.file("Taro/verbs_imp.dat"));
    makeFolder(dir.file("Taro/verbs.ans"));
    settings.drill.ImportantOn = true;
    DrillModes modes = drill->modes();
    modes.importance = true;
    modes.levels = {true, true, true, true, true};
    drill->setModes(modes);
    EXPECT_FALSE(startOn(dic, 1, 0, "2", false));
    ASSERT_FALSE(view.fileErrors.empty());
    EXPECT_EQ(view.fileErrors.back().path(), dir.file("Taro/verbs_imp.dat"));
    EXPECT_TRUE(view.boxes.empty());

    // An answer file that cannot be read: said once per drill, answers judged as usual.
    modes.importance = false;
    modes.notRandom = true;
    drill->setModes(modes);
    ASSERT_TRUE(startOn(dic, 1, 0, "2", false));
    const std::size_t before = view.fileErrors.size();  // the header write fails too
    answer("x");
    answer("eat");
    EXPECT_EQ(view.fileErrors.size(), before + 1);
    EXPECT_EQ(view.fileErrors.back().path(), dir.file("Taro/verbs.ans"));
    EXPECT_EQ(drill->state().correctCount, 1);
}

TEST_F(DrillStartTest, HistorySlotComesBackAfterElevenDrills) {
    std::string dic = dictionary("one.txt", {"a=あ*"});
    const int before = drill->state().history.current;
    for (int i = 0; i < 11; ++i) {
        ASSERT_TRUE(startOn(dic, 0, 0, "1"));
        answer("x");
        if (i == 0) {
            EXPECT_EQ(drill->state().history.current, (before + 1) % 11);
        }
    }
    EXPECT_EQ(drill->state().history.current, before);
    EXPECT_EQ(view.completed, 11);
}

TEST_F(DrillStartTest, OneWordDictionaryOffersFourChoicesOfThatWord) {
    std::string dic = dictionary("one.txt", {"apple=りんご,林檎*x"});
    ASSERT_TRUE(startOn(dic, 0, 2));
    ASSERT_EQ(view.choices.size(), 4u);
    for (const std::string& c : view.choices)
        EXPECT_EQ(c, sj("りんご"));
    EXPECT_TRUE(view.choicesEnabled);
}

TEST_F(DrillStartTest, TheRightAnswerLandsOnEveryChoicePosition) {
    std::string dic = dictionary("five.txt", {"a=あ*", "b=い*", "c=う*", "d=え*", "e=お*"});
    settings.drill.MultiRandomOn = false;
    std::set<int> positions;
    for (int seed = 0; seed < 40; ++seed) {
        MersenneRandom r(static_cast<unsigned>(seed));
        setRandom(&r);
        ASSERT_TRUE(startOn(dic, 0, 1, "1"));
        const auto& s = drill->state();
        const std::string right = s.entry.answerAlternatives.front();
        auto it = std::find(view.choices.begin(), view.choices.end(), right);
        ASSERT_NE(it, view.choices.end());
        positions.insert(static_cast<int>(it - view.choices.begin()));
        drill->stop();
        setRandom(nullptr);
    }
    EXPECT_EQ(positions, (std::set<int>{0, 1, 2}));
}

TEST_F(DrillStartTest, ShownAlternativeFollowsMultiRandomOn) {
    std::string dic = dictionary("run.txt", {"run,dash=走る,急ぐ*x", "end,=終わり*"});
    std::map<std::string, int> shown;
    for (int seed = 0; seed < 200; ++seed) {
        MersenneRandom r(static_cast<unsigned>(seed));
        setRandom(&r);
        setMode(&DrillModes::notRandom, true);
        ASSERT_TRUE(startOn(dic, 1, 0, "2"));
        ++shown[view.question];
        answer("x");
        EXPECT_EQ(view.question, sj("終わり"));
        drill->stop();
    }
    setRandom(nullptr);
    EXPECT_GT(shown[sj("走る")], 60);
    EXPECT_GT(shown[sj("急ぐ")], 60);

    // A trailing comma's empty alternative is never shown.
    setMode(&DrillModes::notRandom, false);
    std::string comma = dictionary("comma.txt", {"end,=終わり*"});
    for (int seed = 0; seed < 20; ++seed) {
        MersenneRandom r(static_cast<unsigned>(seed));
        setRandom(&r);
        ASSERT_TRUE(startOn(comma, 0, 0, "1"));
        EXPECT_EQ(view.question, "end");
        drill->stop();
    }
    setRandom(nullptr);

    settings.drill.MultiRandomOn = false;
    setMode(&DrillModes::notRandom, true);
    ASSERT_TRUE(startOn(dic, 1, 0, "1"));
    EXPECT_EQ(view.question, sj("走る"));
}

TEST(AnswerFormHint, TheSixTexts) {
    EXPECT_EQ(answerFormHint(sj("りんご")), sj("\"ひらがな\"で解答"));
    EXPECT_EQ(answerFormHint(sj("林檎")), sj("\"漢字\"で解答"));
    EXPECT_EQ(answerFormHint(sj("食べる")), sj("\"漢字\"と\"ひらがな\"で解答"));
    EXPECT_EQ(answerFormHint(sj("車,自動車")), sj("\"英数字\"と\"漢字\"で解答"));
    EXPECT_EQ(answerFormHint("apple"), sj("\"英数字\"で解答"));
    EXPECT_EQ(answerFormHint(sj("カメラ")), sj("\"カタカナ\"で解答"));
    EXPECT_EQ(answerFormHint(sj("コーヒー")), sj("\"カタカナ\"で解答"));  // ー counts as other
    EXPECT_EQ(answerFormHint(sj("ケーキを食べる")), sj("\"漢字\"と\"ひらがな\"で解答"));
}

TEST_F(DrillStartTest, DialogStartAndLaterQuestionsSetTheFormHint) {
    std::string dic = dictionary("two.txt", {"apple=りんご*", "pen=ペン*"});
    setMode(&DrillModes::notRandom, true);
    ASSERT_TRUE(startOn(dic, 0, 0, "2", false));
    EXPECT_EQ(view.status[1], sj("\"ひらがな\"で解答"));
    answer("x");
    EXPECT_EQ(view.status[1], sj("\"カタカナ\"で解答"));
}

TEST_F(DrillStartTest, ColourWarningAtOrBelowThePercentage) {
    std::string dic = dictionary("verbs.txt", {"run=走る*x", "eat=食べる*y"});
    settings.look.ColorChangeOn = true;
    settings.look.ChangeType = 1;
    settings.look.ChangeColorPercent = 50;
    writeLines(dir.file("Taro/2001_verbs.dat"),
               {sj("[問題=出題総数,正解総数,正解率％]"), "COUNT=2", sj("run_走る=4,2,50"),
                sj("eat_食べる=4,3,75")});
    setMode(&DrillModes::notRandom, true);
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    EXPECT_TRUE(view.warning);  // 50 is at most 50
    answer("x");
    EXPECT_FALSE(view.warning);  // 75
}

TEST_F(DrillStartTest, SameWordAgainDoesNotAdvanceTheQuestionNumber) {
    std::string dic = dictionary("two.txt", {"run=走る*x", "eat=食べる*y"});
    settings.drill.RepeatError = true;
    setMode(&DrillModes::notRandom, true);
    ASSERT_TRUE(startOn(dic, 0, 0, "2"));
    answer("wrong");
    EXPECT_EQ(view.question, "run");
    EXPECT_EQ(view.barText[DataBar::QuestionNum], sj(" ： 1 / 2"));
    EXPECT_EQ(drill->state().askedCount, 1);
    answer("走る");
    EXPECT_EQ(view.question, "eat");
    EXPECT_EQ(view.barText[DataBar::QuestionNum], sj(" ： 2 / 2"));
}
