#include "sound/MidiFile.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace qor {

namespace {

struct Reader {
    std::string_view bytes;
    std::size_t pos = 0;
    bool failed = false;

    bool atEnd() const { return pos >= bytes.size(); }
    std::uint32_t byte() {
        if (atEnd()) {
            failed = true;
            return 0;
        }
        return static_cast<unsigned char>(bytes[pos++]);
    }
    std::uint32_t be(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | byte();
        return v;
    }
    std::uint32_t le32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= byte() << (8 * i);
        return v;
    }
    std::uint32_t varLen() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint32_t b = byte();
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return v;
        }
        failed = true;
        return v;
    }
    void skip(std::size_t n) {
        if (n > bytes.size() - std::min(pos, bytes.size())) {
            failed = true;
            pos = bytes.size();
            return;
        }
        pos += n;
    }
    bool tag(std::string_view t) {
        if (bytes.substr(pos, t.size()) != t) return false;
        pos += t.size();
        return true;
    }
};

// The SMF inside a RIFF "RMID" file, or the bytes themselves.
std::string_view unwrap(std::string_view bytes) {
    if (bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "RMID") return bytes;
    Reader r{bytes, 12};
    while (!r.failed && r.pos + 8 <= bytes.size()) {
        std::string_view id = bytes.substr(r.pos, 4);
        r.pos += 4;
        std::uint32_t size = r.le32();
        if (id == "data") return bytes.substr(r.pos, size);
        r.skip(size + (size & 1));
    }
    return {};
}

// Reads one track: its tempo changes into tempos, returns its last tick.
std::optional<std::uint64_t> readTrack(std::string_view track,
                                       std::map<std::uint64_t, std::uint32_t>& tempos) {
    Reader r{track};
    std::uint64_t tick = 0;
    std::uint32_t status = 0;
    while (!r.atEnd()) {
        tick += r.varLen();
        std::uint32_t b = r.byte();
        if (r.failed) break;
        if (b == 0xFF) {
            std::uint32_t type = r.byte();
            std::uint32_t len = r.varLen();
            if (type == 0x51 && len == 3 && r.pos + 3 <= track.size()) {
                std::uint32_t tempo = r.be(3);
                if (tempo > 0) tempos[tick] = tempo;
            } else {
                r.skip(len);
            }
            if (type == 0x2F) break;  // end of track
            continue;
        }
        if (b == 0xF0 || b == 0xF7) {
            r.skip(r.varLen());
            continue;
        }
        // A channel message; with running status b was already its first data byte.
        if (b & 0x80) {
            status = b;
            r.byte();
        } else if (!status) {
            return std::nullopt;  // data without a status byte
        }
        std::uint32_t kind = status & 0xF0;
        if (kind != 0xC0 && kind != 0xD0) r.byte();
        if (r.failed) break;
    }
    // A track cut short still played up to where it broke off.
    return tick;
}

} // namespace

std::optional<double> midiDurationSeconds(std::string_view bytes) {
    Reader r{unwrap(bytes)};
    if (!r.tag("MThd")) return std::nullopt;
    std::uint32_t headerSize = r.be(4);
    std::uint32_t format = r.be(2);
    std::uint32_t trackCount = r.be(2);
    std::uint32_t division = r.be(2);
    if (r.failed || headerSize < 6 || format > 2 || division == 0) return std::nullopt;
    r.skip(headerSize - 6);

    std::map<std::uint64_t, std::uint32_t> tempos;
    std::uint64_t lastTick = 0;
    std::uint32_t tracksRead = 0;
    while (tracksRead < trackCount && !r.failed && r.pos + 8 <= r.bytes.size()) {
        bool isTrack = r.tag("MTrk");
        if (!isTrack) r.pos += 4;
        std::uint32_t size = r.be(4);
        std::size_t available = r.bytes.size() - r.pos;
        std::string_view chunk = r.bytes.substr(r.pos, std::min<std::size_t>(size, available));
        r.pos += chunk.size();
        if (!isTrack) continue;  // chunks of unknown kind are skipped
        ++tracksRead;
        std::optional<std::uint64_t> end = readTrack(chunk, tempos);
        if (!end) return std::nullopt;
        lastTick = std::max(lastTick, *end);
    }
    if (tracksRead == 0) return std::nullopt;

    if (division & 0x8000) {
        // SMPTE time: frames per second and ticks per frame, no tempo.
        int fps = -static_cast<std::int8_t>(division >> 8);
        int perFrame = division & 0xFF;
        if (fps <= 0 || perFrame == 0) return std::nullopt;
        return static_cast<double>(lastTick) / (fps * perFrame);
    }
    double seconds = 0;
    std::uint64_t at = 0;
    std::uint32_t tempo = 500000;  // microseconds per quarter note until the first change
    for (auto [tick, next] : tempos) {
        if (tick >= lastTick) break;
        seconds += static_cast<double>(tick - at) * tempo / (1e6 * division);
        at = tick;
        tempo = next;
    }
    seconds += static_cast<double>(lastTick - at) * tempo / (1e6 * division);
    return seconds;
}

} // namespace qor
