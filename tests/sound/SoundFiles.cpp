#include "tests/sound/SoundFiles.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace qor::test {

namespace {

void put16(std::string& s, int v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void putBe32(std::string& s, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
void varLen(std::string& s, std::uint32_t v) {
    char bytes[4];
    int n = 0;
    bytes[n++] = static_cast<char>(v & 0x7F);
    while (v >>= 7) bytes[n++] = static_cast<char>(0x80 | (v & 0x7F));
    while (n) s += bytes[--n];
}

} // namespace

std::string midiFile(const std::vector<int>& notes, int ticks, int program, bool release) {
    std::string track;
    track += std::string("\x00\xC0", 2);
    track += static_cast<char>(program);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        track += '\0';
        track += '\x90';
        track += static_cast<char>(notes[i]);
        track += static_cast<char>(100);
        varLen(track, static_cast<std::uint32_t>(ticks));
        if (release || i + 1 < notes.size()) {
            track += '\x80';
            track += static_cast<char>(notes[i]);
            track += '\0';
        } else {
            // A text event where the note-off would be: the note goes on ringing.
            track += std::string("\xFF\x01\x03" "end", 6);
        }
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    std::string file = std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14);
    file += "MTrk";
    putBe32(file, static_cast<std::uint32_t>(track.size()));
    return file + track;
}

std::string waveFile(double seconds, int hertz) {
    const int rate = 22050;
    const int frames = static_cast<int>(seconds * rate);
    std::string data;
    for (int i = 0; i < frames; ++i)
        put16(data, static_cast<int>(12000 * std::sin(2 * M_PI * hertz * i / rate)));
    std::string w = "RIFF";
    put32(w, static_cast<std::uint32_t>(36 + data.size()));
    w += "WAVEfmt ";
    put32(w, 16);
    put16(w, 1);         // PCM
    put16(w, 1);         // mono
    put32(w, rate);
    put32(w, rate * 2);  // bytes per second
    put16(w, 2);
    put16(w, 16);
    w += "data";
    put32(w, static_cast<std::uint32_t>(data.size()));
    return w + data;
}

std::string writeCdImage(const std::string& folder, const std::string& name,
                         const std::vector<double>& trackSeconds) {
    std::string bin;
    std::string cue = "FILE \"" + name + ".bin\" BINARY\n";
    int sector = 0;
    for (std::size_t t = 0; t < trackSeconds.size(); ++t) {
        char line[96];
        std::snprintf(line, sizeof line, "  TRACK %02zu AUDIO\n    INDEX 01 %02d:%02d:%02d\n", t + 1,
                      sector / 75 / 60, sector / 75 % 60, sector % 75);
        cue += line;
        const int sectors = static_cast<int>(trackSeconds[t] * 75);
        const int hertz = 330 + 110 * static_cast<int>(t);
        for (int i = 0; i < sectors * 588; ++i) {
            int v = static_cast<int>(9000 * std::sin(2 * M_PI * hertz * i / 44100.0));
            put16(bin, v);
            put16(bin, v);
        }
        sector += sectors;
    }
    write(folder + "/" + name + ".bin", bin);
    write(folder + "/" + name + ".cue", cue);
    return folder + "/" + name + ".cue";
}

const std::string& diskAudioFile() {
    static const std::string path = [] {
        std::string p = "/tmp/qor-disk-audio-" + std::to_string(::getpid()) + ".raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", p.c_str(), 1);
        std::atexit([] {
            std::string q = "/tmp/qor-disk-audio-" + std::to_string(::getpid()) + ".raw";
            ::unlink(q.c_str());
        });
        return p;
    }();
    return path;
}

long long diskAudioSize() {
    std::ifstream in(diskAudioFile(), std::ios::binary | std::ios::ate);
    return in ? static_cast<long long>(in.tellg()) : 0;
}

int loudestSince(long long from) {
    std::ifstream in(diskAudioFile(), std::ios::binary);
    if (!in) return 0;
    in.seekg(from & ~1LL);
    int loudest = 0;
    char pair[2];
    while (in.read(pair, 2)) {
        int v = static_cast<std::int16_t>((static_cast<unsigned char>(pair[1]) << 8) |
                                          static_cast<unsigned char>(pair[0]));
        loudest = std::max(loudest, std::abs(v));
    }
    return loudest;
}

bool waitForSound(long long from, int timeoutMs, int threshold) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < until) {
        if (loudestSince(from) > threshold) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return loudestSince(from) > threshold;
}

} // namespace qor::test
