#pragma once
// The companion's voice: English text spoken by eSpeak NG, synthesized into a buffer
// (no network, no other program), and played on the sound device through SDL.

#include "sound/IdleWatch.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace vexa {

class Speech {
public:
    Speech();
    ~Speech();
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    // false when eSpeak NG or its English voice could not be set up; error() says why.
    bool ready() const { return ready_; }
    const std::string& error() const { return error_; }
    int sampleRate() const { return sampleRate_; }

    // Mono 16-bit samples of the text (UTF-8) spoken in English; with emphasis, as a
    // stressed exclamation.
    std::vector<std::int16_t> synthesize(const std::string& utf8, bool emphasis);

private:
    bool ready_ = false;
    int sampleRate_ = 0;
    std::string error_;
};

// Plays samples on the sound device; a new play cuts the one before. The device is
// opened by a play and closed again when nothing has been said for a few seconds
// (closeIfIdle), so that the sound server is not fed silence while the companion waits.
class SpeechOutput {
public:
    SpeechOutput() = default;
    ~SpeechOutput();
    SpeechOutput(const SpeechOutput&) = delete;
    SpeechOutput& operator=(const SpeechOutput&) = delete;

    // false when no sound device could be opened (then nothing is heard).
    bool play(const std::vector<std::int16_t>& samples, int sampleRate);
    void stop();
    const std::string& error() const { return error_; }

    bool isOpen() const { return device_ != 0; }
    // Whether samples are still waiting to be heard.
    bool busy() const;
    // Closes the device when it has been quiet for qor::IdleWatch::kLimit at `now`; true
    // when it closed.
    bool closeIfIdle(std::chrono::steady_clock::time_point now);

private:
    void close();

    unsigned device_ = 0;  // SDL_AudioDeviceID
    int rate_ = 0;
    std::string error_;
    qor::IdleWatch idle_;
};

} // namespace vexa
