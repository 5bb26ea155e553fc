#pragma once
// The program's one sound output (SDL_mixer): wave effects and pronunciations on a
// channel of their own, MIDI music through FluidSynth with a General MIDI sound font,
// and the CD's samples mixed into the same stream. Opened on first use and closed again
// when nothing has played on it for a few seconds (closeIfIdle); a machine without a
// sound device plays nothing.
//
// Everything here is called from the window thread, except PostMixer::mix, which runs
// on the audio thread.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace qor::audio {

// Opens the output when it is not open yet; false with the reason when no device could
// be opened (and then every later call tries again).
bool open(std::string* error = nullptr);
bool isOpen();

struct Format {
    int rate = 0;
    std::uint16_t sdlFormat = 0;  // SDL_AudioFormat
    int channels = 0;
};
// The format of the open output.
Format format();

// Plays a wave file asynchronously; a new play cuts the previous one. A missing or
// unreadable file (or no sound device) plays nothing and reports nothing.
void playWave(const std::string& nativePath);

// Something that adds samples to the finished mix, or watches it (the CD's samples,
// the MIDI player's clock).
class PostMixer {
public:
    virtual ~PostMixer() = default;
    // stream is in format(); add to it, never block.
    virtual void mix(std::uint8_t* stream, int bytes) = 0;
};
// Adding and removing wait for a mix that is running; after remove() returns, mix() is
// not called again.
void addPostMixer(PostMixer* mixer);
void removePostMixer(PostMixer* mixer);

// Keeps the output open while something depends on it (a loaded MIDI file, which
// belongs to the output it was loaded for), however long it is quiet.
void hold(const void* holder);
void release(const void* holder);

// Whether anything plays: a wave, the music, a post mixer, or a holder.
bool busy();
// Closes the output when it has been quiet for IdleWatch::kLimit at `now`; true when it
// closed. The next sound opens it again.
bool closeIfIdle(std::chrono::steady_clock::time_point now);

// The General MIDI sound fonts looked for, in order: the system's default (the
// alternative "default-GM.sf2" that each sound font package sets up), then the files of
// timgm6mb-soundfont and fluid-soundfont-gm.
const std::vector<std::string>& soundFontCandidates();
// Tests look elsewhere; an empty list restores the system's.
void setSoundFontCandidates(std::vector<std::string> paths);
// The first candidate that is there; empty when none is.
std::string generalMidiSoundFont();
// The package that gives the program its sound font.
inline constexpr const char* kSoundFontPackage = "timgm6mb-soundfont";

} // namespace qor::audio
