#include "sound/MidiFile.h"

#include "tests/sound/SoundFiles.h"

#include <gtest/gtest.h>

using namespace qor;

TEST(MidiDuration, NotesAtTheDefaultTempo) {
    // Four notes of 96 ticks at 96 ticks a quarter and 120 beats a minute: two seconds.
    auto d = midiDurationSeconds(test::midiFile({60, 64, 67, 72}, 96));
    ASSERT_TRUE(d);
    EXPECT_NEAR(*d, 2.0, 1e-9);
    // A note never released still ends where the file's events end.
    auto held = midiDurationSeconds(test::midiFile({60, 64}, 48, 19, false));
    ASSERT_TRUE(held);
    EXPECT_NEAR(*held, 0.5, 1e-9);
}

TEST(MidiDuration, TempoChangesRunningStatusAndTheLongestTrack) {
    auto be32 = [](std::uint32_t v) {
        return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    };
    // Track 1: a tempo of 1 s a quarter from tick 96 on (after half a second), end at 192.
    std::string t1 = std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) + "\x60" +
                     std::string("\xFF\x51\x03\x0F\x42\x40", 6) +
                     std::string("\x60\xFF\x2F\x00", 4);
    // Track 2: notes with running status, the last event at tick 144.
    std::string t2 = std::string("\x00\x90\x3C\x40\x30\x3C\x00\x00\x40\x40\x30\x40\x00", 13) +
                     std::string("\x30\xC0\x05\x00\xFF\x2F\x00", 7);
    std::string file = std::string("MThd\x00\x00\x00\x06\x00\x01\x00\x02\x00\x60", 14) + "MTrk" +
                       be32(static_cast<std::uint32_t>(t1.size())) + t1 + "MTrk" +
                       be32(static_cast<std::uint32_t>(t2.size())) + t2;
    auto d = midiDurationSeconds(file);
    ASSERT_TRUE(d);
    EXPECT_NEAR(*d, 0.5 + 1.0, 1e-9);  // 96 ticks at 0.5 s + 96 ticks at 1 s

    // The same file in a RIFF "RMID" wrapper.
    std::string riff = "RIFF" + std::string(4, '\0') + "RMID" + "data";
    std::uint32_t n = static_cast<std::uint32_t>(file.size());
    riff += std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)} + file;
    auto wrapped = midiDurationSeconds(riff);
    ASSERT_TRUE(wrapped);
    EXPECT_NEAR(*wrapped, *d, 1e-9);
}

TEST(MidiDuration, WhatIsNoMidiFileHasNoDuration) {
    EXPECT_FALSE(midiDurationSeconds(""));
    EXPECT_FALSE(midiDurationSeconds("RIFF....WAVEfmt "));
    EXPECT_FALSE(midiDurationSeconds(std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x00", 14)));
    // Cut short in the middle of its track: as far as it goes.
    std::string cut = test::midiFile({60, 62}, 96);
    cut.resize(cut.size() - 6);
    auto d = midiDurationSeconds(cut);
    ASSERT_TRUE(d);
    EXPECT_NEAR(*d, 1.0, 1e-9);
}
