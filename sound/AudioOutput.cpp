#include "sound/AudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace qor::audio {

namespace {

constexpr int kWaveChannel = 0;

struct Output {
    bool open = false;
    Format format;
    Mix_Chunk* wave = nullptr;  // the effect or pronunciation playing (or last played)
    std::mutex mixersLock;
    std::vector<PostMixer*> mixers;
};

Output& output() {
    static Output o;
    return o;
}

void SDLCALL runPostMixers(int, void* stream, int len, void*) {
    Output& o = output();
    std::lock_guard lock(o.mixersLock);
    for (PostMixer* m : o.mixers) m->mix(static_cast<std::uint8_t*>(stream), len);
}

} // namespace

bool open(std::string* error) {
    Output& o = output();
    if (o.open) return true;
    // The window system handles the program's signals; SDL must not take them over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        if (error) *error = SDL_GetError();
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    // The General MIDI sound font that FluidSynth plays the MIDI files with.
    Mix_SetSoundFonts(QOR_GM_SOUNDFONT);
    // CD audio's own format, so that the CD needs no resampling on most devices.
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        if (error) *error = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int rate = 0;
    Uint16 fmt = 0;
    int channels = 0;
    Mix_QuerySpec(&rate, &fmt, &channels);
    o.format = {rate, fmt, channels};
    Mix_AllocateChannels(2);
    Mix_RegisterEffect(MIX_CHANNEL_POST, runPostMixers, nullptr, nullptr);
    o.open = true;
    return true;
}

Format format() {
    return output().format;
}

void playWave(const std::string& nativePath) {
    Output& o = output();
    if (!open()) return;
    Mix_HaltChannel(kWaveChannel);
    if (o.wave) {
        Mix_FreeChunk(o.wave);
        o.wave = nullptr;
    }
    if (nativePath.empty()) return;
    o.wave = Mix_LoadWAV(nativePath.c_str());
    if (o.wave) Mix_PlayChannel(kWaveChannel, o.wave, 0);
}

void addPostMixer(PostMixer* mixer) {
    Output& o = output();
    std::lock_guard lock(o.mixersLock);
    if (std::find(o.mixers.begin(), o.mixers.end(), mixer) == o.mixers.end())
        o.mixers.push_back(mixer);
}

void removePostMixer(PostMixer* mixer) {
    Output& o = output();
    std::lock_guard lock(o.mixersLock);
    o.mixers.erase(std::remove(o.mixers.begin(), o.mixers.end(), mixer), o.mixers.end());
}

} // namespace qor::audio
