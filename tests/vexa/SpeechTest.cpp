// The companion's speech, synthesized into a buffer and played through SDL's disk driver.

#include "sound/CompanionChannel.h"
#include "tests/sound/SoundFiles.h"
#include "vexa/Speech.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

using namespace qor;

namespace {
int loudest(const std::vector<std::int16_t>& samples) {
    int m = 0;
    for (std::int16_t s : samples) m = std::max(m, std::abs(static_cast<int>(s)));
    return m;
}
double seconds(const std::vector<std::int16_t>& samples, int rate) {
    return static_cast<double>(samples.size()) / rate;
}
} // namespace

TEST(Speech, AWordIsSpokenInPlausibleTime) {
    vexa::Speech speech;
    ASSERT_TRUE(speech.ready()) << speech.error();
    companion::Command c = companion::parseCommand("VEXA;apple");
    auto samples = speech.synthesize(c.text, c.emphasis);
    EXPECT_GT(loudest(samples), 3000);
    const double s = seconds(samples, speech.sampleRate());
    EXPECT_GT(s, 0.2);
    EXPECT_LT(s, 2.0);
    // A phrase takes longer than a word.
    auto phrase = speech.synthesize("look forward to the summer holidays", false);
    EXPECT_GT(phrase.size(), samples.size() * 3);
    EXPECT_TRUE(speech.synthesize("", false).empty());
}

TEST(Speech, TheCongratulationIsSpokenWithEmphasis) {
    vexa::Speech speech;
    ASSERT_TRUE(speech.ready()) << speech.error();
    companion::Command c = companion::parseCommand(companion::kCongratulation);
    ASSERT_TRUE(c.emphasis);
    auto stressed = speech.synthesize(c.text, true);
    auto plain = speech.synthesize(c.text, false);
    EXPECT_GT(loudest(stressed), 3000);
    EXPECT_GT(stressed.size(), plain.size() * 11 / 10);
    // Text that looks like markup is spoken, not obeyed.
    EXPECT_GT(loudest(speech.synthesize("<b>&", true)), 1000);
}

TEST(Speech, TheSpokenWordReachesTheSoundDevice) {
    test::diskAudioFile();
    vexa::Speech speech;
    ASSERT_TRUE(speech.ready());
    vexa::SpeechOutput output;
    long long before = test::diskAudioSize();
    ASSERT_TRUE(output.play(speech.synthesize("apple", false), speech.sampleRate())) << output.error();
    EXPECT_TRUE(test::waitForSound(before, 2000, 2000));
}

TEST(Speech, TheOutputClosesWhenNothingHasBeenSaidForAWhileAndOpensForTheNextWord) {
    using namespace std::chrono;
    test::diskAudioFile();
    vexa::Speech speech;
    ASSERT_TRUE(speech.ready());
    vexa::SpeechOutput output;
    EXPECT_FALSE(output.isOpen());
    const auto word = speech.synthesize("apple", false);
    const steady_clock::time_point t = steady_clock::now();
    ASSERT_TRUE(output.play(word, speech.sampleRate())) << output.error();
    // However late the look, a word just begun keeps the device.
    EXPECT_FALSE(output.closeIfIdle(t + hours(1)));
    // Heard to its end (or given up after a generous while).
    for (int i = 0; i < 500 && output.busy(); ++i) std::this_thread::sleep_for(milliseconds(10));
    ASSERT_FALSE(output.busy());
    EXPECT_FALSE(output.closeIfIdle(t + hours(1) + std::chrono::seconds(4)));
    EXPECT_TRUE(output.isOpen());
    EXPECT_TRUE(output.closeIfIdle(t + hours(1) + std::chrono::seconds(5)));
    EXPECT_FALSE(output.isOpen());
    const long long closedAt = test::diskAudioSize();
    std::this_thread::sleep_for(milliseconds(300));
    EXPECT_EQ(test::diskAudioSize(), closedAt);  // no stream of silence

    // The next word opens it again and is heard.
    ::unlink(test::diskAudioFile().c_str());
    ASSERT_TRUE(output.play(word, speech.sampleRate())) << output.error();
    EXPECT_TRUE(output.isOpen());
    EXPECT_TRUE(test::waitForSound(0, 2000, 2000));
}
