#pragma once
// Sound files the sound tests make for themselves: MIDI files, wave files, audio CD
// images (BIN/CUE, which libcdio opens as a drive), and the "disk" audio driver of SDL,
// whose output file shows whether anything was really played.

#include <string>
#include <vector>

namespace qor::test {

// A format-0 MIDI file: the notes one after the other, each `ticks` long at 96 ticks per
// quarter note and 120 beats a minute (96 ticks = half a second). With release false
// the last note is never released.
std::string midiFile(const std::vector<int>& notes, int ticks, int program = 0,
                     bool release = true);

// A mono 16-bit wave file of a sine tone.
std::string waveFile(double seconds, int hertz = 440);

// An audio CD image: one audio track per entry (its length in seconds) in folder/name.bin
// with folder/name.cue; returns the .cue path.
std::string writeCdImage(const std::string& folder, const std::string& name,
                         const std::vector<double>& trackSeconds);

// SDL plays into a file (SDL_AUDIODRIVER=disk); call before the first sound is played.
// Returns the file.
const std::string& diskAudioFile();
// The size of the output so far, to find what comes after it.
long long diskAudioSize();
// Waits up to the time given until the output after `from` holds a sample louder than
// `threshold`; true when it does.
bool waitForSound(long long from, int timeoutMs, int threshold = 200);
// The loudest sample of the output after `from`, up to now.
int loudestSince(long long from);

} // namespace qor::test
