// The sound device itself, heard through SDL's "disk" audio driver: what is played
// really reaches the output, and the players' ends are noticed.

#include "sound/AudioOutput.h"
#include "sound/CdDrive.h"
#include "sound/CdPlayer.h"
#include "sound/MidiPlayer.h"

#include "tests/sound/SoundFiles.h"
#include "tests/support/TempDir.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

using namespace qor;
using namespace std::chrono;

namespace {

class SoundDeviceTest : public ::testing::Test {
protected:
    test::TempDir dir;
    void SetUp() override {
        test::diskAudioFile();
        std::string error;
        ASSERT_TRUE(audio::open(&error)) << error;
    }
    // Waits until the flag is set; the time it took, or -1 after the time-out.
    static long long waitFor(const std::atomic<int>& flag, int timeoutMs) {
        auto start = steady_clock::now();
        while (!flag && steady_clock::now() - start < milliseconds(timeoutMs))
            std::this_thread::sleep_for(milliseconds(10));
        return flag ? duration_cast<milliseconds>(steady_clock::now() - start).count() : -1;
    }
    static void quiet(int ms) { std::this_thread::sleep_for(milliseconds(ms)); }
};

} // namespace

TEST_F(SoundDeviceTest, AWaveIsHeardAMissingOneIsSilentAndANewPlayCutsTheOldOne) {
    test::spit(dir.file("hit.wav"), test::waveFile(3.0));
    long long before = test::diskAudioSize();
    audio::playWave(dir.file("hit.wav"));
    EXPECT_TRUE(test::waitForSound(before, 2000));

    // The missing file cuts the tone that was still playing, and plays nothing itself.
    audio::playWave(dir.file("missing.wav"));
    quiet(300);  // what the output had queued before the cut
    long long after = test::diskAudioSize();
    quiet(500);
    EXPECT_LT(test::loudestSince(after), 50);

    test::spit(dir.file("broken.wav"), "RIFF....WAVEjunk");
    audio::playWave(dir.file("broken.wav"));
    quiet(300);
    EXPECT_LT(test::loudestSince(test::diskAudioSize() - 4096), 50);
}

TEST_F(SoundDeviceTest, AMidiFileSoundsAndEndsWhereItsEventsEnd) {
    test::spit(dir.file("song.mid"), test::midiFile({60, 64, 67}, 48));  // 0.75 s
    MidiPlayer player;
    std::atomic<int> ended{0};
    player.finished = [&](unsigned) { ++ended; };
    ASSERT_TRUE(player.open(dir.file("song.mid"))) << player.error();
    long long before = test::diskAudioSize();
    ASSERT_TRUE(player.play()) << player.error();
    EXPECT_TRUE(test::waitForSound(before, 2000));
    long long took = waitFor(ended, 4000);
    EXPECT_GE(took, 0) << "no end of play";
    EXPECT_EQ(ended, 1);

    // A note that is never released would ring for ever; the play still ends with the
    // file's events (half a second), not with the sound.
    test::spit(dir.file("organ.mid"), test::midiFile({60, 67}, 48, 19, false));
    ended = 0;
    ASSERT_TRUE(player.open(dir.file("organ.mid")));
    ASSERT_TRUE(player.play());
    took = waitFor(ended, 3000);
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 2000);
    player.stop();
    quiet(400);
    long long afterStop = test::diskAudioSize();
    quiet(400);
    EXPECT_LT(test::loudestSince(afterStop), 50);
}

TEST_F(SoundDeviceTest, PauseHoldsTheEndAndStopIsNoEnd) {
    test::spit(dir.file("song.mid"), test::midiFile({60, 64}, 48));  // 0.5 s
    MidiPlayer player;
    std::atomic<int> ended{0};
    player.finished = [&](unsigned) { ++ended; };
    ASSERT_TRUE(player.open(dir.file("song.mid")));
    ASSERT_TRUE(player.play());
    player.pause();
    EXPECT_TRUE(player.paused());
    EXPECT_EQ(waitFor(ended, 1200), -1);
    player.pause();
    EXPECT_GE(waitFor(ended, 2000), 0);

    ended = 0;
    ASSERT_TRUE(player.play());
    player.stop();
    player.close();
    EXPECT_EQ(waitFor(ended, 1000), -1);
    EXPECT_FALSE(player.open(dir.file("missing.mid")));
    EXPECT_NE(player.error().find("missing.mid"), std::string::npos);
}

TEST_F(SoundDeviceTest, ADiscImageIsADriveWithAStableIdentity) {
    std::string cue = test::writeCdImage(dir.path(), "disc", {1.0, 0.5});
    std::string other = test::writeCdImage(dir.path(), "other", {1.0, 0.6});
    auto toc = cd::readToc(cue);
    ASSERT_TRUE(toc);
    ASSERT_EQ(toc->tracks.size(), 2u);
    EXPECT_EQ(toc->tracks[1].firstSector, 75);
    EXPECT_EQ(toc->leadOut, 75 + 37);
    EXPECT_EQ(discIdentity(*toc), discIdentity(*cd::readToc(cue)));
    EXPECT_NE(discIdentity(*toc), discIdentity(*cd::readToc(other)));
    EXPECT_TRUE(cd::hasMedium(cue));
    EXPECT_FALSE(cd::hasMedium(dir.file("none.cue")));
    EXPECT_FALSE(cd::hasMedium(""));

    CdPlayer player;
    EXPECT_FALSE(player.open(dir.file("none.cue")));
    EXPECT_FALSE(player.error().empty());
    ASSERT_TRUE(player.open(cue)) << player.error();
    EXPECT_EQ(player.identity(), discIdentity(*toc));
}

TEST_F(SoundDeviceTest, TheCdPlaysThroughTheSameOutputToItsEnd) {
    std::string cue = test::writeCdImage(dir.path(), "disc", {0.6, 0.4});
    CdPlayer player;
    std::atomic<int> ended{0};
    player.finished = [&](unsigned) { ++ended; };
    ASSERT_TRUE(player.open(cue)) << player.error();
    long long before = test::diskAudioSize();
    ASSERT_TRUE(player.play()) << player.error();
    EXPECT_TRUE(test::waitForSound(before, 1500, 2000));
    long long took = waitFor(ended, 4000);
    EXPECT_GE(took, 0) << "no end of play";
    player.stop();
    // Played to its end, the disc starts over.
    ended = 0;
    ASSERT_TRUE(player.play());
    EXPECT_GE(waitFor(ended, 4000), 500);
    player.close();
}

TEST_F(SoundDeviceTest, TheOutputClosesWhenNothingHasPlayedForAWhileAndOpensForTheNextSound) {
    using Clock = steady_clock;
    test::spit(dir.file("long.wav"), test::waveFile(3.0));
    test::spit(dir.file("hit.wav"), test::waveFile(0.5));
    const Clock::time_point t = Clock::now();
    audio::playWave(dir.file("long.wav"));
    // However long after, a sound that plays keeps the output.
    EXPECT_TRUE(audio::busy());
    EXPECT_FALSE(audio::closeIfIdle(t + hours(1)));
    audio::playWave("");  // cut: nothing plays from here
    EXPECT_FALSE(audio::busy());
    EXPECT_FALSE(audio::closeIfIdle(t + hours(1)));  // the cut itself was a use
    EXPECT_FALSE(audio::closeIfIdle(t + hours(1) + seconds(4)));
    EXPECT_TRUE(audio::isOpen());
    EXPECT_TRUE(audio::closeIfIdle(t + hours(1) + seconds(5)));
    EXPECT_FALSE(audio::isOpen());

    // Closed, it writes nothing more (the device gets no stream of silence).
    const long long closedAt = test::diskAudioSize();
    quiet(300);
    EXPECT_EQ(test::diskAudioSize(), closedAt);

    // The next sound opens it again and is heard.
    ::unlink(test::diskAudioFile().c_str());
    audio::playWave(dir.file("hit.wav"));
    EXPECT_TRUE(audio::isOpen());
    EXPECT_TRUE(test::waitForSound(0, 2000));
}

TEST_F(SoundDeviceTest, ALoadedMidiFileKeepsTheOutputOpenUntilItIsClosed) {
    test::spit(dir.file("song.mid"), test::midiFile({60, 64}, 48));
    audio::playWave("");  // nothing plays but what the test starts
    const steady_clock::time_point t = steady_clock::now();
    MidiPlayer player;
    ASSERT_TRUE(player.open(dir.file("song.mid"))) << player.error();
    EXPECT_FALSE(audio::closeIfIdle(t));
    EXPECT_FALSE(audio::closeIfIdle(t + minutes(5)));
    EXPECT_TRUE(audio::isOpen());
    player.close();
    EXPECT_FALSE(audio::closeIfIdle(t + minutes(5)));
    EXPECT_TRUE(audio::closeIfIdle(t + minutes(10)));
    // Opened again by the next file, which plays.
    ASSERT_TRUE(player.open(dir.file("song.mid"))) << player.error();
    long long before = test::diskAudioSize();
    ASSERT_TRUE(player.play());
    EXPECT_TRUE(test::waitForSound(before, 2000));
    player.close();
}

TEST_F(SoundDeviceTest, WithoutAGeneralMidiSoundFontAMidiFileDoesNotOpenAndSaysWhy) {
    test::spit(dir.file("song.mid"), test::midiFile({60, 64}, 48));
    audio::setSoundFontCandidates({dir.file("none/default-GM.sf2"), dir.file("TimGM6mb.sf2")});
    EXPECT_EQ(audio::generalMidiSoundFont(), "");
    MidiPlayer player;
    EXPECT_FALSE(player.open(dir.file("song.mid")));
    EXPECT_TRUE(player.lacksSoundFont());
    EXPECT_NE(player.error().find(dir.file("TimGM6mb.sf2")), std::string::npos);
    // Any of them will do.
    ASSERT_EQ(::symlink("/usr/share/sounds/sf2/TimGM6mb.sf2", dir.file("TimGM6mb.sf2").c_str()), 0);
    EXPECT_EQ(audio::generalMidiSoundFont(), dir.file("TimGM6mb.sf2"));
    EXPECT_TRUE(player.open(dir.file("song.mid"))) << player.error();
    EXPECT_FALSE(player.lacksSoundFont());
    player.close();
    audio::setSoundFontCandidates({});
    EXPECT_EQ(audio::generalMidiSoundFont().rfind("/usr/share/sounds/sf2/", 0), 0u);
}
