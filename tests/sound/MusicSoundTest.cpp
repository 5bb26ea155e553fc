// The background music on the real sound device, heard through SDL's disk audio driver:
// a MIDI file and a disc image play, loop at their end, and stop when told.

#include "tests/sound/MusicFixture.h"
#include "tests/sound/SoundFiles.h"

#include "services/QtPlatform.h"
#include "sound/AudioOutput.h"
#include "sound/CdDrive.h"
#include "sound/DiscToc.h"

#include <QTest>

using namespace qor;

namespace {

class MusicSoundTest : public test::MusicFixture {
protected:
    void SetUp() override {
        MusicFixture::SetUp();
        test::diskAudioFile();
        static ui::QtPlatform device;  // the program's own sound, for the whole run
        platform.useRealSound(device);
    }
    // Whether the output of the last `ms` milliseconds holds sound, after waiting so long.
    static bool soundsFor(int ms) {
        long long from = test::diskAudioSize();
        QTest::qWait(ms);
        return test::loudestSince(from) > 200;
    }
    static bool silentAfterStop() {
        QTest::qWait(300);  // what the output had queued
        long long from = test::diskAudioSize();
        QTest::qWait(700);
        return test::loudestSince(from) < 50;
    }
};

} // namespace

TEST_F(MusicSoundTest, AMidiFileLoopsUntilStopped) {
    test::spit(dir.file("song.mid"), test::midiFile({60, 64, 67, 72}, 24));  // half a second
    make();
    chkMusicOn()->click();
    platform.answerOpenFile(QString::fromStdString(dir.file("song.mid")));
    cmdOption()->click();
    cmdPlay()->click();
    ASSERT_TRUE(settings.music.MusicPlaying) << platform.boxTexts().join("\n").toStdString();
    EXPECT_TRUE(soundsFor(800));
    // Well past its end the music goes on: each end started it again.
    QTest::qWait(1200);
    EXPECT_TRUE(soundsFor(600));
    EXPECT_TRUE(settings.music.MusicPlaying);
    cmdStop()->click();
    EXPECT_TRUE(silentAfterStop());
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(MusicSoundTest, ClosingForExitStopsTheMusicForGood) {
    test::spit(dir.file("song.mid"), test::midiFile({60, 64}, 48));
    make();
    chkMusicOn()->click();
    ASSERT_TRUE(music->playMidi(QString::fromStdString(dir.file("song.mid"))));
    EXPECT_TRUE(soundsFor(400));
    music->closeForExit();
    EXPECT_TRUE(music->closing());
    EXPECT_FALSE(settings.music.MusicPlaying);
    EXPECT_TRUE(silentAfterStop());
    // Past the time the file would have ended and started over.
    EXPECT_TRUE(silentAfterStop());
}

TEST_F(MusicSoundTest, ADiscImageIsLookedUpRegisteredPlayedAndLooped) {
    const std::string cue = test::writeCdImage(dir.path(), "disc", {0.4, 0.4});
    const std::string identity = discIdentity(*cd::readToc(cue));
    setupIni("[Setup]\r\nCD-Drive=" + cue + "\r\n");
    make();
    chkMusicOn()->click();
    rbCd()->click();
    EXPECT_EQ(txtCDTitle()->text(), q("新しい音楽ＣＤ"));
    EXPECT_EQ(txtCDArtist()->text(), q("新しい歌手"));
    EXPECT_EQ(group->discIdentity(), identity);

    platform.answerModal([&](QDialog& d) {
        d.findChild<QLineEdit*>("txtTitle")->setText(QStringLiteral("Winter"));
        d.findChild<QLineEdit*>("txtArtist")->setText(QStringLiteral("Hana"));
        d.findChild<QPushButton*>("cmdRegister")->click();
        return static_cast<int>(QDialog::Accepted);
    });
    platform.answerMessage();
    cmdOption()->click();
    rbMidi()->click();
    rbCd()->click();
    EXPECT_EQ(txtCDTitle()->text(), QStringLiteral("Winter"));
    EXPECT_EQ(txtCDArtist()->text(), QStringLiteral("Hana"));

    cmdPlay()->click();
    ASSERT_TRUE(settings.music.MusicPlaying) << platform.boxTexts().join("\n").toStdString();
    EXPECT_TRUE(soundsFor(500));
    QTest::qWait(1200);  // the 0.8 s disc has ended and started again
    EXPECT_TRUE(soundsFor(500));
    cmdStop()->click();
    EXPECT_TRUE(silentAfterStop());

    // The image gone, the drive holds no disc.
    rbMidi()->click();
    setupIni("[Setup]\r\nCD-Drive=" + dir.file("gone.cue") + "\r\n");
    rbCd()->click();
    EXPECT_EQ(txtCDTitle()->text(), QStringLiteral("NO CD"));
    EXPECT_FALSE(cmdPlay()->isEnabled());
    EXPECT_EQ(platform.boxTexts().size(), 1);  // the register's message only
}

TEST_F(MusicSoundTest, WithoutItsSoundFontPlayNamesThePackageToInstall) {
    test::spit(dir.file("song.mid"), test::midiFile({60, 64}, 48));
    audio::setSoundFontCandidates({dir.file("default-GM.sf2")});
    make();
    chkMusicOn()->click();
    platform.answerOpenFile(QString::fromStdString(dir.file("song.mid")));
    cmdOption()->click();
    platform.answerNotice();
    cmdPlay()->click();
    audio::setSoundFontCandidates({});
    EXPECT_FALSE(settings.music.MusicPlaying);
    ASSERT_EQ(platform.boxTexts().size(), 1);
    const QString box = platform.boxTexts()[0];
    EXPECT_TRUE(box.startsWith(q("曲を再生できませんでした。\n"))) << box.toStdString();
    EXPECT_TRUE(box.contains(q("サウンドフォント"))) << box.toStdString();
    EXPECT_TRUE(box.contains(q("sudo apt install timgm6mb-soundfont"))) << box.toStdString();
    EXPECT_TRUE(cmdPlay()->isEnabled());  // once it is installed, PLAY plays
}
