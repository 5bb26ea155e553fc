#include "print/TestSheet.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qor;
using namespace qor::test;

namespace {

std::vector<std::string> sjLines(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* line : utf8)
        out.push_back(sj(line));
    return out;
}

const std::vector<std::string> kDictionary = sjLines({
    "apple=りんご*果物",
    "run,dash=走る,急ぐ*よく使う",
    "see=見る*目で",
    "go=行く*コメントはありません",
});

// The heading of a sheet with every optional line off.
const std::vector<std::string> kPlainHeading = {sj("【Qor Helper】"), std::string(66, '='), ""};

class TestSheetTest : public ::testing::Test {
protected:
    MakeTestSettings settings;
    DateTexts now = DateTexts::of(DateTime{1999, 8, 9, 10, 5, 7});

    std::vector<std::string> build(const std::vector<std::string>& source, RandomSource& random) {
        TestSheet sheet(settings);
        sheet.addHeading("Taro", now, DrillFigures{10, 7, 70});
        sheet.addQuestions(source, kDictionary, random);
        sheet.addEnd();
        return sheet.lines();
    }

    static std::vector<std::string> joined(std::vector<std::string> a,
                                           const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

TEST_F(TestSheetTest, AnEmptySourceGivesTheHeadingAndTheTwoSeparators) {
    ScriptedRandom random({0});
    EXPECT_EQ(build({}, random), joined(kPlainHeading, {"", std::string(66, '=')}));
    EXPECT_EQ(random.draws(), 0);

    settings.PrintAnswer = true;  // no key line without questions
    EXPECT_EQ(build({}, random), joined(kPlainHeading, {"", std::string(66, '=')}));
}

TEST_F(TestSheetTest, TheHeadingLinesInTheirOrder) {
    settings.PrintUser = settings.PrintDate = settings.PrintOption = true;
    ScriptedRandom random({0});
    EXPECT_EQ(build({}, random),
              (std::vector<std::string>{sj("【Qor Helper】"), "Taro", sj("8/9/1999 10：5：07"),
                                        sj("出題数 ： 10、正解数 ： 7、正解率 ： 70％"),
                                        std::string(66, '='), "", "", std::string(66, '=')}));

    // The score line needs figures: the types without a drill give none.
    TestSheet sheet(settings);
    sheet.addHeading("Taro", now, std::nullopt);
    EXPECT_EQ(sheet.lines().size(), 5u);
    EXPECT_EQ(sheet.lines()[2], sj("8/9/1999 10：5：07"));
}

TEST_F(TestSheetTest, AChoiceQuestionDrawsDistractorsThenChoicesInTheOrderOfTheRules) {
    settings.SelectOn = true;
    settings.PrintAnswer = true;
    // Distractors: lines 0, 2, 3 (りんご, 見る, 行く). The pool is then the answer first and
    // the distractors in reverse order: 走る,急ぐ / 行く / 見る / りんご. Draws 1, 1, 1, 0
    // take 行く, 見る, りんご, 走る,急ぐ.
    ScriptedRandom random({0, 2, 3, 1, 1, 1, 0});
    std::vector<std::string> lines = build({kDictionary[1]}, random);
    EXPECT_EQ(lines, joined(kPlainHeading, sjLines({
                                               "問題 1： run,dashの意味を選びなさい",
                                               "\ta：行く\tb：見る",
                                               "\tc：りんご\td：走る,急ぐ",
                                               "",
                                               "",
                                               "==================================================================",
                                               "No.1：d",
                                           })));
    EXPECT_EQ(random.draws(), 7);
}

TEST_F(TestSheetTest, JapaneseToEnglishShowsTheJapanesePartAndOffersEnglish) {
    settings.SelectOn = true;
    settings.ToEnglish = true;
    settings.PrintAnswer = true;
    ScriptedRandom random({0, 2, 3, 0, 0, 0, 0});
    std::vector<std::string> lines = build({kDictionary[1]}, random);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], sj("問題 1： 走る,急ぐの英語を選びなさい"));
    EXPECT_EQ(lines[4], sj("\ta：run,dash\tb：go"));
    EXPECT_EQ(lines[5], sj("\tc：see\td：apple"));
    EXPECT_EQ(lines[9], sj("No.1：a"));
}

TEST_F(TestSheetTest, WrittenQuestionsStillDrawTheChoicesSoTheSequenceAdvances) {
    settings.PrintAnswer = true;
    ScriptedRandom random({0, 1, 2, 3, 0, 1, 2});
    std::vector<std::string> lines = build({kDictionary[1], kDictionary[2]}, random);
    EXPECT_EQ(random.draws(), 14);
    EXPECT_EQ(lines, joined(kPlainHeading, sjLines({
                                               "問題 1： run,dashの意味を書きなさい",
                                               "",
                                               "",
                                               "問題 2： seeの意味を書きなさい",
                                               "",
                                               "",
                                               "",
                                               "==================================================================",
                                               "No.1：走る,急ぐ、No.2：見る",
                                           })));

    settings.ToEnglish = true;
    ScriptedRandom again({0});
    lines = build({kDictionary[2]}, again);
    EXPECT_EQ(lines[3], sj("問題 1： 見るを英語に直しなさい"));
    EXPECT_EQ(lines.back(), sj("No.1：see"));
}

TEST_F(TestSheetTest, SevenQuestionsGiveKeyLinesOfFiveAndTwo) {
    settings.SelectOn = true;
    settings.PrintAnswer = true;
    ScriptedRandom random({1, 2, 3, 0, 0, 0, 0});  // every key is "a"
    std::vector<std::string> source(7, kDictionary[0]);
    TestSheet sheet(settings);
    sheet.addHeading("Taro", now, std::nullopt);
    std::vector<int> progress;
    sheet.addQuestions(source, kDictionary, random, [&](int k) { progress.push_back(k); });
    sheet.addEnd();
    const std::vector<std::string>& lines = sheet.lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], sj("No.1：a、No.2：a、No.3：a、No.4：a、No.5：a"));
    EXPECT_EQ(lines.back(), sj("No.6：a、No.7：a"));
    EXPECT_EQ(lines[lines.size() - 3], std::string(66, '='));
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(TestSheetTest, ADistractorEqualToTheAnswerMakesTheKeyTheEarlierLetter) {
    settings.SelectOn = true;
    // Distractors apple, apple, see: the pool りんご / 見る / りんご / りんご; draws 1, 0, 0, 0
    // give a 見る and りんご for b, c and d: the key is b, the first of them.
    ScriptedRandom random({0, 0, 2, 1, 0, 0, 0});
    TestSheet sheet(settings);
    sheet.addQuestions({kDictionary[0]}, kDictionary, random);
    EXPECT_EQ(sheet.lines()[1], sj("\ta：見る\tb：りんご"));
    EXPECT_EQ(sheet.lines()[2], sj("\tc：りんご\td：りんご"));
    EXPECT_EQ(sheet.keys(), (std::vector<std::string>{"b"}));
}

TEST_F(TestSheetTest, AQuestionsLinesBelongToItAndTheGapsToNone) {
    settings.SelectOn = true;
    ScriptedRandom random({0});
    TestSheet sheet(settings);
    sheet.addHeading("Taro", now, std::nullopt);
    sheet.addQuestions({kDictionary[0], kDictionary[1]}, kDictionary, random);
    sheet.addEnd();
    EXPECT_EQ(sheet.questionOfLine(), (std::vector<int>{0, 0, 0, 1, 1, 1, 0, 2, 2, 2, 0, 0, 0}));

    settings.SelectOn = false;
    TestSheet written(settings);
    written.addQuestions({kDictionary[0]}, kDictionary, random);
    EXPECT_EQ(written.questionOfLine(), (std::vector<int>{1, 0, 0}));
}

TEST_F(TestSheetTest, AnEmptyDictionaryGivesEmptyDistractors) {
    settings.SelectOn = true;
    ScriptedRandom random({0});
    TestSheet sheet(settings);
    sheet.addQuestions({kDictionary[0]}, {}, random);
    EXPECT_EQ(sheet.lines()[1], sj("\ta：りんご\tb："));
    EXPECT_EQ(sheet.keys(), (std::vector<std::string>{"a"}));
}

TEST(AnswerKeyTest, TenKeysFillTwoLinesExactly) {
    std::vector<std::string> keys(10, "c");
    std::vector<std::string> lines = answerKeyLines(keys);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], sj("No.6：c、No.7：c、No.8：c、No.9：c、No.10：c"));
    EXPECT_TRUE(answerKeyLines({}).empty());
}

// ---------------------------------------------------------------- settings

class MakeTestSettingsTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string ini = dir.file("Setup.ini");
};

TEST_F(MakeTestSettingsTest, DefaultsAndTheElevenKeysInTheirOrder) {
    MakeTestSettings s = MakeTestSettings::load(ini);
    EXPECT_FALSE(s.ToEnglish || s.SelectOn || s.PrintDate || s.PrintUser || s.PrintAnswer ||
                 s.PrintOption);
    EXPECT_EQ(s.Tab, 160);
    EXPECT_EQ(s.Question_Type[0], sj("を英語に直しなさい"));
    EXPECT_EQ(s.Question_Type[3], sj("の意味を選びなさい"));

    s.SelectOn = s.PrintOption = true;
    s.Tab = 200;
    s.Question_Type[1] = sj("の意味は？");
    ASSERT_TRUE(s.save(ini));
    EXPECT_EQ(slurp(ini), crlf({"[Make Test]", "ToEnglish=0", "SelectOn=1", "PrintDate=0",
                                "PrintUser=0", "PrintAnswer=0", "PrintOption=1", "Tab=200",
                                sj("Question_Type1=を英語に直しなさい"),
                                sj("Question_Type2=の意味は？"),
                                sj("Question_Type3=の英語を選びなさい"),
                                sj("Question_Type4=の意味を選びなさい")}));

    MakeTestSettings back = MakeTestSettings::load(ini);
    EXPECT_TRUE(back.SelectOn && back.PrintOption);
    EXPECT_FALSE(back.ToEnglish);
    EXPECT_EQ(back.Tab, 200);
    EXPECT_EQ(back.Question_Type[1], sj("の意味は？"));
}

TEST_F(MakeTestSettingsTest, ATabThatIsNoNumberTakesItsDefault) {
    spit(ini, crlf({"[Make Test]", "Tab=wide", "SelectOn=yes"}));
    MakeTestSettings s = MakeTestSettings::load(ini);
    EXPECT_EQ(s.Tab, 160);
    EXPECT_FALSE(s.SelectOn);
}

TEST_F(MakeTestSettingsTest, AFailedSaveIsReportedAndTheOldFileStays) {
    spit(ini, crlf({"[Make Test]", "Tab=90"}));
    ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active())
        GTEST_SKIP() << "no read-only folder here";
    MakeTestSettings s;
    FileStatus status = s.save(ini);
    readOnly.release();
    EXPECT_FALSE(status);
    EXPECT_EQ(slurp(ini), crlf({"[Make Test]", "Tab=90"}));
}

// ---------------------------------------------------------------- sources

class SheetSourceTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string user = dir.file("Taro");
    std::string dictionary = dir.file("verbs.txt");
    DrillSummary last;
    DrillHistory history;
    SheetRequest request;

    void SetUp() override {
        makeFolder(user);
        ASSERT_TRUE(writeLines(dictionary, kDictionary));
        request.dictionaryPath = dictionary;
        request.userFolder = user;
        request.now = DateTexts::of(DateTime{1999, 8, 9, 10, 0, 0});
        request.lastDrill = &last;
        request.history = &history;
    }

    void dailyRecord(std::initializer_list<std::string_view> lines) {
        spit(user + "/19998_verbs.dat", crlf(lines));
    }

    SheetSource read(PrintType type, int entry = 1) {
        request.type = type;
        request.historyEntry = entry;
        return readSheetSource(request);
    }
};

TEST_F(SheetSourceTest, TheLastDrillGivesItsMissedLinesAsManyAsItsWrongCount) {
    last.missedLines = {kDictionary[2], kDictionary[0], kDictionary[3]};  // the last one extra
    last.wrongCount = 2;
    last.questionCount = 5;
    last.correctCount = 3;
    SheetSource s = read(PrintType::LastErrors);
    EXPECT_FALSE(s.failed());
    EXPECT_EQ(s.lines, (std::vector<std::string>{kDictionary[2], kDictionary[0]}));
    EXPECT_EQ(s.dictionary, kDictionary);  // for the distractors
    auto score = sheetScore(request);
    ASSERT_TRUE(score);
    EXPECT_EQ(score->questionCount, 5);
    EXPECT_EQ(score->correctCount, 3);
    EXPECT_EQ(score->percentage, 60);
}

TEST_F(SheetSourceTest, TodayAndYesterdayAreWordNumbersOfTheDailyRecord) {
    dailyRecord({"[Error]", "Date=8/9", "Num=2", "Today=3,0", "YesterdayNum=3",
                 "Yesterday=1,2,0,3"});
    EXPECT_EQ(read(PrintType::TodayErrors).lines,
              (std::vector<std::string>{kDictionary[3], kDictionary[0]}));
    // The last number taken runs to the end of the list: "0,3" is not a number.
    SheetSource yesterday = read(PrintType::YesterdayErrors);
    EXPECT_TRUE(yesterday.failed());
    EXPECT_EQ(yesterday.badNumber, "0,3");
    EXPECT_TRUE(yesterday.lines.empty());
    EXPECT_FALSE(sheetScore(request));
}

TEST_F(SheetSourceTest, ADayWithoutMissesNeedsNoDictionary) {
    dailyRecord({"[Error]", "Date=8/9", "Num=0", "Today=", "YesterdayNum=0", "Yesterday=0"});
    request.dictionaryPath = dir.file("gone.txt");
    SheetSource s = read(PrintType::TodayErrors);
    EXPECT_FALSE(s.failed());
    EXPECT_TRUE(s.lines.empty());
    // No record file at all: the same.
    std::filesystem::remove(user + "/19998_verbs.dat");
    EXPECT_FALSE(read(PrintType::YesterdayErrors).failed());
}

TEST_F(SheetSourceTest, ANumberPastTheEndOfAShortenedDictionaryIsSkipped) {
    dailyRecord({"[Error]", "Num=4", "Today=2,9,-1,1"});
    SheetSource s = read(PrintType::TodayErrors);
    EXPECT_FALSE(s.failed());
    EXPECT_EQ(s.lines, (std::vector<std::string>{kDictionary[2], kDictionary[1]}));
    EXPECT_EQ(s.skipped, 2u);
}

TEST_F(SheetSourceTest, TheHistoryPairsTotalsOfEntryNWithLinesOfEntryNMinusOne) {
    DrillRecord& lines = history.drills[2];
    lines.asked[0] = kDictionary[0];
    lines.asked[1] = kDictionary[1];
    lines.asked[2] = kDictionary[2];
    lines.missed[0] = kDictionary[1];
    DrillRecord& totals = history.drills[3];
    totals.dictionaryPath = dictionary;
    totals.questionCount = 3;
    totals.correctCount = 2;
    totals.wrongCount = 1;
    totals.percentage = 67;
    EXPECT_EQ(read(PrintType::PastAsked, 3).lines,
              (std::vector<std::string>{kDictionary[0], kDictionary[1], kDictionary[2]}));
    EXPECT_EQ(read(PrintType::PastMissed, 3).lines, (std::vector<std::string>{kDictionary[1]}));
    auto score = sheetScore(request);
    ASSERT_TRUE(score);
    EXPECT_EQ(score->percentage, 67);
    EXPECT_EQ(score->correctCount, 2);
    // An entry without a drill gives no questions.
    EXPECT_TRUE(read(PrintType::PastAsked, 5).lines.empty());
}

TEST_F(SheetSourceTest, TheWholeDictionaryAndTheCutAtTenThousand) {
    EXPECT_EQ(read(PrintType::WholeDictionary).lines, kDictionary);

    std::vector<std::string> big(kMaxSheetQuestions + 1, kDictionary[0]);
    ASSERT_TRUE(writeLines(dictionary, big));
    SheetSource s = read(PrintType::WholeDictionary);
    EXPECT_TRUE(s.cut);
    EXPECT_EQ(s.count, kMaxSheetQuestions + 1);
    EXPECT_EQ(s.lines.size(), kMaxSheetQuestions);
    EXPECT_FALSE(s.failed());
    EXPECT_NE(cutMessage(s.count).find("10001"), std::string::npos);
}

TEST_F(SheetSourceTest, AnUnreadableDictionaryFailsTheSource) {
    request.dictionaryPath = dir.file("gone.txt");
    SheetSource s = read(PrintType::WholeDictionary);
    EXPECT_TRUE(s.failed());
    EXPECT_EQ(s.status.path(), dir.file("gone.txt"));

    last.missedLines = {kDictionary[0]};
    last.wrongCount = 1;
    s = read(PrintType::LastErrors);
    EXPECT_TRUE(s.failed());
    EXPECT_TRUE(s.lines.empty());
}

TEST(WholeDictionaryQuestionTest, AsksFrom151AndWarnsFrom500) {
    EXPECT_FALSE(wholeDictionaryQuestion(150));
    auto mid = wholeDictionaryQuestion(151);
    ASSERT_TRUE(mid);
    EXPECT_EQ(*mid, sj("選択された辞書には 151個のデータが登録されています。\n"
                       "データが多すぎると表示に時間がかかります。\n表示しますか？"));
    EXPECT_NE(wholeDictionaryQuestion(499)->find("499"), std::string::npos);
    EXPECT_EQ(*wholeDictionaryQuestion(500),
              sj("選択された辞書には、500語以上の単語が登録されています。\n"
                 "サイズ制限により表示できない可能性があります。また、表示に時間がかかります。\n"
                 "表示を試みますか？"));
}

} // namespace
