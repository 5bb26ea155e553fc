// The background music controls in their six steps, with the scripted players.

#include "tests/sound/MusicFixture.h"

#include "sound/TfrmDriveSetup.h"
#include "sound/TfrmNewCD.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace qor;
using qor::test::ScriptedMediaPlayer;
using qor::test::PlatformCall;
using qor::test::crlf;
using qor::test::slurp;

namespace {

class MusicGroupTest : public test::MusicFixture {
protected:
    // Ticks "バックで曲を鳴らす (&B)" and chooses a MIDI file.
    void midiChosen(const QString& file = QStringLiteral("/music/song.mid")) {
        make();
        chkMusicOn()->click();
        platform.answerOpenFile(file);
        cmdOption()->click();
    }
    // The ops since the last look.
    QStringList newOps(ScriptedMediaPlayer& p) {
        QStringList ops = p.ops;
        p.ops.clear();
        return ops;
    }
};

} // namespace

TEST_F(MusicGroupTest, TickingShowsTheGroupOnTheMidiSourceAndUntickingHidesIt) {
    make();
    EXPECT_TRUE(pnlMusic()->isHidden());
    chkMusicOn()->click();
    EXPECT_TRUE(settings.music.MusicOn);
    EXPECT_FALSE(pnlMusic()->isHidden());
    EXPECT_TRUE(rbMidi()->isChecked());
    EXPECT_EQ(settings.music.MusicSource, 0);
    EXPECT_EQ(cmdOption()->text(), QStringLiteral(". . ."));
    EXPECT_FALSE(cmdPlay()->isEnabled());  // no file yet
    EXPECT_FALSE(cmdStop()->isEnabled());
    EXPECT_FALSE(cmdCDDrive()->isEnabled());
    EXPECT_EQ(midi().ops, QStringList{"close"});

    chkMusicOn()->click();
    EXPECT_FALSE(settings.music.MusicOn);
    EXPECT_TRUE(pnlMusic()->isHidden());
    EXPECT_FALSE(rbMidi()->isChecked());
    EXPECT_FALSE(rbCd()->isChecked());
}

TEST_F(MusicGroupTest, AMidiFilePlaysLoopsAtItsEndAndStopEndsTheLoop) {
    midiChosen();
    ASSERT_EQ(platform.callsOf(PlatformCall::OpenFile).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::OpenFile)[0].caption, q("MIDIファイル (*.mid)|*.mid"));
    EXPECT_EQ(txtMidiFile()->text(), QStringLiteral("/music/song.mid"));
    EXPECT_EQ(txtMidiFile()->toolTip(), QStringLiteral("/music/song.mid"));
    EXPECT_TRUE(cmdPlay()->isEnabled());
    newOps(midi());

    cmdPlay()->click();
    EXPECT_EQ(newOps(midi()), (QStringList{"open /music/song.mid", "seek", "play"}));
    EXPECT_TRUE(settings.music.MusicPlaying);
    EXPECT_FALSE(cmdPlay()->isEnabled());
    EXPECT_FALSE(cmdOption()->isEnabled());
    EXPECT_TRUE(cmdStop()->isEnabled());
    EXPECT_FALSE(rbMidi()->isEnabled());
    EXPECT_FALSE(rbCd()->isEnabled());

    // The end of the play starts it again at once, twice over.
    midi().finish();
    EXPECT_EQ(newOps(midi()), (QStringList{"open /music/song.mid", "seek", "play"}));
    midi().finish();
    EXPECT_TRUE(midi().playing());
    newOps(midi());

    cmdStop()->click();
    EXPECT_EQ(newOps(midi()), (QStringList{"pause", "stop", "close"}));
    EXPECT_FALSE(settings.music.MusicPlaying);
    EXPECT_TRUE(cmdPlay()->isEnabled());
    EXPECT_TRUE(cmdOption()->isEnabled());
    EXPECT_TRUE(rbMidi()->isEnabled());
    EXPECT_TRUE(rbCd()->isEnabled());
    EXPECT_FALSE(cmdStop()->isEnabled());
    // A notice that was still on its way starts nothing.
    music->mpMidiNotify();
    EXPECT_TRUE(newOps(midi()).isEmpty());
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MusicGroupTest, UntickingWhilePlayingStopsTheMusicForGood) {
    midiChosen();
    cmdPlay()->click();
    newOps(midi());
    chkMusicOn()->click();
    EXPECT_EQ(newOps(midi()), (QStringList{"pause", "stop", "close"}));
    EXPECT_FALSE(settings.music.MusicPlaying);
    EXPECT_FALSE(settings.music.MusicOn);
    music->mpMidiNotify();
    EXPECT_TRUE(newOps(midi()).isEmpty());
}

TEST_F(MusicGroupTest, APlayerFailureIsShownWithItsOwnTextAndChangesNothing) {
    midiChosen();
    midi().failOpen = QStringLiteral("/music/song.mid: not a MIDI file");
    platform.answerNotice();
    cmdPlay()->click();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_EQ(platform.boxTexts()[0], q("曲を再生できませんでした。\n") +
                                          QStringLiteral("/music/song.mid: not a MIDI file"));
    EXPECT_FALSE(settings.music.MusicPlaying);
    EXPECT_TRUE(cmdPlay()->isEnabled());
    EXPECT_FALSE(cmdStop()->isEnabled());
    EXPECT_TRUE(rbCd()->isEnabled());
}

TEST_F(MusicGroupTest, TheCdSourceTakesTheLastDriveAndShowsANewDisc) {
    platform.setCdDrives({"/dev/sr0", "/dev/sr1"});
    platform.insertDisc("/dev/sr1", "00AA11BB22CC33DD");
    make();
    chkMusicOn()->click();
    rbCd()->click();
    EXPECT_EQ(settings.music.MusicSource, 1);
    EXPECT_EQ(group->drive(), QStringLiteral("/dev/sr1"));
    EXPECT_EQ(cmdOption()->text(), q("CD登録"));
    EXPECT_TRUE(cmdCDDrive()->isEnabled());
    EXPECT_TRUE(cmdPlay()->isEnabled());
    EXPECT_TRUE(cmdOption()->isEnabled());
    EXPECT_FALSE(txtMidiFile()->isVisible());
    EXPECT_TRUE(txtCDTitle()->isVisible());
    EXPECT_EQ(txtCDTitle()->text(), q("新しい音楽ＣＤ"));
    EXPECT_EQ(txtCDArtist()->text(), q("新しい歌手"));
    EXPECT_EQ(group->discIdentity(), "00AA11BB22CC33DD");

    // The stored drive wins over the default; without a disc it reads "NO CD".
    rbMidi()->click();
    setupIni("[Setup]\r\nCD-Drive=/dev/sr0\r\n");
    rbCd()->click();
    EXPECT_EQ(group->drive(), QStringLiteral("/dev/sr0"));
    EXPECT_EQ(txtCDTitle()->text(), QStringLiteral("NO CD"));
    EXPECT_EQ(txtCDArtist()->text(), QStringLiteral("NO CD"));
    EXPECT_FALSE(cmdPlay()->isEnabled());
    EXPECT_FALSE(cmdOption()->isEnabled());
    EXPECT_EQ(settings.music.CD_Drive, "/dev/sr0");

    // No drive at all: nothing to play.
    rbMidi()->click();
    setupIni("");
    platform.setCdDrives({});
    rbCd()->click();
    EXPECT_EQ(group->drive(), QString());
    EXPECT_EQ(txtCDTitle()->text(), QStringLiteral("NO CD"));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MusicGroupTest, RegisteringADiscShowsItsTextsAtTheNextCheck) {
    platform.setCdDrives({"/dev/sr0"});
    platform.insertDisc("/dev/sr0", "ABCDEF0123456789");
    make();
    chkMusicOn()->click();
    rbCd()->click();

    QString preset;
    platform.answerModal([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), q("CDの登録"));
        auto* title = d.findChild<QLineEdit*>("txtTitle");
        auto* artist = d.findChild<QLineEdit*>("txtArtist");
        preset = title->text() + "/" + artist->text();
        EXPECT_TRUE(title->hasFocus());
        title->setText(q("冬のうた"));
        artist->setText(q("山田"));
        d.findChild<QPushButton*>("cmdRegister")->click();
        d.findChild<QPushButton*>("cmdClose")->click();
        EXPECT_TRUE(title->text().isEmpty());
        return d.result();
    });
    platform.answerMessage();
    cmdOption()->click();
    EXPECT_EQ(preset, q("新しい音楽ＣＤ/新しい歌手"));
    EXPECT_EQ(platform.boxTexts().value(0),
              q("ＣＤタイトル ： 冬のうた\nアーティスト ： 山田\n\nを登録しました"));
    EXPECT_EQ(txtCDTitle()->text(), q("冬のうた"));
    const std::string id = "ABCDEF0123456789";
    EXPECT_EQ(slurp(dir.file("Taro/CDInfo.ini")),
              crlf({"[CDID]", id + "=" + id, "", "[" + id + "]", "Artist=" + sj("山田"),
                    "Title=" + sj("冬のうた")}));

    rbMidi()->click();
    rbCd()->click();
    EXPECT_EQ(txtCDTitle()->text(), q("冬のうた"));
    EXPECT_EQ(txtCDArtist()->text(), q("山田"));
}

TEST_F(MusicGroupTest, ADeviceErrorIsToldAndTriedOnceMore) {
    platform.setCdDrives({"/dev/sr0"});
    platform.insertDisc("/dev/sr0", "0123");
    make();
    chkMusicOn()->click();
    const QString message = q("ディバイスドライバ にエラーが発生しました。\n"
                              "他のアプリケーションに CD-ROMドライブ が使われている可能性があります。");
    platform.failingIdentityQueries = 1;
    platform.answerMessage();
    rbCd()->click();
    EXPECT_EQ(platform.boxTexts(), QStringList{message});
    EXPECT_EQ(platform.callsOf(PlatformCall::Beep).size(), 1u);
    EXPECT_EQ(txtCDTitle()->text(), q("新しい音楽ＣＤ"));

    // Failing again, the disc cannot be used now.
    platform.clearCalls();
    rbMidi()->click();
    platform.failingIdentityQueries = 2;
    platform.answerMessage();
    rbCd()->click();
    EXPECT_EQ(platform.boxTexts(), QStringList{message});
    EXPECT_EQ(txtCDTitle()->text(), QStringLiteral("NO CD"));
    EXPECT_FALSE(cmdPlay()->isEnabled());
}

TEST_F(MusicGroupTest, ADiscPutInOrTakenOutIsNoticedWithinTwoSeconds) {
    platform.setCdDrives({"/dev/sr0"});
    make();
    chkMusicOn()->click();
    rbCd()->click();
    ASSERT_EQ(txtCDTitle()->text(), QStringLiteral("NO CD"));

    platform.insertDisc("/dev/sr0", "0123");
    EXPECT_TRUE(QTest::qWaitFor([&] { return txtCDTitle()->text() == q("新しい音楽ＣＤ"); }, 2000));
    EXPECT_TRUE(cmdPlay()->isEnabled());
    EXPECT_TRUE(cmdOption()->isEnabled());

    cmdPlay()->click();
    EXPECT_TRUE(cmdStop()->isEnabled());
    platform.ejectDisc("/dev/sr0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return txtCDTitle()->text() == QStringLiteral("NO CD"); }, 2000));
    EXPECT_EQ(txtCDArtist()->text(), QStringLiteral("NO CD"));
    EXPECT_FALSE(cmdPlay()->isEnabled());
    EXPECT_FALSE(cmdOption()->isEnabled());
    EXPECT_FALSE(cmdStop()->isEnabled());
}

TEST_F(MusicGroupTest, TheCdPlaysAndLoopsAndTheOptionStaysForRegistering) {
    platform.setCdDrives({"/dev/sr0"});
    platform.insertDisc("/dev/sr0", "0123");
    make();
    chkMusicOn()->click();
    rbCd()->click();
    newOps(cd());
    cmdPlay()->click();
    EXPECT_EQ(newOps(cd()), (QStringList{"open /dev/sr0", "seek", "play"}));
    EXPECT_FALSE(cmdPlay()->isEnabled());
    EXPECT_TRUE(cmdOption()->isEnabled());
    EXPECT_TRUE(cmdStop()->isEnabled());
    cd().finish();
    EXPECT_EQ(newOps(cd()), (QStringList{"open /dev/sr0", "seek", "play"}));
    cmdStop()->click();
    EXPECT_EQ(newOps(cd()), (QStringList{"pause", "stop", "close"}));
    music->mpCDNotify();
    EXPECT_TRUE(newOps(cd()).isEmpty());
}

// The settings dialog, and the music group in it, is kept for the whole run: a drive
// chosen after the learner changed user is the new user's.
TEST_F(MusicGroupTest, ADriveChosenAfterAChangeOfUserIsWrittenForTheNewUser) {
    platform.setCdDrives({"/dev/sr0", "/dev/sr1"});
    setupIni("[Setup]\r\nShowResult=1\r\n");
    const std::string taroIni = settings.setupIniPath();
    make();
    chkMusicOn()->click();
    rbCd()->click();

    settings.UserName = "Hanako";
    makeFolder(dir.file("Hanako"));
    platform.answerModal([](QDialog& d) {
        d.findChild<QComboBox*>("cboDriveName")->setEditText(QStringLiteral("/dev/sr0"));
        d.findChild<QPushButton*>("cmdOk")->click();
        return d.result();
    });
    platform.answerMessage();
    cmdCDDrive()->trigger();
    EXPECT_EQ(slurp(settings.setupIniPath()), crlf({"[Setup]", "CD-Drive=/dev/sr0"}));
    EXPECT_EQ(slurp(taroIni), "[Setup]\r\nShowResult=1\r\n");
}

TEST_F(MusicGroupTest, TheDriveChangeIsToldAndWrittenAlsoAfterCancel) {
    platform.setCdDrives({"/dev/sr0", "/dev/sr1"});
    platform.insertDisc("/dev/sr0", "0123");
    setupIni("[Setup]\r\nShowResult=1\r\n");
    make();
    chkMusicOn()->click();
    rbCd()->click();
    ASSERT_EQ(group->drive(), QStringLiteral("/dev/sr1"));

    QStringList listed;
    platform.answerModal([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), q("ドライブの設定"));
        auto* box = d.findChild<QComboBox*>("cboDriveName");
        EXPECT_EQ(box->currentText(), QStringLiteral("/dev/sr1"));
        for (int i = 0; i < box->count(); ++i) listed << box->itemText(i);
        box->setEditText(QStringLiteral("/dev/sr0"));
        d.findChild<QPushButton*>("cmdOk")->click();
        return d.result();
    });
    platform.answerMessage();
    cmdCDDrive()->trigger();
    EXPECT_EQ(listed, (QStringList{"/dev/sr0", "/dev/sr1"}));
    EXPECT_EQ(platform.boxTexts(),
              QStringList{q("/dev/sr1 は、/dev/sr0 に変更されました\nOKを押したあと、CD-ROMを入れ直してください")});
    EXPECT_EQ(group->drive(), QStringLiteral("/dev/sr0"));
    EXPECT_EQ(slurp(settings.setupIniPath()), crlf({"[Setup]", "ShowResult=1", "CD-Drive=/dev/sr0"}));
    EXPECT_EQ(txtCDTitle()->text(), q("新しい音楽ＣＤ"));

    platform.answerModal([](QDialog& d) {
        d.findChild<QComboBox*>("cboDriveName")->setEditText(QStringLiteral("/dev/sr9"));
        d.findChild<QPushButton*>("cmdCancel")->click();
        return d.result();
    });
    std::string before = slurp(settings.setupIniPath());
    cmdCDDrive()->trigger();
    EXPECT_EQ(group->drive(), QStringLiteral("/dev/sr0"));
    EXPECT_EQ(slurp(settings.setupIniPath()), before);
}

TEST_F(MusicGroupTest, ScreenReaderTogglesSetTheSourceAsClicksDo) {
    platform.setCdDrives({"/dev/sr0"});
    platform.insertDisc("/dev/sr0", "00AA11BB22CC33DD");
    make();
    // Set as a screen reader's "toggle" sets them, not clicked.
    chkMusicOn()->toggle();
    EXPECT_TRUE(settings.music.MusicOn);
    EXPECT_FALSE(pnlMusic()->isHidden());
    EXPECT_TRUE(rbMidi()->isChecked());
    rbCd()->toggle();
    EXPECT_EQ(settings.music.MusicSource, 1);
    EXPECT_EQ(txtCDTitle()->text(), q("新しい音楽ＣＤ"));
    EXPECT_TRUE(cmdCDDrive()->isEnabled());
    chkMusicOn()->toggle();
    EXPECT_FALSE(settings.music.MusicOn);
    EXPECT_TRUE(pnlMusic()->isHidden());
}

namespace {

// The pop-up menu that is open now, closed after its entries were read.
QStringList closeOpenMenu() {
    QStringList entries;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* a : menu->actions()) entries << a->text();
        menu->close();
    }
    return entries;
}

} // namespace

TEST_F(MusicGroupTest, TheDriveMenuIsReachedWithTheKeyboardAndByAScreenReader) {
    platform.setCdDrives({"/dev/sr0"});
    make();
    QApplication::setActiveWindow(group.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(group.get()));
    chkMusicOn()->click();
    rbCd()->click();
    const QStringList menuEntries{q("ドライブの変更 (&D)")};

    // The context-menu key and Shift+F10 open it wherever the focus is in the group.
    for (QKeyCombination key : {QKeyCombination(Qt::Key_Menu),
                                QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
        rbCd()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(rbCd(), key.key(), key.keyboardModifiers());
        QApplication::processEvents();
        EXPECT_EQ(closeOpenMenu(), menuEntries) << key.toCombined();
    }

    // Tab leads from the sources to the menu button, and Space opens its menu.
    rbCd()->setFocus(Qt::TabFocusReason);
    auto* menuButton = find<QToolButton>("cmdDrive");
    for (int i = 0; i < 10 && !menuButton->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(menuButton->hasFocus());
    QStringList shown;
    QTimer::singleShot(0, [&] { shown = closeOpenMenu(); });
    QTest::keyClick(menuButton, Qt::Key_Space);
    EXPECT_EQ(shown, menuEntries);

    // A screen reader finds the button by what it does, and can open its menu.
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(menuButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(QAccessible::Name), q("ドライブの変更"));
    EXPECT_EQ(button->role(), QAccessible::ButtonMenu);
    ASSERT_NE(button->actionInterface(), nullptr);
    EXPECT_TRUE(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::showMenuAction()));
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(find<QMenu>("pmCD"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->childCount(), 1);
    EXPECT_TRUE(menu->child(0)->text(QAccessible::Name).startsWith(q("ドライブの変更")));
    EXPECT_FALSE(menu->child(0)->state().disabled);
}
