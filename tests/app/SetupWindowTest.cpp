// The settings dialog from the main window: F2 opens it, OK shows every visible change
// in the main window at once, the next drill follows the new options, a restart finds
// them again, and the companion is started or closed.

#include "base/IniFile.h"
#include "quiz/TfrmAtari.h"
#include "settings/SetupGeneralPages.h"
#include "settings/SetupLookPages.h"
#include "settings/SetupSoundPages.h"
#include "settings/SetupWidgets.h"
#include "settings/TfrmSetup.h"
#include "sound/BackgroundMusic.h"
#include "tests/app/ShellFixture.h"
#include "ui/DataBar.h"
#include "ui/Gauge.h"
#include "ui/RadioGroup.h"

#include "tests/support/Controls.h"
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <csignal>
#include <sys/stat.h>

using namespace qor;
using qor::test::crlf;
using qor::test::PlatformCall;
using qor::test::slurp;
using qor::test::spit;

namespace {

class SetupWindowTest : public test::DrillWindowFixture {
protected:
    // Opens "基本設定" (the command of F2), lets `change` work on it, and presses OK.
    void changeSettings(const std::function<void(TfrmSetup&)>& change) {
        main->createLongLivedDialogs();
        platform.answerModal([change](QDialog& d) {
            auto& setup = dynamic_cast<TfrmSetup&>(d);
            EXPECT_EQ(ctl<QTabWidget>(setup, "pcSetup")->currentIndex(), 0);
            change(setup);
            ctl<QPushButton>(setup, "cmdOk")->click();
            return setup.result();
        });
        EXPECT_EQ(ctl<QAction>(*main, "actSetup")->shortcut(), QKeySequence(Qt::Key_F2));
        ctl<QAction>(*main, "actSetup")->trigger();
        EXPECT_EQ(platform.pendingAnswers(), 0u);
    }

    template <typename T> static T* in(TfrmSetup& setup, const char* name) {
        T* child = setup.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(child) << name;
        return child;
    }
};

} // namespace

TEST_F(SetupWindowTest, OkShowsEveryVisibleChangeAtOnceAndARestartFindsThemAgain) {
    startMain(0, {});
    spit(dir.file("book.txt"), "");
    EXPECT_FALSE(ctl<QMenu>(*main, "mnuVocBook")->menuAction()->isEnabled());
    changeSettings([&](TfrmSetup& s) {
        in<QComboBox>(s, "cboFontQuestion")->setCurrentText(QStringLiteral("ＭＳ Ｐゴシック"));
        in<QComboBox>(s, "cboFontQuestionSize")->setCurrentText(QStringLiteral("18"));
        platform.answerColor(QColor(0, 0, 255));
        in<QPushButton>(s, "cmdFontColorQuestion")->click();
        in<QCheckBox>(s, "chkShowHazureNum")->click();
        in<QCheckBox>(s, "chkShowTime")->click();
        platform.answerColor(QColor(255, 0, 0));
        in<ColorPanel>(s, "pnlHazureNum")->pick();
        in<QCheckBox>(s, "chkShowDate")->click();
        ctl<ui::RadioGroup>(s, "rgDateType")->button(1)->click();
        in<QSpinBox>(s, "txtQuestionSize")->setValue(90);
        in<QCheckBox>(s, "chkNotFlat")->click();
        in<QCheckBox>(s, "chkShowComment")->click();
        in<QLineEdit>(s, "txtVocBook")->setText(QString::fromStdString(dir.file("book.txt")));
    });

    auto expectShown = [this](TfrmMain& m) {
        EXPECT_EQ(ctl<QPlainTextEdit>(m, "moQuestion")->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        EXPECT_EQ(ctl<QPlainTextEdit>(m, "moQuestion")->font().pointSize(), 18);
        EXPECT_EQ(ctl<QPlainTextEdit>(m, "moQuestion")->palette().color(QPalette::Text), QColor(0, 0, 255));
        EXPECT_EQ(ctl<QPlainTextEdit>(m, "moQuestion")->minimumHeight(), 90);
        EXPECT_FALSE(ctl<QPlainTextEdit>(m, "moComment")->isHidden());
        EXPECT_FALSE(ctl<ui::DataBar>(m, "pnlHazureNum")->isHidden());
        EXPECT_TRUE(ctl<QAction>(m, "actHazureNum")->isChecked());
        EXPECT_TRUE(ctl<ui::DataBar>(m, "pnlTime")->isHidden());
        EXPECT_FALSE(ctl<QAction>(m, "actTime")->isChecked());
        EXPECT_EQ(ctl<ui::Gauge>(m, "cgHazureNum")->color(), QColor(255, 0, 0));
        EXPECT_EQ(m.windowTitle(), QStringLiteral("Qor Helper   2002年3月3日   【Taro】"));
        auto* setupButton =
            qobject_cast<QToolButton*>(ctl<QToolBar>(m, "tbStandardToolBar")->widgetForAction(ctl<QAction>(m, "actSetup")));
        ASSERT_TRUE(setupButton);
        EXPECT_FALSE(setupButton->autoRaise());
        EXPECT_TRUE(ctl<QMenu>(m, "mnuVocBook")->menuAction()->isEnabled());
    };
    expectShown(*main);

    main->close();
    main.reset();
    auto again = start();
    expectShown(*again);
}

TEST_F(SetupWindowTest, TheNextDrillFollowsTheNewOptionsWithoutARestart) {
    startMain(0, {"MultiRandomOn=0"});
    ctl<QAction>(*main, "actOk")->trigger();
    EXPECT_TRUE(ctl<QPlainTextEdit>(*main, "moComment")->isHidden());
    ctl<QAction>(*main, "actStop")->trigger();

    changeSettings([](TfrmSetup& s) {
        in<QCheckBox>(s, "chkShowComment")->click();
        in<QCheckBox>(s, "chkTimerOn")->click();
        in<QSpinBox>(s, "txtTimeLimit")->setValue(9);
        in<QCheckBox>(s, "chkAtariOn")->click();
    });
    EXPECT_TRUE(main->settings().drill.TimeLimitOn);
    ctl<QAction>(*main, "actOk")->trigger();
    EXPECT_FALSE(ctl<QPlainTextEdit>(*main, "moComment")->isHidden());
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moComment")->toPlainText(), QStringLiteral("x"));
    EXPECT_EQ(ctl<QLabel>(*main, "lblTime")->text(), QStringLiteral(" ： 9 / 9 秒"));
    // The right answer's sound is off now: nothing is played for it.
    platform.clearCalls();
    platform.answerModal([](QDialog& d) {
        EXPECT_NE(dynamic_cast<TfrmAtari*>(&d), nullptr);
        return static_cast<int>(QDialog::Accepted);
    });
    ctl<QLineEdit>(*main, "txtAnswer")->setText(QStringLiteral("走る"));
    ctl<QAction>(*main, "actResult")->trigger();
    EXPECT_TRUE(platform.callsOf(PlatformCall::Wave).empty());
    ctl<QAction>(*main, "actStop")->trigger();
}

TEST_F(SetupWindowTest, ClearingTheHistoryEmptiesTheDictionaryListAtOnce) {
    startMain(0, {"", "[Dictionary]", "DicNum=1", "1=verbs.txt"});
    ASSERT_EQ(ctl<QComboBox>(*main, "cboDicFile")->count(), 1);
    main->createLongLivedDialogs();
    platform.answerModal([](QDialog& d) {
        auto& setup = dynamic_cast<TfrmSetup&>(d);
        setup.findChild<QPushButton*>(QStringLiteral("cmdResetHistory"))->click();
        return static_cast<int>(QDialog::Rejected);
    });
    main->cmdSetupClick();
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->count(), 0);
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("verbs.txt"));
    IniFile ini(setupIni());
    EXPECT_EQ(ini.read("Dictionary", "DicNum", ""), "0");
}

TEST_F(SetupWindowTest, TheCompanionIsStartedByOkAndClosedWhenVoiceGoesOff) {
    makeFolder(dir.file("voice"));
    const std::string program = dir.file("voice/vexa");
    spit(program, "#!/bin/sh\nexec sleep 30\n");
    chmod(program.c_str(), 0755);
    startMain(0, {});
    changeSettings([&](TfrmSetup& s) {
        in<QCheckBox>(s, "chkVoiceOn")->click();
        s.findChild<ui::RadioGroup*>(QStringLiteral("rgVoiceType"))->button(1)->click();
        platform.answerOpenFile(QString::fromStdString(program));
        in<QPushButton>(s, "cmdSelectHearing")->click();
    });
    ASSERT_TRUE(main->companionProcess());
    EXPECT_EQ(main->companionProcess()->state(), QProcess::Running);
    EXPECT_EQ(main->settings().sound.HearingPath, program);
    // It learns where to sit, in the data folder, not beside the program.
    EXPECT_TRUE(test::exists(dir.file("vexa/Setup.ini")));
    EXPECT_FALSE(test::exists(dir.file("voice/Setup.ini")));
    const qint64 pid = main->companionProcess()->processId();

    // OK again with the companion still chosen: the running one stays, no second one.
    changeSettings([](TfrmSetup&) {});
    ASSERT_TRUE(main->companionProcess());
    EXPECT_EQ(main->companionProcess()->processId(), pid);

    changeSettings([](TfrmSetup& s) { in<QCheckBox>(s, "chkVoiceOn")->click(); });
    EXPECT_EQ(main->companionProcess(), nullptr);
    EXPECT_NE(::kill(static_cast<pid_t>(pid), 0), 0);
}

TEST_F(SetupWindowTest, TheMusicOfTheSoundTabPlaysOnAfterTheDialogClosesUntilStopped) {
    startMain(0, {});
    main->createLongLivedDialogs();
    auto inSlot = [](QDialog& d, const char* name) {
        QWidget* slot = d.findChild<QWidget*>(QStringLiteral("musicGroupSlot"));
        EXPECT_TRUE(slot);
        return slot ? slot->findChild<QAbstractButton*>(QString::fromLatin1(name)) : nullptr;
    };
    platform.answerModal([&](QDialog& d) {
        auto& setup = dynamic_cast<TfrmSetup&>(d);
        inSlot(d, "chkMusicOn")->click();
        platform.answerOpenFile(QStringLiteral("/music/song.mid"));
        inSlot(d, "cmdOption")->click();
        inSlot(d, "cmdPlay")->click();
        // The music is not one of the options: "キャンセル" leaves it playing.
        ctl<QPushButton>(setup, "cmdCancel")->click();
        return setup.result();
    });
    ctl<QAction>(*main, "actSetup")->trigger();
    test::ScriptedMediaPlayer& midi = *platform.players(ui::MediaKind::Midi).back();
    EXPECT_TRUE(midi.playing());
    EXPECT_EQ(midi.opened(), QStringLiteral("/music/song.mid"));
    EXPECT_TRUE(main->settings().music.MusicPlaying);
    midi.finish();
    EXPECT_TRUE(midi.playing());  // it loops with the dialog closed

    // Shown again, the dialog still knows the music plays; "&STOP" ends it.
    platform.answerModal([&](QDialog& d) {
        EXPECT_FALSE(inSlot(d, "cmdPlay")->isEnabled());
        EXPECT_TRUE(inSlot(d, "cmdStop")->isEnabled());
        inSlot(d, "cmdStop")->click();
        inSlot(d, "cmdPlay")->click();
        ctl<QPushButton>(d, "cmdCancel")->click();
        return d.result();
    });
    ctl<QAction>(*main, "actSetup")->trigger();
    EXPECT_TRUE(midi.playing());

    // Closing the main window ends it for good.
    main->close();
    EXPECT_FALSE(midi.playing());
    midi.ops.clear();
    main->music().mpMidiNotify();
    EXPECT_TRUE(midi.ops.isEmpty());
    EXPECT_EQ(platform.pendingAnswers(), 0u);
}
