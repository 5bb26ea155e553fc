#pragma once
// The table of contents of an audio CD and what follows from it: the disc's identity
// text and the span of sectors that holds its music.

#include <string>
#include <vector>

namespace qor {

struct DiscToc {
    struct Track {
        int firstSector = 0;  // logical sector number
        int endSector = 0;    // one past its last sector
        bool audio = true;
    };
    std::vector<Track> tracks;  // in disc order
    int leadOut = 0;            // first sector after the last track
};

// The same disc gives the same text on every drive and every run: a hash of the track
// count, each track's start and kind and the lead-out, as 16 hexadecimal digits (the
// register keeps at most 19 characters).
std::string discIdentity(const DiscToc& toc);

// The sectors of the audio tracks in disc order, neighbouring tracks joined; data tracks
// are left out. Empty when the disc holds no music.
struct SectorSpan {
    int first = 0;
    int end = 0;  // one past the last sector
};
std::vector<SectorSpan> audioSpans(const DiscToc& toc);

} // namespace qor
