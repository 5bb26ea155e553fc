// "基本設定": its showing, OK with the Part's cases, "キャンセル", and a round trip through
// every tab to the file and back.

#include "base/IniFile.h"
#include "settings/SetupGeneralPages.h"
#include "settings/SetupLookPages.h"
#include "settings/SetupSoundPages.h"
#include "settings/SetupUserPages.h"
#include "settings/SetupWidgets.h"
#include "tests/settings/SetupFixture.h"
#include "ui/Fonts.h"
#include "ui/RadioGroup.h"

#include "tests/support/Controls.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <filesystem>

using namespace qor;
using test::crlf;
using test::PlatformCall;
using test::q;
using test::slurp;
using test::spit;

namespace {

using SetupDialogTest = test::SetupFixture;

std::string read(const std::string& path, const char* section, const char* key) {
    IniFile ini(path);
    return ini.read(section, key, "<none>");
}

} // namespace

TEST_F(SetupDialogTest, TheDialogWithItsTenTabsOpensOnTheFirst) {
    TfrmSetup& w = dialog();
    EXPECT_EQ(w.windowTitle(), q("基本設定"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblBanner"))->text(),
              q("ここでは、Qor Helperの各種設定を行います"));
    QStringList tabs;
    for (int i = 0; i < ctl<QTabWidget>(w, "pcSetup")->count(); ++i)
        tabs << ctl<QTabWidget>(w, "pcSetup")->tabText(i);
    EXPECT_EQ(tabs,
              (QStringList{q("全般"), q("ファイル"), q("ユーザー"), q("スケジュール"),
                           q("サウンド"), q("音声"), q("フォント"), q("カラー"), q("その他"), q("復習")}));
    EXPECT_EQ(ctl<QPushButton>(w, "cmdOk")->text(), q("&OK"));
    EXPECT_EQ(ctl<QPushButton>(w, "cmdCancel")->text(), q("キャンセル"));
    ASSERT_TRUE(w.musicGroupSlot());
    EXPECT_EQ(w.musicGroupSlot()->objectName(), QStringLiteral("musicGroupSlot"));
    EXPECT_TRUE(w.musicGroupSlot()->layout());
    ctl<QTabWidget>(w, "pcSetup")->setCurrentIndex(5);
    w.FormShow();
    EXPECT_EQ(ctl<QTabWidget>(w, "pcSetup")->currentIndex(), 0);
}

TEST_F(SetupDialogTest, ShowingFillsEveryTabFromTheRecord) {
    settings.drill.ShowResult = true;
    settings.drill.ShowHint = true;
    settings.files.DefDicPath = "/d/verbs.txt";
    settings.files.VocBook = "/d/book.txt";
    settings.sound.AtariSoundFile = "/s/hit.wav";
    settings.look.FontQuestionSize = 28;
    settings.look.FontCommentColor = 255;
    settings.look.ColorQuestionNum = 0x00FF00;
    settings.look.moQuestionSize = 77;
    settings.window.SavePosition = false;
    TfrmSetup& w = dialog();
    EXPECT_TRUE(find<QCheckBox>("chkShowHint")->isChecked());
    EXPECT_EQ(find<QLineEdit>("txtDefDicPath")->text(), QStringLiteral("/d/verbs.txt"));
    EXPECT_EQ(find<QLineEdit>("txtDefDicPath")->toolTip(), QStringLiteral("/d/verbs.txt"));
    EXPECT_EQ(find<QLineEdit>("txtVocBook")->text(), QStringLiteral("/d/book.txt"));
    EXPECT_EQ(find<QLineEdit>("txtAtariSoundFile")->text(), QStringLiteral("/s/hit.wav"));
    EXPECT_EQ(find<QComboBox>("cboFontQuestionSize")->currentText(), QStringLiteral("28"));
    EXPECT_EQ(find<QComboBox>("cboFontQuestion")->currentText(), q("ＭＳ 明朝"));
    EXPECT_EQ(ctl<SetupFontPage>(w, "tsFont")->fontColor(FontSlot::Comment), 255);
    EXPECT_EQ(find<QComboBox>("cboFontComment")->palette().color(QPalette::ButtonText),
              QColor(255, 0, 0));
    EXPECT_EQ(find<ColorPanel>("pnlQuestionNum")->color(), 0x00FF00);
    EXPECT_EQ(find<QSpinBox>("txtQuestionSize")->value(), 77);
    EXPECT_FALSE(find<QCheckBox>("chkSavePosition")->isChecked());
    EXPECT_EQ(find<QComboBox>("cboUserName")->currentText(), QStringLiteral("Taro"));
    // The schedule's date starts at today.
    EXPECT_EQ(find<QSpinBox>("txtYear")->value(), 2002);
    EXPECT_EQ(find<QSpinBox>("txtMonth")->value(), 3);
    EXPECT_EQ(find<QSpinBox>("txtDay")->value(), 3);

    // A face that is not offered leaves its list without a selection, and OK keeps it.
    settings.look.FontEnglish = "No Such Face";
    w.FormShow();
    EXPECT_EQ(find<QComboBox>("cboFontEnglish")->currentIndex(), -1);
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(settings.look.FontEnglish, "No Such Face");
    EXPECT_EQ(read(setupIni(), "Font", "FontEnglish"), "No Such Face");
}

TEST_F(SetupDialogTest, VoiceUntickedStoresNoSource) {
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 0;
    TfrmSetup& w = dialog();
    find<QCheckBox>("chkVoiceOn")->click();
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(settings.sound.VoiceType, -1);
    EXPECT_EQ(read(setupIni(), "Setup", "VoiceOn"), "0");
    EXPECT_EQ(read(setupIni(), "Setup", "VoiceType"), "-1");
    // The windows and the companion are told once that the sound settings changed.
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_TRUE(notified[0].has(SettingsGroup::Sound));
}

TEST_F(SetupDialogTest, AnotherUserReceivesTheOptionsAndBecomesCurrent) {
    UserRegistry(dir.folder()).registerUser("Hanako");
    settings.ShowUser = true;
    TfrmSetup& w = dialog();
    find<QCheckBox>("chkShowHint")->click();
    find<QComboBox>("cboUserName")->setCurrentText(QStringLiteral("Hanako"));
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(settings.UserName, "Hanako");
    EXPECT_EQ(settings.setupIniPath(), dir.file("Hanako/Setup.ini"));
    EXPECT_EQ(read(dir.file("Hanako/Setup.ini"), "Setup", "ShowHint"), "1");
    EXPECT_FALSE(test::exists(dir.file("Taro/Setup.ini")));
    EXPECT_EQ(read(dir.file("User.ini"), "Setup", "ShowUser"), "1");
}

TEST_F(SetupDialogTest, TheCompanionWithoutAPathWarnsAndWritesNothing) {
    TfrmSetup& w = dialog();
    find<QCheckBox>("chkShowComment")->click();
    find<QCheckBox>("chkVoiceOn")->click();
    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(1)->click();
    find<QCheckBox>("chkShowDate")->click();
    platform.answerNotice();
    ctl<QPushButton>(w, "cmdOk")->click();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, q("ヴェクサが指定されていません"));
    EXPECT_EQ(notices[0].caption, q("エラー"));
    EXPECT_EQ(notices[0].noticeKind, 0);
    EXPECT_NE(w.result(), QDialog::Accepted);
    EXPECT_EQ(ctl<QTabWidget>(w, "pcSetup")->currentWidget(), ctl<SetupVoicePage>(w, "tsVoice"));
    EXPECT_FALSE(test::exists(setupIni()));
    // The values before the voice source's path are in the record, those after are not.
    EXPECT_TRUE(settings.drill.ShowComment);
    EXPECT_TRUE(settings.sound.VoiceOn);
    EXPECT_EQ(settings.sound.VoiceType, 1);
    EXPECT_FALSE(settings.window.ShowDate);
    // The windows follow what was copied; the companion (sound group) is left alone.
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_TRUE(notified[0].has(SettingsGroup::Drill));
    EXPECT_FALSE(notified[0].has(SettingsGroup::Sound));
    EXPECT_FALSE(notified[0].has(SettingsGroup::Window));
}

TEST_F(SetupDialogTest, ASetupFileThatCannotBeWrittenKeepsTheDialogAndTheChanges) {
    // A folder stands where Setup.ini should be.
    makeFolder(setupIni());
    const TUserSettings before = settings;
    TfrmSetup& w = dialog();
    find<QCheckBox>("chkShowHint")->click();
    find<QSpinBox>("txtQuestionSize")->setValue(90);
    platform.answerNotice();
    ctl<QPushButton>(w, "cmdOk")->click();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, q("エラー"));
    EXPECT_TRUE(notices[0].text.contains(QString::fromStdString(setupIni())));
    EXPECT_NE(w.result(), QDialog::Accepted);
    // What the learner typed stays on screen; the record stays as it was.
    EXPECT_TRUE(find<QCheckBox>("chkShowHint")->isChecked());
    EXPECT_EQ(find<QSpinBox>("txtQuestionSize")->value(), 90);
    EXPECT_EQ(settings.drill.ShowHint, before.drill.ShowHint);
    EXPECT_EQ(settings.look.moQuestionSize, before.look.moQuestionSize);
    EXPECT_TRUE(hostCalls.isEmpty());
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(read(dir.file("User.ini"), "Setup", "ShowUser"), "<none>");

    // Once the file can be written, the same OK goes through.
    std::filesystem::remove(setupIni());
    ctl<QPushButton>(w, "cmdOk")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(read(setupIni(), "Setup", "moQuestionSize"), "90");
}

TEST_F(SetupDialogTest, CancelCopiesNothing) {
    TfrmSetup& w = dialog();
    find<QCheckBox>("chkShowHint")->click();
    find<QCheckBox>("chkShowResult")->click();
    ctl<QPushButton>(w, "cmdCancel")->click();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(settings.drill.ShowHint);
    EXPECT_TRUE(settings.drill.ShowResult);
    EXPECT_FALSE(test::exists(setupIni()));
    EXPECT_TRUE(hostCalls.isEmpty());
    EXPECT_TRUE(notified.empty());
    // The next showing starts from the record again.
    w.FormShow();
    EXPECT_FALSE(find<QCheckBox>("chkShowHint")->isChecked());
}

TEST_F(SetupDialogTest, OneChangeOnEveryTabSurvivesTheFile) {
    UserRegistry(dir.folder()).registerUser("Hanako");
    spit(dir.file("book.txt"), "");
    TfrmSetup& w = dialog();
    // 全般
    find<QCheckBox>("chkTimerOn")->click();
    find<QSpinBox>("txtTimeLimit")->setValue(20);
    find<QCheckBox>("chkRepeatError")->click();
    find<QCheckBox>("chkMultiRandomOn")->click();
    // ファイル
    find<QLineEdit>("txtVocBook")->setText(QString::fromStdString(dir.file("book.txt")));
    find<QCheckBox>("chkUseEndDicFile")->click();
    find<QCheckBox>("chkSaveError")->click();
    find<QLineEdit>("txtSaveErrorFile")->setText(QStringLiteral("/e/miss.txt"));
    // ユーザー
    find<QCheckBox>("chkShowUser")->click();
    // スケジュール
    find<QCheckBox>("chkPlanOn")->click();
    find<QLineEdit>("txtPurpose")->setText(q("期末試験"));
    find<QSpinBox>("txtMonth")->setValue(3);
    find<QSpinBox>("txtDay")->setValue(15);
    find<QPushButton>("cmdAdd")->click();
    // サウンド
    find<QCheckBox>("chkHazureOn")->click();
    find<QCheckBox>("chkFinishOn")->click();
    find<QLineEdit>("txtFinishSoundFile")->setText(QStringLiteral("/s/fanfare.wav"));
    // 音声
    find<QCheckBox>("chkVoiceOn")->click();
    ctl<ui::RadioGroup>(w, "rgVoiceType")->button(0)->click();
    find<QCheckBox>("chkAutoVoiceOn")->click();
    find<QLineEdit>("txtHatsuonDir")->setText(QStringLiteral("/v"));
    // フォント
    find<QComboBox>("cboFontAnswer")->setCurrentText(q("ＭＳ 明朝"));
    find<QComboBox>("cboFontCommentSize")->setCurrentText(QStringLiteral("20"));
    platform.answerColor(QColor(0, 0, 255));
    find<QPushButton>("cmdFontColorQuestion")->click();
    // カラー
    find<QCheckBox>("chkColorChangeOn")->click();
    ctl<ui::RadioGroup>(w, "rgChangeType")->button(1)->click();
    find<QSpinBox>("txtChangeColorPercent")->setValue(70);
    find<QCheckBox>("chkShowHazureNum")->click();
    platform.answerColor(QColor(255, 0, 0));
    find<ColorPanel>("pnlTime")->pick();
    // その他
    find<QCheckBox>("chkNotFlat")->click();
    find<QCheckBox>("chkShowDate")->click();
    ctl<ui::RadioGroup>(w, "rgDateType")->button(1)->click();
    find<QSpinBox>("txtCommentSize")->setValue(80);

    ctl<QPushButton>(w, "cmdOk")->click();
    ASSERT_EQ(w.result(), QDialog::Accepted);

    TUserSettings s = reloaded();
    EXPECT_TRUE(s.drill.RepeatError);
    EXPECT_FALSE(s.drill.MultiRandomOn);
    EXPECT_TRUE(s.files.VocBookOn);
    EXPECT_EQ(s.files.VocBook, dir.file("book.txt"));
    EXPECT_TRUE(s.files.UseEndDicFile);
    EXPECT_TRUE(s.files.SaveError);
    EXPECT_EQ(s.files.SaveErrorFile, "/e/miss.txt");
    EXPECT_TRUE(s.schedule.PlanOn);
    EXPECT_FALSE(s.sound.HazureOn);
    EXPECT_EQ(s.sound.HazureSoundFile, "");
    EXPECT_TRUE(s.sound.FinishOn);
    EXPECT_EQ(s.sound.FinishSoundFile, "/s/fanfare.wav");
    EXPECT_TRUE(s.sound.VoiceOn);
    EXPECT_EQ(s.sound.VoiceType, 0);
    EXPECT_TRUE(s.sound.AutoVoiceOn);
    EXPECT_EQ(s.sound.HatsuonDir, "/v/");
    EXPECT_EQ(s.look.FontAnswer, sj("ＭＳ 明朝"));
    EXPECT_EQ(s.look.FontCommentSize, 20);
    EXPECT_EQ(s.look.FontQuestionColor, 0xFF0000); // blue, red in the lowest byte
    EXPECT_TRUE(s.look.ColorChangeOn);
    EXPECT_EQ(s.look.ChangeType, 2);
    EXPECT_EQ(s.look.ChangeColorPercent, 70);
    EXPECT_TRUE(s.look.ShowHazureNum);
    EXPECT_EQ(s.look.ColorTime, 255);
    EXPECT_TRUE(s.window.NotFlat);
    EXPECT_TRUE(s.window.ShowDate);
    EXPECT_EQ(s.window.DateType, 1);
    EXPECT_EQ(s.look.moCommentSize, 80);
    // Unchanged ones kept their defaults.
    EXPECT_TRUE(s.drill.ShowResult);
    EXPECT_EQ(s.sound.AtariSoundFile, dir.folder() + "hit.wav");
    EXPECT_EQ(s.look.FontQuestion, sj("ＭＳ 明朝"));
    EXPECT_EQ(s.look.moQuestionSize, 60);
    EXPECT_EQ(read(dir.file("User.ini"), "Setup", "ShowUser"), "1");
    EXPECT_EQ(read(setupIni(), "Plan", "PlanNum"), "1");
    EXPECT_EQ(read(setupIni(), "Plan", "0"), sj("期末試験,2002/3/15"));
    // The unsaved switches are in the record only.
    EXPECT_TRUE(settings.drill.TimeLimitOn);
    EXPECT_EQ(settings.drill.TimeLimit, 20);

    // Shown again, the dialog shows the same.
    TfrmSetup& again = dialog();
    EXPECT_TRUE(find<QCheckBox>("chkRepeatError")->isChecked());
    EXPECT_EQ(find<QSpinBox>("txtTimeLimit")->value(), 20);
    EXPECT_EQ(ctl<ui::RadioGroup>(again, "rgDateType")->itemIndex(), 1);
    EXPECT_EQ(ctl<ui::RadioGroup>(again, "rgChangeType")->itemIndex(), 1);
    EXPECT_EQ(find<QLineEdit>("txtFinishSoundFile")->text(), QStringLiteral("/s/fanfare.wav"));
}
