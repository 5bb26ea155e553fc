#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "settings/SettingsStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

class SettingsStoreTest : public ::testing::Test {
protected:
    test::TempDir dir;
    TUserSettings s = fresh();

    TUserSettings fresh(const std::string& user = "Taro") const {
        TUserSettings t;
        t.ProgramFolder = dir.folder();
        t.UserName = user;
        makeFolder(t.userFolder());
        return t;
    }
};

TEST_F(SettingsStoreTest, AnEmptyUserFolderGivesEveryDefault) {
    LoadedSettings loaded = SettingsStore::load(s);
    EXPECT_TRUE(loaded.badValues.empty());
    const std::string pf = dir.folder();
    EXPECT_EQ(s.ShowResult, 1);
    EXPECT_EQ(s.VoiceType, -1);
    EXPECT_EQ(s.MultiRandomOn, 1);
    EXPECT_EQ(s.AutoImeOn, 1);
    EXPECT_EQ(s.AtariOn, 1);
    EXPECT_EQ(s.HazureOn, 1);
    EXPECT_EQ(s.ChangeType, 1);
    EXPECT_EQ(s.ChangeColorPercent, 50);
    EXPECT_EQ(s.SavePosition, 1);  // the record's default, unlike the placement step's
    EXPECT_EQ(s.SaveSize, 0);
    EXPECT_EQ(s.moQuestionSize, 60);
    EXPECT_EQ(s.moCommentSize, 50);
    EXPECT_EQ(s.HatsuonDir, pf);
    EXPECT_EQ(s.DefDicPath, pf + "dictionary/noun.txt");
    EXPECT_EQ(s.DicInUse, pf + "dictionary/noun.txt");
    EXPECT_EQ(s.PhoneticSignFile, pf + "dictionary/phonetic sign.txt");
    EXPECT_EQ(s.AtariSoundFile, pf + "hit.wav");
    EXPECT_EQ(s.HazureSoundFile, pf + "out.wav");
    EXPECT_EQ(s.FinishSoundFile, "");
    EXPECT_EQ(s.FontQuestion, sj("ＭＳ 明朝"));
    EXPECT_EQ(s.FontQuestionSize, 25);
    EXPECT_EQ(s.FontAnswer, sj("ＭＳ Ｐゴシック"));
    EXPECT_EQ(s.FontCommentSize, 13);
    EXPECT_EQ(s.FontPhoneticSign, "Qor PronSign");
    EXPECT_EQ(s.ColorType, 255);
    EXPECT_EQ(s.ColorQuestionNum, 8421376);
    EXPECT_EQ(s.ColorTime, 8421376);
    EXPECT_EQ(s.FontMessageColor, 0);
    EXPECT_EQ(s.ShowQuestionNum, 1);
    EXPECT_EQ(s.ShowHazureNum, 0);
    EXPECT_EQ(s.ShowTime, 1);
    EXPECT_EQ(s.defDicType_2, pf + "dictionary/adj.txt");
    EXPECT_EQ(s.defDicCaption_2, sj("形容詞・副詞"));
    EXPECT_EQ(s.defDicCaption_3, sj("その他"));
    EXPECT_EQ(loaded.questionSetup.QuestionNum, "10");
    EXPECT_EQ(loaded.questionSetup.AnswerType, 0);
    // Loading writes nothing.
    EXPECT_FALSE(test::exists(dir.file("Taro/Setup.ini")));
}

TEST_F(SettingsStoreTest, SavedOptionsReloadIntoEveryField) {
    SettingsStore::load(s);
    // Change every option to a value different from its default.
    s.ShowResult = 0; s.ShowErrorOnly = 1; s.ShowEasyError = 1; s.ShowEasyAtari = 1;
    s.ErrorDialogOn = 1; s.RepeatError = 1; s.ShowPronunciation = 1; s.ShowPronResultOnly = 1;
    s.ShowHint = 1; s.IgnoreCase = 1; s.ShowComment = 1; s.ImportantOn = 1;
    s.AutoImportantOn = 1; s.ClickResult = 1; s.VoiceOn = 1; s.VoiceType = 1; s.AutoVoiceOn = 1;
    s.MultiRandomOn = 0; s.MakeLogFile = 1; s.AutoImeOn = 0; s.UseEndDicFile = 0; s.SaveError = 1;
    s.VocBookOn = 1; s.AtariOn = 0; s.HazureOn = 0; s.FinishOn = 1; s.ColorChangeOn = 1;
    s.ChangeType = 2; s.ChangeColorPercent = 150; s.SavePosition = 0; s.SaveSize = 1;
    s.SaveToolBar = 1; s.NotFlat = 1; s.ShowDate = 1; s.DateType = 2; s.moQuestionSize = 70;
    s.moCommentSize = 40; s.PlanOn = 1; s.ShowPlanOn = 1;
    s.HatsuonDir = "/v/"; s.HearingPath = "/c/vexa.exe"; s.SaveErrorFile = "/e.txt";
    s.DefDicPath = "/d/verbs.txt"; s.PhoneticSignFile = "/p.txt"; s.VocBook = "/b.txt";
    s.AtariSoundFile = ""; s.HazureSoundFile = ""; s.FinishSoundFile = "/f.wav";
    s.FontQuestion = "Q"; s.FontQuestionSize = 30; s.FontAnswer = "A"; s.FontComment = "C";
    s.FontCommentSize = 11; s.FontPhoneticSign = "P"; s.FontEnglish = "E"; s.FontJapanese = "J";
    s.FontMessage = "M";
    s.ColorType = 1; s.ColorQuestionNum = 2; s.ColorAtariNum = 3; s.ColorHazureNum = 4;
    s.ColorPercent = 5; s.ColorTime = 6; s.FontQuestionColor = 7; s.FontAnswerColor = 8;
    s.FontCommentColor = 9; s.FontPhoneticSignColor = 10; s.FontEnglishColor = 11;
    s.FontJapaneseColor = 12; s.FontMessageColor = 13;
    s.ShowQuestionNum = 0; s.ShowAtariNum = 0; s.ShowHazureNum = 1; s.ShowPercent = 0; s.ShowTime = 0;
    ASSERT_TRUE(SettingsStore::saveOptions(s));

    TUserSettings again = fresh();
    LoadedSettings loaded = SettingsStore::load(again);
    EXPECT_TRUE(loaded.badValues.empty());
    // Every field: the reloaded record stores the very same file as the original.
    again.UserName = "Reloaded";
    makeFolder(again.userFolder());
    ASSERT_TRUE(SettingsStore::saveOptions(again));
    EXPECT_EQ(slurp(dir.file("Reloaded/Setup.ini")), slurp(dir.file("Taro/Setup.ini")));
    EXPECT_EQ(again.ChangeColorPercent, 150);  // used unchanged outside 1 to 100
    EXPECT_EQ(again.DicInUse, "/d/verbs.txt");
    EXPECT_EQ(again.FinishSoundFile, "/f.wav");
}

TEST_F(SettingsStoreTest, OptionsAreWrittenInTableOrder) {
    SettingsStore::load(s);
    ASSERT_TRUE(SettingsStore::saveOptions(s));
    std::string file = slurp(dir.file("Taro/Setup.ini"));
    auto at = [&](const std::string& text) { return file.find(text); };
    EXPECT_EQ(at("[Setup]\r\nShowResult=1\r\nShowErrorOnly=0\r\n"), 0u);
    EXPECT_LT(at("ShowPlanOn=0\r\n\r\n[File Path]\r\nHatsuonDir="), std::string::npos);
    EXPECT_LT(at("FinishSoundFile=\r\n\r\n[Font]\r\n"), std::string::npos);
    EXPECT_LT(at("FontMessage=" + sj("ＭＳ Ｐゴシック") + "\r\n\r\n[Color]\r\nColorType=255\r\nQuestionNum=8421376\r\n"),
              std::string::npos);
    EXPECT_LT(at("FontMessageColor=0\r\n\r\n[Data Bar]\r\nShowQuestionNum=1\r\n"), std::string::npos);
    EXPECT_EQ(at("CD-Drive"), std::string::npos);
    EXPECT_EQ(at("Default Dictionary Type"), std::string::npos);
    EXPECT_EQ(at("defDicFilePath=" + dir.folder() + "dictionary/noun.txt\r\n") == std::string::npos, false);
}

TEST_F(SettingsStoreTest, UseEndDicFileStartsWithTheLastDictionary) {
    spit(dir.file("Taro/Setup.ini"),
         crlf({"[Setup]", "UseEndDicFile=1", "[QuestionSetup]", "DicFilePath=/w/verbs.txt",
               "AnswerType=2", "QuestionType=1", "QuestionNum=25", "NotRandom=1"}));
    LoadedSettings loaded = SettingsStore::load(s);
    EXPECT_EQ(s.DefDicPath, "/w/verbs.txt");
    EXPECT_EQ(s.DicInUse, "/w/verbs.txt");
    EXPECT_EQ(loaded.questionSetup.AnswerType, 2);
    EXPECT_EQ(loaded.questionSetup.QuestionType, 1);
    EXPECT_EQ(loaded.questionSetup.QuestionNum, "25");
    EXPECT_EQ(loaded.questionSetup.NotRandom, 1);

    TUserSettings off = fresh();
    spit(dir.file("Taro/Setup.ini"), crlf({"[QuestionSetup]", "DicFilePath=/w/verbs.txt"}));
    SettingsStore::load(off);
    EXPECT_EQ(off.DicInUse, dir.folder() + "dictionary/noun.txt");
}

TEST_F(SettingsStoreTest, ABadNumberFallsBackToItsDefaultAndTheLoadGoesOn) {
    spit(dir.file("Taro/Setup.ini"),
         crlf({"[Setup]", "ShowResult=yes", "ShowHint=1", "[Font]", "FontQuestionSize=big",
               "[Color]", "ColorType=65280"}));
    LoadedSettings loaded = SettingsStore::load(s);
    ASSERT_EQ(loaded.badValues.size(), 2u);
    EXPECT_EQ(loaded.badValues[0].key, "ShowResult");
    EXPECT_EQ(loaded.badValues[0].value, "yes");
    EXPECT_EQ(loaded.badValues[0].file, dir.file("Taro/Setup.ini"));
    EXPECT_EQ(loaded.badValues[1].key, "FontQuestionSize");
    EXPECT_EQ(s.ShowResult, 1);
    EXPECT_EQ(s.ShowHint, 1);
    EXPECT_EQ(s.FontQuestionSize, 25);
    EXPECT_EQ(s.ColorType, 65280);
    std::string message = SettingsStore::describe(loaded.badValues);
    EXPECT_NE(message.find("ShowResult=yes"), std::string::npos);
    EXPECT_NE(message.find("FontQuestionSize=big"), std::string::npos);
    EXPECT_NE(message.find(dir.file("Taro/Setup.ini")), std::string::npos);
}

TEST_F(SettingsStoreTest, ValuesOutsideTheirRangeAreBroughtIntoItAndNamed) {
    spit(dir.file("Taro/Setup.ini"),
         crlf({"[Setup]", "ShowResult=2", "VoiceType=5", "ChangeType=0", "DateType=7",
               "ChangeColorPercent=500", "moQuestionSize=-5", "moCommentSize=100000", "[Font]",
               "FontQuestionSize=100000", "FontCommentSize=2", "[Color]", "FontQuestionColor=-1",
               "ColorType=16777216", "Time=16777215", "[QuestionSetup]", "AnswerType=9",
               "QuestionType=-1", "NotRandom=3"}));
    LoadedSettings loaded = SettingsStore::load(s);
    // Sizes and heights go to the nearest end of their range.
    EXPECT_EQ(s.FontQuestionSize, kFontSizeRange.hi);
    EXPECT_EQ(s.FontCommentSize, kFontSizeRange.lo);
    EXPECT_EQ(s.moQuestionSize, kPanelHeightRange.lo);
    EXPECT_EQ(s.moCommentSize, kPanelHeightRange.hi);
    // Switches, choices and colours take their defaults.
    EXPECT_EQ(s.ShowResult, 1);
    EXPECT_EQ(s.VoiceType, -1);
    EXPECT_EQ(s.ChangeType, 1);
    EXPECT_EQ(s.DateType, 0);
    EXPECT_EQ(s.FontQuestionColor, 0);
    EXPECT_EQ(s.ColorType, 255);
    EXPECT_EQ(s.ColorTime, 0xFFFFFF);  // white is a colour
    EXPECT_EQ(loaded.questionSetup.AnswerType, 0);
    EXPECT_EQ(loaded.questionSetup.QuestionType, 0);
    EXPECT_EQ(loaded.questionSetup.NotRandom, 0);
    // The threshold of the colour change is used as stored.
    EXPECT_EQ(s.ChangeColorPercent, 500);

    std::vector<std::string> keys;
    for (const BadSetting& b : loaded.badValues) {
        EXPECT_EQ(b.problem, BadSetting::Problem::OutOfRange) << b.key;
        keys.push_back(b.key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "ShowResult", "VoiceType", "ChangeType", "ColorType", "FontQuestionColor",
                        "FontQuestionSize", "FontCommentSize", "DateType", "moQuestionSize",
                        "moCommentSize", "AnswerType", "QuestionType", "NotRandom"}));
    const std::string message = SettingsStore::describe(loaded.badValues);
    EXPECT_NE(message.find("[Font] FontQuestionSize=100000" + sj(" → 30（範囲 10～30）")),
              std::string::npos);
    EXPECT_NE(message.find("[Color] FontQuestionColor=-1" + sj(" → 0（範囲 0～16777215 の外、既定値）")),
              std::string::npos);
    // Thirteen values: the file and nine of them are named, the rest counted.
    EXPECT_NE(message.find(sj("ほか 4 件")), std::string::npos);
    EXPECT_EQ(message.find("AnswerType"), std::string::npos);
}

TEST_F(SettingsStoreTest, AValueOfAnyLengthIsCutInTheMessage) {
    spit(dir.file("Taro/Setup.ini"),
         crlf({"[Setup]", "ShowHint=" + std::string(100000, '9'),
               "ShowComment=x" + std::string(100000, 'x')}));
    LoadedSettings loaded = SettingsStore::load(s);
    ASSERT_EQ(loaded.badValues.size(), 2u);
    const std::string message = SettingsStore::describe(loaded.badValues);
    EXPECT_LT(message.size(), 1000u);
    EXPECT_NE(message.find(sj(" → 0（数値ではありません）")), std::string::npos);
}
