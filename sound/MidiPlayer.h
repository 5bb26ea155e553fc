#pragma once
// The MIDI sequencer: one MIDI file played through the sound output's FluidSynth.
// The play ends where the file's events end (a note still ringing is cut, as a
// sequencer does); finished() is then called once, on the audio thread.

#include "sound/AudioOutput.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

typedef struct _Mix_Music Mix_Music;

namespace qor {

class MidiPlayer final : public audio::PostMixer {
public:
    MidiPlayer();
    ~MidiPlayer() override;
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    // Loads the file; false with the reason in error().
    bool open(const std::string& nativePath);
    // Plays from the start (a sequencer that was stopped starts over); resumes a
    // paused play.
    bool play();
    // Pauses a play, or resumes a paused one.
    void pause();
    void stop();
    void close();
    void seekToStart();

    bool isOpen() const { return music_ != nullptr; }
    bool playing() const { return running_; }
    bool paused() const { return paused_; }
    const std::string& error() const { return error_; }
    // The last open failed for want of a General MIDI sound font
    // (audio::kSoundFontPackage gives one).
    bool lacksSoundFont() const { return lacksSoundFont_; }

    // Called once per play when it reaches its end, from the audio thread; the
    // argument is the play's number (see playNumber()).
    std::function<void(unsigned)> finished;
    unsigned playNumber() const { return playNumber_; }

    void mix(std::uint8_t* stream, int bytes) override;

private:
    static void musicFinished();
    void reachEnd();

    Mix_Music* music_ = nullptr;
    std::optional<double> duration_;
    std::string error_;
    bool lacksSoundFont_ = false;
    std::atomic<bool> running_{false};
    std::atomic<bool> paused_{false};
    std::atomic<bool> ended_{false};
    std::atomic<unsigned> playNumber_{0};
    // Frames played since the start; the end comes at endFrame_.
    std::atomic<long long> framesPlayed_{0};
    long long endFrame_ = -1;
    int bytesPerFrame_ = 4;
};

} // namespace qor
