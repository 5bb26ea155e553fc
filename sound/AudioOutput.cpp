#include "sound/AudioOutput.h"

#include "sound/IdleWatch.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <mutex>
#include <sys/stat.h>
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
    std::vector<const void*> holders;
    IdleWatch idle;
    std::vector<std::string> soundFonts;  // set by tests; empty: the system's
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

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
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
    o.idle.reset();
    return true;
}

bool isOpen() {
    return output().open;
}

Format format() {
    return output().format;
}

void playWave(const std::string& nativePath) {
    Output& o = output();
    if (!open()) return;
    o.idle.started();
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

void hold(const void* holder) {
    Output& o = output();
    if (std::find(o.holders.begin(), o.holders.end(), holder) == o.holders.end())
        o.holders.push_back(holder);
}

void release(const void* holder) {
    Output& o = output();
    o.holders.erase(std::remove(o.holders.begin(), o.holders.end(), holder), o.holders.end());
}

bool busy() {
    Output& o = output();
    if (!o.open) return false;
    if (!o.holders.empty() || Mix_Playing(-1) > 0 || Mix_PlayingMusic()) return true;
    std::lock_guard lock(o.mixersLock);
    return !o.mixers.empty();
}

bool closeIfIdle(std::chrono::steady_clock::time_point now) {
    Output& o = output();
    if (!o.open || !o.idle.quietLongEnough(busy(), now)) return false;
    Mix_HaltChannel(-1);
    if (o.wave) {
        Mix_FreeChunk(o.wave);
        o.wave = nullptr;
    }
    Mix_UnregisterAllEffects(MIX_CHANNEL_POST);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    o.open = false;
    o.idle.reset();
    return true;
}

const std::vector<std::string>& soundFontCandidates() {
    static const std::vector<std::string> system{
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    };
    const Output& o = output();
    return o.soundFonts.empty() ? system : o.soundFonts;
}

void setSoundFontCandidates(std::vector<std::string> paths) {
    output().soundFonts = std::move(paths);
}

std::string generalMidiSoundFont() {
    for (const std::string& path : soundFontCandidates())
        if (isFile(path)) return path;
    return {};
}

} // namespace qor::audio
