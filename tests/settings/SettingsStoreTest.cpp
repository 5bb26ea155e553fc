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
    EXPECT_TRUE(s.drill.ShowResult);
    EXPECT_EQ(s.sound.VoiceType, -1);
    EXPECT_TRUE(s.drill.MultiRandomOn);
    EXPECT_TRUE(s.window.AutoImeOn);
    EXPECT_TRUE(s.sound.AtariOn);
    EXPECT_TRUE(s.sound.HazureOn);
    EXPECT_EQ(s.look.ChangeType, 1);
    EXPECT_EQ(s.look.ChangeColorPercent, 50);
    EXPECT_TRUE(s.window.SavePosition);  // the record's default, unlike the placement step's
    EXPECT_FALSE(s.window.SaveSize);
    EXPECT_EQ(s.look.moQuestionSize, 60);
    EXPECT_EQ(s.look.moCommentSize, 50);
    EXPECT_EQ(s.sound.HatsuonDir, pf);
    EXPECT_EQ(s.files.DefDicPath, pf + "dictionary/noun.txt");
    EXPECT_EQ(s.files.DicInUse, pf + "dictionary/noun.txt");
    EXPECT_EQ(s.files.PhoneticSignFile, pf + "dictionary/phonetic sign.txt");
    EXPECT_EQ(s.sound.AtariSoundFile, pf + "hit.wav");
    EXPECT_EQ(s.sound.HazureSoundFile, pf + "out.wav");
    EXPECT_EQ(s.sound.FinishSoundFile, "");
    EXPECT_EQ(s.look.FontQuestion, sj("ＭＳ 明朝"));
    EXPECT_EQ(s.look.FontQuestionSize, 25);
    EXPECT_EQ(s.look.FontAnswer, sj("ＭＳ Ｐゴシック"));
    EXPECT_EQ(s.look.FontCommentSize, 13);
    EXPECT_EQ(s.look.FontPhoneticSign, "Qor PronSign");
    EXPECT_EQ(s.look.ColorType, 255);
    EXPECT_EQ(s.look.ColorQuestionNum, 8421376);
    EXPECT_EQ(s.look.ColorTime, 8421376);
    EXPECT_EQ(s.look.FontMessageColor, 0);
    EXPECT_TRUE(s.look.ShowQuestionNum);
    EXPECT_FALSE(s.look.ShowHazureNum);
    EXPECT_TRUE(s.look.ShowTime);
    EXPECT_EQ(s.dicTypes.defDicType_2, pf + "dictionary/adj.txt");
    EXPECT_EQ(s.dicTypes.defDicCaption_2, sj("形容詞・副詞"));
    EXPECT_EQ(s.dicTypes.defDicCaption_3, sj("その他"));
    EXPECT_EQ(loaded.questionSetup.QuestionNum, "10");
    EXPECT_EQ(loaded.questionSetup.AnswerType, 0);
    // Loading writes nothing.
    EXPECT_FALSE(test::exists(dir.file("Taro/Setup.ini")));
}

TEST_F(SettingsStoreTest, SavedOptionsReloadIntoEveryField) {
    SettingsStore::load(s);
    // Change every option to a value different from its default.
    s.drill.ShowResult = false; s.drill.ShowErrorOnly = true; s.drill.ShowEasyError = true; s.drill.ShowEasyAtari = true;
    s.drill.ErrorDialogOn = true; s.drill.RepeatError = true; s.drill.ShowPronunciation = true; s.drill.ShowPronResultOnly = true;
    s.drill.ShowHint = true; s.drill.IgnoreCase = true; s.drill.ShowComment = true; s.drill.ImportantOn = true;
    s.drill.AutoImportantOn = true; s.window.ClickResult = true; s.sound.VoiceOn = true; s.sound.VoiceType = 1; s.sound.AutoVoiceOn = true;
    s.drill.MultiRandomOn = false; s.drill.MakeLogFile = true; s.window.AutoImeOn = false; s.files.UseEndDicFile = false; s.files.SaveError = true;
    s.files.VocBookOn = true; s.sound.AtariOn = false; s.sound.HazureOn = false; s.sound.FinishOn = true; s.look.ColorChangeOn = true;
    s.look.ChangeType = 2; s.look.ChangeColorPercent = 150; s.window.SavePosition = false; s.window.SaveSize = true;
    s.window.SaveToolBar = true; s.window.NotFlat = true; s.window.ShowDate = true; s.window.DateType = 2; s.look.moQuestionSize = 70;
    s.look.moCommentSize = 40; s.schedule.PlanOn = true; s.schedule.ShowPlanOn = true;
    s.sound.HatsuonDir = "/v/"; s.sound.HearingPath = "/c/vexa.exe"; s.files.SaveErrorFile = "/e.txt";
    s.files.DefDicPath = "/d/verbs.txt"; s.files.PhoneticSignFile = "/p.txt"; s.files.VocBook = "/b.txt";
    s.sound.AtariSoundFile = ""; s.sound.HazureSoundFile = ""; s.sound.FinishSoundFile = "/f.wav";
    s.look.FontQuestion = "Q"; s.look.FontQuestionSize = 30; s.look.FontAnswer = "A"; s.look.FontComment = "C";
    s.look.FontCommentSize = 11; s.look.FontPhoneticSign = "P"; s.look.FontEnglish = "E"; s.look.FontJapanese = "J";
    s.look.FontMessage = "M";
    s.look.ColorType = 1; s.look.ColorQuestionNum = 2; s.look.ColorAtariNum = 3; s.look.ColorHazureNum = 4;
    s.look.ColorPercent = 5; s.look.ColorTime = 6; s.look.FontQuestionColor = 7; s.look.FontAnswerColor = 8;
    s.look.FontCommentColor = 9; s.look.FontPhoneticSignColor = 10; s.look.FontEnglishColor = 11;
    s.look.FontJapaneseColor = 12; s.look.FontMessageColor = 13;
    s.look.ShowQuestionNum = false; s.look.ShowAtariNum = false; s.look.ShowHazureNum = true; s.look.ShowPercent = false; s.look.ShowTime = false;
    ASSERT_TRUE(SettingsStore::saveOptions(s));

    TUserSettings again = fresh();
    LoadedSettings loaded = SettingsStore::load(again);
    EXPECT_TRUE(loaded.badValues.empty());
    // Every field: the reloaded record stores the very same file as the original.
    again.UserName = "Reloaded";
    makeFolder(again.userFolder());
    ASSERT_TRUE(SettingsStore::saveOptions(again));
    EXPECT_EQ(slurp(dir.file("Reloaded/Setup.ini")), slurp(dir.file("Taro/Setup.ini")));
    EXPECT_EQ(again.look.ChangeColorPercent, 150);  // used unchanged outside 1 to 100
    EXPECT_EQ(again.files.DicInUse, "/d/verbs.txt");
    EXPECT_EQ(again.sound.FinishSoundFile, "/f.wav");
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
    EXPECT_EQ(s.files.DefDicPath, "/w/verbs.txt");
    EXPECT_EQ(s.files.DicInUse, "/w/verbs.txt");
    EXPECT_EQ(loaded.questionSetup.AnswerType, 2);
    EXPECT_EQ(loaded.questionSetup.QuestionType, 1);
    EXPECT_EQ(loaded.questionSetup.QuestionNum, "25");
    EXPECT_EQ(loaded.questionSetup.NotRandom, 1);

    TUserSettings off = fresh();
    spit(dir.file("Taro/Setup.ini"), crlf({"[QuestionSetup]", "DicFilePath=/w/verbs.txt"}));
    SettingsStore::load(off);
    EXPECT_EQ(off.files.DicInUse, dir.folder() + "dictionary/noun.txt");
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
    EXPECT_TRUE(s.drill.ShowResult);
    EXPECT_TRUE(s.drill.ShowHint);
    EXPECT_EQ(s.look.FontQuestionSize, 25);
    EXPECT_EQ(s.look.ColorType, 65280);
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
    EXPECT_EQ(s.look.FontQuestionSize, kFontSizeRange.hi);
    EXPECT_EQ(s.look.FontCommentSize, kFontSizeRange.lo);
    EXPECT_EQ(s.look.moQuestionSize, kPanelHeightRange.lo);
    EXPECT_EQ(s.look.moCommentSize, kPanelHeightRange.hi);
    // Switches, choices and colours take their defaults.
    EXPECT_TRUE(s.drill.ShowResult);
    EXPECT_EQ(s.sound.VoiceType, -1);
    EXPECT_EQ(s.look.ChangeType, 1);
    EXPECT_EQ(s.window.DateType, 0);
    EXPECT_EQ(s.look.FontQuestionColor, 0);
    EXPECT_EQ(s.look.ColorType, 255);
    EXPECT_EQ(s.look.ColorTime, 0xFFFFFF);  // white is a colour
    EXPECT_EQ(loaded.questionSetup.AnswerType, 0);
    EXPECT_EQ(loaded.questionSetup.QuestionType, 0);
    EXPECT_EQ(loaded.questionSetup.NotRandom, 0);
    // The threshold of the colour change is used as stored.
    EXPECT_EQ(s.look.ChangeColorPercent, 500);

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
