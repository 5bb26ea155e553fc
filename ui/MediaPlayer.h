#pragma once
// A media player of the platform: the main window's MIDI sequencer (mpMidi) and audio
// CD player (mpCD). Invisible; it reports the end of a play through its notice.

#include <QString>
#include <functional>
#include <optional>

namespace ui {

enum class MediaKind { Midi, AudioCd };

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // The MIDI player opens a file, the CD player a drive. false: errorText() says why.
    virtual bool open(const QString& fileOrDrive) = 0;
    virtual bool play() = 0;
    // Pauses a play, or resumes a paused one.
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual void seekToStart() = 0;
    // The identity of the disc in the open CD player; nullopt when the device fails.
    virtual std::optional<QString> mediaIdentity() = 0;
    // The device's own text for the last failure.
    virtual QString errorText() const = 0;
    // The Debian package that would have let the last open succeed (the MIDI player's
    // sound font); empty when no package is missing.
    virtual QString missingPackage() const { return {}; }

    // Called on the window thread when a play has reached its end.
    void setNotify(std::function<void()> notify) { notify_ = std::move(notify); }

protected:
    void notifyEnd() {
        if (notify_) notify_();
    }

private:
    std::function<void()> notify_;
};

} // namespace ui
