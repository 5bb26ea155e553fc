#pragma once
// The audio CD player: reads the disc's music with libcdio-paranoia on a thread of its
// own and mixes it into the sound output. finished() is called once when a play has
// played the last audio sector, on the audio thread.

#include "sound/AudioOutput.h"
#include "sound/DiscToc.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

typedef struct _CdIo CdIo_t;
typedef struct cdrom_drive_s cdrom_drive_t;
typedef struct cdrom_paranoia_s cdrom_paranoia_t;
typedef struct _SDL_AudioStream SDL_AudioStream;

namespace qor {

class CdPlayer final : public audio::PostMixer {
public:
    CdPlayer();
    ~CdPlayer() override;
    CdPlayer(const CdPlayer&) = delete;
    CdPlayer& operator=(const CdPlayer&) = delete;

    // Opens the drive and reads its table of contents; false with the reason in error().
    bool open(const std::string& drive);
    // Plays from the current position (the start after open or seekToStart).
    bool play();
    void pause();  // pauses a play, or resumes a paused one
    void stop();   // keeps the position
    void close();
    void seekToStart();

    bool isOpen() const { return cdio_ != nullptr; }
    bool playing() const { return running_; }
    bool paused() const { return paused_; }
    // The identity of the open disc (discIdentity of its table of contents).
    std::optional<std::string> identity() const;
    const std::string& error() const { return error_; }

    std::function<void(unsigned)> finished;
    unsigned playNumber() const { return playNumber_; }

    void mix(std::uint8_t* stream, int bytes) override;

private:
    void readLoop();
    void stopReader();

    CdIo_t* cdio_ = nullptr;
    cdrom_drive_t* cdda_ = nullptr;
    cdrom_paranoia_t* paranoia_ = nullptr;
    DiscToc toc_;
    std::vector<SectorSpan> spans_;
    std::string error_;

    // Position: the span and the sector in it that the reader reads next.
    std::size_t span_ = 0;
    int sector_ = 0;

    std::thread reader_;
    std::mutex lock_;  // guards stream_, readerDone_ and wakes the reader
    std::condition_variable wake_;
    SDL_AudioStream* stream_ = nullptr;
    bool readerDone_ = false;
    std::atomic<bool> quit_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> paused_{false};
    std::atomic<bool> ended_{false};
    std::atomic<unsigned> playNumber_{0};
    std::vector<std::uint8_t> mixBuffer_;
};

} // namespace qor
