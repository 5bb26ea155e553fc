#pragma once
// How long a Standard MIDI File plays: the time of its last event, by its tempo map.
// The synthesizer would go on while a note rings (and for ever on a note that is never
// released); the music's end is where the file's events end.

#include <optional>
#include <string_view>

namespace qor {

// Seconds from the start to the last event of the longest track; nullopt for bytes that
// are not a MIDI file (a RIFF "RMID" wrapper is accepted).
std::optional<double> midiDurationSeconds(std::string_view bytes);

} // namespace qor
