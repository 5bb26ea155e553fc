#pragma once
// The program's one sound output (SDL_mixer): wave effects and pronunciations on a
// channel of their own, MIDI music through FluidSynth with the General MIDI sound font,
// and the CD's samples mixed into the same stream. Opened on first use; a machine
// without a sound device plays nothing.
//
// Everything here is called from the window thread, except PostMixer::mix, which runs
// on the audio thread.

#include <cstdint>
#include <string>

namespace qor::audio {

// Opens the output when it is not open yet; false with the reason when no device could
// be opened (and then every later call tries again).
bool open(std::string* error = nullptr);

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

} // namespace qor::audio
