#pragma once
// The platform's media players over the sound device (qor::MidiPlayer, qor::CdPlayer):
// the end of a play, heard on the audio thread, reaches the window thread as the
// player's notice.

#include "services/SoundIdle.h"
#include "sound/CdPlayer.h"
#include "sound/MidiPlayer.h"
#include "ui/MediaPlayer.h"

#include <QMetaObject>
#include <QObject>

namespace ui {

template <class Device>
class QtDevicePlayer final : public MediaPlayer {
public:
    QtDevicePlayer() {
        device_.finished = [this](unsigned n) {
            QMetaObject::invokeMethod(&context_, [this, n] { ended(n); }, Qt::QueuedConnection);
        };
    }
    // No notice can be on its way once the device is closed; one already queued dies
    // with context_.
    ~QtDevicePlayer() override { device_.close(); }

    bool open(const QString& fileOrDrive) override {
        watchSoundOutput();
        return device_.open(fileOrDrive.toStdString());
    }
    bool play() override {
        watchSoundOutput();
        return device_.play();
    }
    void pause() override { device_.pause(); }
    void stop() override { device_.stop(); }
    void close() override { device_.close(); }
    void seekToStart() override { device_.seekToStart(); }
    std::optional<QString> mediaIdentity() override {
        if constexpr (requires { device_.identity(); }) {
            if (auto id = device_.identity()) return QString::fromStdString(*id);
        }
        return std::nullopt;
    }
    QString errorText() const override { return QString::fromStdString(device_.error()); }
    QString missingPackage() const override {
        if constexpr (requires { device_.lacksSoundFont(); }) {
            if (device_.lacksSoundFont()) return QString::fromLatin1(qor::audio::kSoundFontPackage);
        }
        return {};
    }

private:
    void ended(unsigned playNumber) {
        // A notice of a play that was stopped or restarted since is out of date.
        if (playNumber != device_.playNumber() || !device_.playing()) return;
        // The play is over: what still rings stops with it, as a sequencer's would.
        device_.stop();
        notifyEnd();
    }

    QObject context_;
    Device device_;
};

using QtMidiPlayer = QtDevicePlayer<qor::MidiPlayer>;
using QtCdPlayer = QtDevicePlayer<qor::CdPlayer>;

} // namespace ui
