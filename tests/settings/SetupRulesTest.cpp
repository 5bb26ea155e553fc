// The settings dialog's own rules for OK, beyond the switches and numbers it stores as
// they are shown: files that go with their switch, values kept while their switch is
// off, the voice source's path, fonts, colours and the title-bar date.

#include "settings/SetupFonts.h"
#include "settings/TfrmSetup.h"
#include "tests/settings/SetupFixture.h"
#include "tests/support/Controls.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace qor;
using test::q;

namespace {

using SetupRulesTest = test::SetupFixture;

void set(TfrmSetup& w, const char* box, bool on) {
    QCheckBox* b = ctl<QCheckBox>(w, box);
    if (b->isChecked() != on) b->click();
}

void ok(TfrmSetup& w) {
    ctl<QPushButton>(w, "cmdOk")->click();
}

} // namespace

TEST_F(SetupRulesTest, SwitchesWhoseFilesGoWithThemStoreThemEmptyWhenOff) {
    TfrmSetup& w = dialog();
    set(w, "chkSaveError", false);
    ctl<QLineEdit>(w, "txtSaveErrorFile")->setText(QStringLiteral("/e.txt"));
    set(w, "chkAtariOn", false);
    ctl<QLineEdit>(w, "txtAtariSoundFile")->setText(QStringLiteral("/p/hit.wav"));
    set(w, "chkHazureOn", true);
    ctl<QLineEdit>(w, "txtHazureSoundFile")->setText(QStringLiteral("/p/boo.wav"));
    set(w, "chkFinishOn", true);
    ctl<QLineEdit>(w, "txtFinishSoundFile")->setText(QStringLiteral("/p/fin.wav"));
    ctl<QLineEdit>(w, "txtVocBook")->clear();
    ok(w);
    EXPECT_FALSE(settings.files.SaveError);
    EXPECT_EQ(settings.files.SaveErrorFile, "");
    EXPECT_FALSE(settings.sound.AtariOn);
    EXPECT_EQ(settings.sound.AtariSoundFile, "");
    EXPECT_EQ(settings.sound.HazureSoundFile, "/p/boo.wav");
    EXPECT_TRUE(settings.sound.FinishOn);
    EXPECT_EQ(settings.sound.FinishSoundFile, "/p/fin.wav");
    EXPECT_FALSE(settings.files.VocBookOn);

    dialog();
    set(w, "chkSaveError", true);
    ctl<QLineEdit>(w, "txtSaveErrorFile")->setText(QStringLiteral("/e.txt"));
    ctl<QLineEdit>(w, "txtVocBook")->setText(QStringLiteral("/b.txt"));
    ok(w);
    EXPECT_EQ(settings.files.SaveErrorFile, "/e.txt");
    EXPECT_TRUE(settings.files.VocBookOn);
    EXPECT_EQ(settings.files.VocBook, "/b.txt");
}

TEST_F(SetupRulesTest, TheResultOnlySignsAndTheTimeLimitKeepTheirValueWhileOff) {
    settings.drill.ShowPronunciation = false;
    settings.drill.ShowPronResultOnly = true;
    settings.drill.TimeLimit = 12;
    TfrmSetup& w = dialog();
    set(w, "chkTimerOn", false);
    ctl<QSpinBox>(w, "txtTimeLimit")->setValue(30);
    ok(w);
    EXPECT_TRUE(settings.drill.ShowPronResultOnly);
    EXPECT_FALSE(settings.drill.TimeLimitOn);
    EXPECT_EQ(settings.drill.TimeLimit, 12);

    dialog();
    set(w, "chkShowPronunciation", true);
    set(w, "chkShowPronResultOnly", false);
    set(w, "chkTimerOn", true);
    ctl<QSpinBox>(w, "txtTimeLimit")->setValue(30);
    ok(w);
    EXPECT_FALSE(settings.drill.ShowPronResultOnly);
    EXPECT_TRUE(settings.drill.TimeLimitOn);
    EXPECT_EQ(settings.drill.TimeLimit, 30);
}

TEST_F(SetupRulesTest, VoiceOffStoresNoSourceAndNoAutomaticVoice) {
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 0;
    settings.sound.AutoVoiceOn = true;
    TfrmSetup& w = dialog();
    set(w, "chkVoiceOn", false);
    ok(w);
    EXPECT_FALSE(settings.sound.VoiceOn);
    EXPECT_EQ(settings.sound.VoiceType, -1);
    EXPECT_FALSE(settings.sound.AutoVoiceOn);
}

TEST_F(SetupRulesTest, TheSourcesPathAndAFolderThatEndsInASlash) {
    settings.sound.HearingPath = "";
    TfrmSetup& w = dialog();
    set(w, "chkVoiceOn", true);
    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(0)->click();
    ctl<QLineEdit>(w, "txtHatsuonDir")->setText(QStringLiteral("/voices"));
    ctl<QLineEdit>(w, "txtHearingPath")->setText(QStringLiteral("/opt/vexa"));
    ok(w);
    EXPECT_EQ(settings.sound.HatsuonDir, "/voices/");
    EXPECT_EQ(settings.sound.HearingPath, ""); // another source leaves it alone

    dialog();
    ctl<QLineEdit>(w, "txtHatsuonDir")->clear();
    ok(w);
    EXPECT_EQ(settings.sound.HatsuonDir, "/voices/"); // an empty field changes nothing
}

TEST_F(SetupRulesTest, TheCompanionWithoutAPathKeepsWhatFollowsTheVoiceSource) {
    TfrmSetup& w = dialog();
    set(w, "chkShowComment", true);
    set(w, "chkVoiceOn", true);
    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(1)->click();
    ctl<QLineEdit>(w, "txtHearingPath")->clear();
    ctl<QComboBox>(w, "cboUserName")->setEditText(QStringLiteral("Hanako"));
    set(w, "chkPlanOn", true);
    ctl<QComboBox>(w, "cboFontQuestion")->setCurrentText(q("ＭＳ Ｐゴシック"));
    set(w, "chkShowDate", true);
    platform.answerNotice();
    ok(w);
    // Taken on: the values before the voice source's path.
    EXPECT_TRUE(settings.drill.ShowComment);
    EXPECT_TRUE(settings.sound.VoiceOn);
    EXPECT_EQ(settings.sound.VoiceType, 1);
    // After it: untouched.
    EXPECT_EQ(settings.UserName, "Taro");
    EXPECT_FALSE(settings.schedule.PlanOn);
    EXPECT_EQ(settings.look.FontQuestion, TUserSettings::questionFace());
    EXPECT_FALSE(settings.window.ShowDate);
}

TEST_F(SetupRulesTest, FontsColoursAndTheTitleBarDate) {
    settings.look.ChangeType = 1;
    settings.look.ChangeColorPercent = 50;
    settings.look.ColorType = 255;
    TfrmSetup& w = dialog();
    // A list without a selection keeps the record's face; its colour is stored.
    ctl<QComboBox>(w, "cboFontQuestion")->setCurrentIndex(-1);
    platform.answerColor(QColor(255, 0, 0));
    ctl<QPushButton>(w, "cmdFontColorQuestion")->click();
    ctl<QComboBox>(w, "cboFontAnswer")->setCurrentText(q("ＭＳ 明朝"));
    ctl<QComboBox>(w, "cboFontQuestionSize")->setCurrentText(QStringLiteral("30"));
    // Unticked, only the colour change's switch is stored.
    set(w, "chkColorChangeOn", true);
    ctl<ui::RadioGroup>(w, "rgChangeType")->button(1)->click();
    ctl<QSpinBox>(w, "txtChangeColorPercent")->setValue(80);
    set(w, "chkColorChangeOn", false);
    set(w, "chkShowQuestionNum", false);
    set(w, "chkShowHazureNum", true);
    set(w, "chkShowDate", false);
    ok(w);
    EXPECT_EQ(settings.look.FontQuestion, TUserSettings::questionFace());
    EXPECT_EQ(settings.look.FontQuestionColor, 0x0000FF);
    EXPECT_EQ(settings.look.FontAnswer, TUserSettings::questionFace());
    EXPECT_EQ(settings.look.FontQuestionSize, 30);
    EXPECT_FALSE(settings.look.ColorChangeOn);
    EXPECT_EQ(settings.look.ChangeType, 1);
    EXPECT_EQ(settings.look.ChangeColorPercent, 50);
    EXPECT_EQ(settings.look.ColorType, 255);
    EXPECT_FALSE(settings.look.ShowQuestionNum);
    EXPECT_TRUE(settings.look.ShowHazureNum);
    EXPECT_FALSE(settings.window.ShowDate);
    EXPECT_EQ(settings.window.DateType, 0);

    dialog();
    set(w, "chkColorChangeOn", true);
    ctl<ui::RadioGroup>(w, "rgChangeType")->button(1)->click();
    ctl<QSpinBox>(w, "txtChangeColorPercent")->setValue(80);
    set(w, "chkShowDate", true);
    ctl<ui::RadioGroup>(w, "rgDateType")->button(2)->click();
    ok(w);
    EXPECT_TRUE(settings.look.ColorChangeOn);
    EXPECT_EQ(settings.look.ChangeType, 2);
    EXPECT_EQ(settings.look.ChangeColorPercent, 80);
    EXPECT_TRUE(settings.window.ShowDate);
    EXPECT_EQ(settings.window.DateType, 2);
}

TEST(SetupFontsTest, TheFontResetUsesTheProgramsFacesInBlack) {
    SetupFonts fonts = defaultFonts();
    EXPECT_EQ(fonts[0].face, TUserSettings::questionFace());
    EXPECT_EQ(fonts[1].face, TUserSettings::ordinaryFace());
    EXPECT_EQ(fonts[2].face, TUserSettings::ordinaryFace());
    EXPECT_EQ(fonts[3].face, "Qor PronSign");
    for (std::size_t i = 4; i < kFontSlots; ++i)
        EXPECT_EQ(fonts[i].face, TUserSettings::ordinaryFace());
    for (const FontValue& f : fonts)
        EXPECT_EQ(f.color, 0);
}
