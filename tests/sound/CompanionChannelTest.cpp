#include "sound/CompanionChannel.h"
#include "sound/CompanionSettings.h"
#include "sound/Voice.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <vector>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;

namespace {
struct RecordingSink : CommandSink {
    std::vector<std::string> texts;
    void deliver(const std::string& t) override { texts.push_back(t); }
};
} // namespace

TEST(CompanionChannel, EachCommandGoesWholeWithoutLineBreaks) {
    RecordingSink sink;
    CompanionChannel channel(sink);
    channel.send(companion::kRight);
    channel.send(companion::speak("run"));
    channel.send(companion::kCongratulation);
    channel.send(companion::speak("two\r\nlines"));
    EXPECT_EQ(sink.texts, (std::vector<std::string>{"ANI;1", "VEXA;run", "VEXA;empCongratulation!",
                                                   "VEXA;twolines"}));
}

TEST(CompanionCommand, AnimationsSpeechAndEmphasis) {
    using companion::Command;
    for (int n : {1, 2, 5, 9, 13, 14}) {
        Command c = companion::parseCommand("ANI;" + std::to_string(n));
        EXPECT_EQ(c.kind, Command::Animation);
        EXPECT_EQ(c.animation, n);
    }
    Command speech = companion::parseCommand("VEXA;look after");
    EXPECT_EQ(speech.kind, Command::Speech);
    EXPECT_EQ(speech.text, "look after");
    EXPECT_FALSE(speech.emphasis);

    Command congratulation = companion::parseCommand(companion::kCongratulation);
    EXPECT_EQ(congratulation.kind, Command::Speech);
    EXPECT_EQ(congratulation.text, "Congratulation!");
    EXPECT_TRUE(congratulation.emphasis);

    // Words that begin with "emp" are words, not emphasis.
    for (const char* word : {"empty", "employ", "emp"}) {
        Command c = companion::parseCommand(std::string("VEXA;") + word);
        EXPECT_EQ(c.text, word);
        EXPECT_FALSE(c.emphasis);
    }
    for (const char* bad : {"ANI;", "ANI;x", "ANI;1x", "hello", "", "vexa;run"})
        EXPECT_EQ(companion::parseCommand(bad).kind, Command::Unknown) << bad;
}

TEST(CompanionCommand, ThePlaceOfTheMainWindowReadsBack) {
    using companion::Command;
    EXPECT_EQ(companion::placeAt(654, 481, 0x3a00007), "POS;654;481;60817415");
    Command c = companion::parseCommand(companion::placeAt(-20, 1080, 77));
    EXPECT_EQ(c.kind, Command::Place);
    EXPECT_EQ(c.right, -20);
    EXPECT_EQ(c.bottom, 1080);
    EXPECT_EQ(c.window, 77u);
    for (const char* bad : {"POS;", "POS;1;2", "POS;1;2;x", "POS;1;2;3;4", "POS;1;;3", "POS;1;2;-3"})
        EXPECT_EQ(companion::parseCommand(bad).kind, Command::Unknown) << bad;
}

TEST(CompanionPlace, BesideTheFrameAtItsBottomRightCorner) {
    const ScreenRect screen{0, 0, 1920, 1040};
    // A window from (100, 50) to (704, 491): the companion (120 x 130) stands at its
    // right side, bottom edges level.
    ScreenPoint p = companionTopLeft({704, 491}, 120, 130, screen);
    EXPECT_EQ(p.x, 704);
    EXPECT_EQ(p.y, 361);
    // A window whose top is higher than the companion is tall still has it beside; one
    // that reaches below the screen has it lifted onto the screen, still beside.
    p = companionTopLeft({704, 1300}, 120, 130, screen);
    EXPECT_EQ(p.x, 704);
    EXPECT_EQ(p.y, 910);
    // On a second screen to the right of the first.
    p = companionTopLeft({2500, 600}, 120, 130, {1920, 0, 1280, 1024});
    EXPECT_EQ(p.x, 2500);
    EXPECT_EQ(p.y, 470);
}

TEST(CompanionPlace, BelowTheFrameWhenTheScreenEndsBesideIt) {
    const ScreenRect screen{0, 0, 1920, 1040};
    ScreenPoint p = companionTopLeft({1900, 600}, 120, 130, screen);
    EXPECT_EQ(p.x, 1780);
    EXPECT_EQ(p.y, 600);
    p = companionTopLeft({1920, 600}, 120, 130, screen);
    EXPECT_EQ(p.x, 1800);
    EXPECT_EQ(p.y, 600);
}

TEST(CompanionPlace, AMaximizedWindowLeavesItTheScreensCorner) {
    const ScreenRect screen{0, 24, 1920, 1016};
    ScreenPoint p = companionTopLeft({1920, 1040}, 120, 130, screen);
    EXPECT_EQ(p.x, 1800);
    EXPECT_EQ(p.y, 910);
    // A window larger than the screen, or a corner far off it: still on the screen.
    p = companionTopLeft({5000, 9000}, 120, 130, screen);
    EXPECT_EQ(p.x, 1800);
    EXPECT_EQ(p.y, 910);
    p = companionTopLeft({-4000, -500}, 120, 130, screen);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 24);
}

TEST(CompanionSettings, TheCornerLivesInTheDataFolderAndReadsBack) {
    test::TempDir dir;
    const std::string path = companionSettingsPath(dir.folder());
    EXPECT_EQ(path, dir.file("vexa/Setup.ini"));
    EXPECT_FALSE(readCompanionCorner(path));
    ASSERT_TRUE(writeCompanionCorner(path, 644, 520));  // makes the folder
    EXPECT_EQ(slurp(path), crlf({"[Setup]", "left=644", "top=520"}));
    ASSERT_TRUE(writeCompanionCorner(path, -10, 20));
    EXPECT_EQ(slurp(path), crlf({"[Setup]", "left=-10", "top=20"}));
    auto corner = readCompanionCorner(path);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->right, -10);
    EXPECT_EQ(corner->bottom, 20);

    test::spit(path, "[Setup]\r\nleft=abc\r\ntop=5\r\n");
    EXPECT_FALSE(readCompanionCorner(path));
}

TEST(CompanionSettings, AFolderThatCannotBeMadeIsReported) {
    test::TempDir dir;
    test::spit(dir.file("vexa"), "a file where the folder should be");
    FileStatus status = writeCompanionCorner(companionSettingsPath(dir.folder()), 1, 2);
    EXPECT_FALSE(status);
    EXPECT_EQ(slurp(dir.file("vexa")), "a file where the folder should be");
}

TEST(VoiceFor, TheVoiceTypeChoosesTheWaveFileOrTheCompanion) {
    const std::string folder = "/home/taro/voices/";
    VoiceRequest wave = voiceFor(0, folder, "run,dash");
    EXPECT_EQ(wave.kind, VoiceRequest::Kind::WaveFile);
    EXPECT_EQ(wave.what, "/home/taro/voices/run,dash.wav");
    VoiceRequest spoken = voiceFor(1, folder, "apple");
    EXPECT_EQ(spoken.kind, VoiceRequest::Kind::Companion);
    EXPECT_EQ(spoken.what, "VEXA;apple");
    // No source chosen ("VoiceType" -1) or an unknown one: nothing is played.
    EXPECT_EQ(voiceFor(-1, folder, "apple").kind, VoiceRequest::Kind::None);
    EXPECT_EQ(voiceFor(7, folder, "apple").kind, VoiceRequest::Kind::None);
}
