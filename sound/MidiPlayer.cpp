#include "sound/MidiPlayer.h"

#include "base/TextFile.h"
#include "sound/MidiFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <fstream>
#include <iterator>
#include <mutex>

namespace qor {

namespace {
// SDL_mixer has one music stream: the player that uses it hears its end.
std::mutex ownerLock;
MidiPlayer* owner = nullptr;

std::string fileBytes(const std::string& nativePath) {
    std::ifstream in(nativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
} // namespace

MidiPlayer::MidiPlayer() = default;

MidiPlayer::~MidiPlayer() {
    close();
}

bool MidiPlayer::open(const std::string& nativePath) {
    close();
    error_.clear();
    lacksSoundFont_ = false;
    // Without a General MIDI sound font FluidSynth has no instruments to play with.
    const std::string soundFont = audio::generalMidiSoundFont();
    if (soundFont.empty()) {
        lacksSoundFont_ = true;
        error_ = "no General MIDI sound font";
        for (const std::string& path : audio::soundFontCandidates()) error_ += " " + path;
        return false;
    }
    std::string reason;
    if (!audio::open(&reason)) {
        error_ = "sound device: " + reason;
        return false;
    }
    Mix_SetSoundFonts(soundFont.c_str());
    music_ = Mix_LoadMUS(nativePath.c_str());
    if (!music_) {
        error_ = nativePath + ": " + Mix_GetError();
        return false;
    }
    // The loaded file belongs to the output it was loaded for.
    audio::hold(this);
    duration_ = midiDurationSeconds(fileBytes(nativePath));
    audio::Format f = audio::format();
    bytesPerFrame_ = f.channels * (SDL_AUDIO_BITSIZE(f.sdlFormat) / 8);
    endFrame_ = duration_ ? static_cast<long long>(*duration_ * f.rate) : -1;
    framesPlayed_ = 0;
    return true;
}

bool MidiPlayer::play() {
    if (!music_) {
        error_ = "no MIDI file is open";
        return false;
    }
    if (running_ && paused_) {
        pause();
        return true;
    }
    if (running_) return true;
    {
        std::lock_guard lock(ownerLock);
        owner = this;
    }
    Mix_HookMusicFinished(&MidiPlayer::musicFinished);
    audio::addPostMixer(this);
    ++playNumber_;
    ended_ = false;
    paused_ = false;
    running_ = true;
    framesPlayed_ = 0;
    if (Mix_PlayMusic(music_, 0) != 0) {
        running_ = false;
        error_ = Mix_GetError();
        audio::removePostMixer(this);
        return false;
    }
    return true;
}

void MidiPlayer::pause() {
    if (!running_) return;
    if (paused_) {
        paused_ = false;
        Mix_ResumeMusic();
    } else {
        paused_ = true;
        Mix_PauseMusic();
    }
}

void MidiPlayer::stop() {
    if (!running_) return;
    // Marked first: the halt below calls the finished hook, which is no end of a play.
    running_ = false;
    paused_ = false;
    Mix_HaltMusic();
    audio::removePostMixer(this);
}

void MidiPlayer::close() {
    stop();
    {
        std::lock_guard lock(ownerLock);
        if (owner == this) owner = nullptr;
    }
    if (music_) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    audio::release(this);
    framesPlayed_ = 0;
}

void MidiPlayer::seekToStart() {
    framesPlayed_ = 0;
    if (running_) Mix_RewindMusic();
}

void MidiPlayer::mix(std::uint8_t*, int bytes) {
    if (!running_ || paused_ || ended_) return;
    long long frames = framesPlayed_ += bytes / bytesPerFrame_;
    if (endFrame_ >= 0 && frames >= endFrame_) reachEnd();
}

void MidiPlayer::reachEnd() {
    if (!running_ || ended_.exchange(true)) return;
    if (finished) finished(playNumber_);
}

void MidiPlayer::musicFinished() {
    std::lock_guard lock(ownerLock);
    if (owner) owner->reachEnd();
}

} // namespace qor
