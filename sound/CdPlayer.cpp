#include "sound/CdPlayer.h"

#include "sound/CdDrive.h"

#include <SDL.h>
#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <chrono>

namespace qor {

namespace {
// The reader keeps about a second of music ahead of the output.
constexpr int kAheadBytes = 44100 * 4;
// Sectors that cannot be read one after the other before the play gives up (a disc
// taken out while playing): about two seconds.
constexpr int kMaxFailures = 150;
} // namespace

CdPlayer::CdPlayer() = default;

CdPlayer::~CdPlayer() {
    close();
}

bool CdPlayer::open(const std::string& drive) {
    close();
    error_.clear();
    cdio_ = cd::openDrive(drive, &error_);
    if (!cdio_) return false;
    std::optional<DiscToc> toc = cd::tocOf(cdio_);
    if (!toc) {
        error_ = drive + ": no disc";
        close();
        return false;
    }
    toc_ = *toc;
    spans_ = audioSpans(toc_);
    span_ = 0;
    sector_ = spans_.empty() ? 0 : spans_.front().first;
    return true;
}

std::optional<std::string> CdPlayer::identity() const {
    if (!cdio_) return std::nullopt;
    return discIdentity(toc_);
}

bool CdPlayer::play() {
    if (!cdio_) {
        error_ = "no CD is open";
        return false;
    }
    if (running_ && paused_) {
        pause();
        return true;
    }
    if (running_) return true;
    if (spans_.empty()) {
        error_ = "the disc holds no music";
        return false;
    }
    std::string reason;
    if (!audio::open(&reason)) {
        error_ = "sound device: " + reason;
        return false;
    }
    if (!cdda_) {
        cdda_ = cdio_cddap_identify_cdio(cdio_, CDDA_MESSAGE_FORGETIT, nullptr);
        if (!cdda_ || cdio_cddap_open(cdda_) != 0) {
            error_ = "the drive cannot read music CDs";
            if (cdda_) cdio_cddap_close_no_free_cdio(cdda_);
            cdda_ = nullptr;
            return false;
        }
        paranoia_ = cdio_paranoia_init(cdda_);
        // Jitter correction only: full scratch repair rereads too slowly to play along.
        paranoia_modeset(paranoia_, PARANOIA_MODE_OVERLAP);
    }
    audio::Format f = audio::format();
    stream_ = SDL_NewAudioStream(AUDIO_S16LSB, 2, 44100, f.sdlFormat,
                                 static_cast<Uint8>(f.channels), f.rate);
    if (!stream_) {
        error_ = SDL_GetError();
        return false;
    }
    paranoia_seek(paranoia_, sector_, SEEK_SET);
    ++playNumber_;
    readerDone_ = false;
    ended_ = false;
    paused_ = false;
    quit_ = false;
    running_ = true;
    reader_ = std::thread(&CdPlayer::readLoop, this);
    audio::addPostMixer(this);
    return true;
}

void CdPlayer::readLoop() {
    int failures = 0;
    while (!quit_) {
        {
            std::unique_lock lock(lock_);
            wake_.wait_for(lock, std::chrono::milliseconds(20), [this] {
                return quit_ || SDL_AudioStreamAvailable(stream_) < kAheadBytes;
            });
            if (quit_) return;
            if (SDL_AudioStreamAvailable(stream_) >= kAheadBytes) continue;
        }
        if (span_ >= spans_.size()) {
            std::lock_guard lock(lock_);
            SDL_AudioStreamFlush(stream_);
            readerDone_ = true;
            return;
        }
        int16_t* samples = cdio_paranoia_read(paranoia_, nullptr);
        static const int16_t silence[CDIO_CD_FRAMESIZE_RAW / 2] = {};
        if (!samples) {
            samples = const_cast<int16_t*>(silence);
            if (++failures >= kMaxFailures) span_ = spans_.size();
        } else {
            failures = 0;
        }
        {
            std::lock_guard lock(lock_);
            SDL_AudioStreamPut(stream_, samples, CDIO_CD_FRAMESIZE_RAW);
        }
        if (++sector_ >= spans_[span_].end && ++span_ < spans_.size()) {
            sector_ = spans_[span_].first;
            paranoia_seek(paranoia_, sector_, SEEK_SET);
        }
    }
}

void CdPlayer::mix(std::uint8_t* stream, int bytes) {
    if (!running_ || paused_ || ended_) return;
    bool drained = false;
    {
        std::lock_guard lock(lock_);
        if (static_cast<int>(mixBuffer_.size()) < bytes) mixBuffer_.resize(bytes);
        int got = SDL_AudioStreamGet(stream_, mixBuffer_.data(), bytes);
        if (got > 0) {
            SDL_MixAudioFormat(stream, mixBuffer_.data(), audio::format().sdlFormat,
                               static_cast<Uint32>(got), SDL_MIX_MAXVOLUME);
        }
        drained = readerDone_ && SDL_AudioStreamAvailable(stream_) == 0;
    }
    wake_.notify_one();
    if (drained && !ended_.exchange(true) && finished) finished(playNumber_);
}

void CdPlayer::pause() {
    if (running_) paused_ = !paused_;
}

void CdPlayer::stopReader() {
    quit_ = true;
    wake_.notify_all();
    if (reader_.joinable()) reader_.join();
}

void CdPlayer::stop() {
    if (!running_) return;
    running_ = false;
    paused_ = false;
    audio::removePostMixer(this);
    stopReader();
    if (stream_) {
        SDL_FreeAudioStream(stream_);
        stream_ = nullptr;
    }
    // A play that reached the end starts over; otherwise it goes on where the reader was.
    if (span_ >= spans_.size()) seekToStart();
}

void CdPlayer::close() {
    stop();
    if (paranoia_) cdio_paranoia_free(paranoia_);
    paranoia_ = nullptr;
    if (cdda_) cdio_cddap_close_no_free_cdio(cdda_);
    cdda_ = nullptr;
    if (cdio_) cdio_destroy(cdio_);
    cdio_ = nullptr;
    spans_.clear();
    toc_ = {};
}

void CdPlayer::seekToStart() {
    if (running_) return;  // the reader owns the position while it runs
    span_ = 0;
    sector_ = spans_.empty() ? 0 : spans_.front().first;
}

} // namespace qor
