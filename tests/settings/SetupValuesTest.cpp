// How the settings dialog's OK copies its controls into the settings record.

#include "settings/SetupValues.h"
#include "base/Cp932.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

// A record as the store loads it for a learner who never changed anything.
TUserSettings record() {
    TUserSettings s;
    s.ProgramFolder = "/p/";
    s.UserName = "Taro";
    s.ShowResult = 1;
    s.VoiceType = -1;
    s.HatsuonDir = "/p/";
    s.AtariOn = 1;
    s.AtariSoundFile = "/p/hit.wav";
    s.HazureOn = 1;
    s.HazureSoundFile = "/p/out.wav";
    s.ChangeType = 1;
    s.ChangeColorPercent = 50;
    s.ColorType = 255;
    s.FontQuestion = TUserSettings::questionFace();
    s.FontAnswer = TUserSettings::ordinaryFace();
    return s;
}

} // namespace

TEST(SetupValuesTest, SwitchesWhoseFilesGoWithThemStoreThemEmptyWhenOff) {
    TUserSettings s = record();
    SetupValues v;
    v.saveError = false;
    v.saveErrorFile = "/e.txt";
    v.atariOn = false;
    v.atariSoundFile = "/p/hit.wav";
    v.hazureOn = true;
    v.hazureSoundFile = "/p/boo.wav";
    v.finishOn = true;
    v.finishSoundFile = "/p/fin.wav";
    v.vocBook = "";
    ASSERT_EQ(copySetupValues(v, s), SetupCopy::Done);
    EXPECT_EQ(s.SaveError, 0);
    EXPECT_EQ(s.SaveErrorFile, "");
    EXPECT_EQ(s.AtariOn, 0);
    EXPECT_EQ(s.AtariSoundFile, "");
    EXPECT_EQ(s.HazureSoundFile, "/p/boo.wav");
    EXPECT_EQ(s.FinishOn, 1);
    EXPECT_EQ(s.FinishSoundFile, "/p/fin.wav");
    EXPECT_EQ(s.VocBookOn, 0);

    v.saveError = true;
    v.vocBook = "/b.txt";
    copySetupValues(v, s);
    EXPECT_EQ(s.SaveErrorFile, "/e.txt");
    EXPECT_EQ(s.VocBookOn, 1);
    EXPECT_EQ(s.VocBook, "/b.txt");
}

TEST(SetupValuesTest, TheResultOnlySignsAndTheTimeLimitKeepTheirValueWhileOff) {
    TUserSettings s = record();
    s.ShowPronResultOnly = 1;
    s.TimeLimit = 12;
    SetupValues v;
    v.showPronunciation = false;
    v.showPronResultOnly = false;
    v.timeLimitOn = false;
    v.timeLimit = 30;
    copySetupValues(v, s);
    EXPECT_EQ(s.ShowPronResultOnly, 1);
    EXPECT_EQ(s.TimeLimitOn, 0);
    EXPECT_EQ(s.TimeLimit, 12);
    v.showPronunciation = true;
    v.timeLimitOn = true;
    copySetupValues(v, s);
    EXPECT_EQ(s.ShowPronResultOnly, 0);
    EXPECT_EQ(s.TimeLimitOn, 1);
    EXPECT_EQ(s.TimeLimit, 30);
}

TEST(SetupValuesTest, VoiceOffStoresNoSource) {
    TUserSettings s = record();
    SetupValues v;
    v.voiceOn = false;
    v.voiceType = 0;
    v.autoVoiceOn = true;
    copySetupValues(v, s);
    EXPECT_EQ(s.VoiceOn, 0);
    EXPECT_EQ(s.VoiceType, -1);
    EXPECT_EQ(s.AutoVoiceOn, 0);
}

TEST(SetupValuesTest, TheSourcesPathAndAFolderThatEndsInASlash) {
    TUserSettings s = record();
    SetupValues v;
    v.voiceOn = true;
    v.voiceType = 0;
    v.hatsuonDir = "/voices";
    v.hearingPath = "/opt/vexa";
    copySetupValues(v, s);
    EXPECT_EQ(s.HatsuonDir, "/voices/");
    EXPECT_EQ(s.HearingPath, ""); // another source leaves it alone
    v.hatsuonDir = "";
    copySetupValues(v, s);
    EXPECT_EQ(s.HatsuonDir, "/voices/"); // an empty field changes nothing
    v.voiceType = 1;
    copySetupValues(v, s);
    EXPECT_EQ(s.HearingPath, "/opt/vexa");
}

TEST(SetupValuesTest, TheCompanionWithoutAPathStopsAfterTheFirstGroup) {
    TUserSettings s = record();
    SetupValues v;
    v.showComment = true;
    v.voiceOn = true;
    v.voiceType = 1;
    v.hearingPath = "";
    v.userName = "Hanako";
    v.planOn = true;
    v.fonts[0] = {"IPAGothic", 255};
    v.showDate = true;
    v.dateType = 1;
    EXPECT_EQ(copySetupValues(v, s), SetupCopy::NoCompanionPath);
    // Copied before the voice source's path: in the record.
    EXPECT_EQ(s.ShowComment, 1);
    EXPECT_EQ(s.VoiceOn, 1);
    EXPECT_EQ(s.VoiceType, 1);
    // After it: untouched.
    EXPECT_EQ(s.UserName, "Taro");
    EXPECT_EQ(s.PlanOn, 0);
    EXPECT_EQ(s.FontQuestion, TUserSettings::questionFace());
    EXPECT_EQ(s.ShowDate, 0);
}

TEST(SetupValuesTest, FontsColoursAndTheTitleBarDate) {
    TUserSettings s = record();
    SetupValues v;
    v.userName = "Hanako";
    v.fonts = fontsOf(s);
    v.fonts[static_cast<std::size_t>(FontSlot::Question)] = {"", 0x0000FF}; // no selection
    v.fonts[static_cast<std::size_t>(FontSlot::Answer)] = {"IPAGothic", 0x00FF00};
    v.fontQuestionSize = 30;
    v.colorChangeOn = false;
    v.changeType = 2;
    v.changeColorPercent = 80;
    v.colorType = 0;
    v.dataBars = {false, true, true, false, true};
    v.barColors = {1, 2, 3, 4, 5};
    v.showDate = false;
    v.dateType = 2;
    copySetupValues(v, s);
    EXPECT_EQ(s.UserName, "Hanako");
    EXPECT_EQ(s.FontQuestion, TUserSettings::questionFace());
    EXPECT_EQ(s.FontQuestionColor, 0x0000FF);
    EXPECT_EQ(s.FontAnswer, "IPAGothic");
    EXPECT_EQ(s.FontAnswerColor, 0x00FF00);
    EXPECT_EQ(s.FontQuestionSize, 30);
    // Unticked, only the switch changes.
    EXPECT_EQ(s.ColorChangeOn, 0);
    EXPECT_EQ(s.ChangeType, 1);
    EXPECT_EQ(s.ChangeColorPercent, 50);
    EXPECT_EQ(s.ColorType, 255);
    EXPECT_EQ(s.ShowQuestionNum, 0);
    EXPECT_EQ(s.ShowHazureNum, 1);
    EXPECT_EQ(s.ColorPercent, 4);
    EXPECT_EQ(s.DateType, 0);

    v.colorChangeOn = true;
    v.showDate = true;
    copySetupValues(v, s);
    EXPECT_EQ(s.ColorChangeOn, 1);
    EXPECT_EQ(s.ChangeType, 2);
    EXPECT_EQ(s.ChangeColorPercent, 80);
    EXPECT_EQ(s.ColorType, 0);
    EXPECT_EQ(s.ShowDate, 1);
    EXPECT_EQ(s.DateType, 2);
}

TEST(SetupValuesTest, TheFontResetUsesTheProgramsFacesInBlack) {
    SetupFonts fonts = defaultFonts();
    EXPECT_EQ(fonts[0].face, sj("ＭＳ 明朝"));
    EXPECT_EQ(fonts[1].face, sj("ＭＳ Ｐゴシック"));
    EXPECT_EQ(fonts[2].face, sj("ＭＳ Ｐゴシック"));
    EXPECT_EQ(fonts[3].face, "Qor PronSign");
    for (std::size_t i = 4; i < kFontSlots; ++i)
        EXPECT_EQ(fonts[i].face, sj("ＭＳ Ｐゴシック"));
    for (const FontValue& f : fonts)
        EXPECT_EQ(f.color, 0);
}
