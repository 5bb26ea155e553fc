#include "sound/BackgroundMusic.h"

#include "ui/Platform.h"

namespace qor {

BackgroundMusic::BackgroundMusic(TUserSettings& settings)
    : settings_(settings),
      mpMidi_(ui::platform().createMediaPlayer(ui::MediaKind::Midi)),
      mpCD_(ui::platform().createMediaPlayer(ui::MediaKind::AudioCd)) {
    mpMidi_->setNotify([this] { mpMidiNotify(); });
    mpCD_->setNotify([this] { mpCDNotify(); });
}

BackgroundMusic::~BackgroundMusic() {
    closing_ = true;
    mpMidi_->close();
    mpCD_->close();
}

bool BackgroundMusic::start(ui::MediaPlayer& player, const QString& what) {
    if (!player.open(what)) {
        report(player);
        return false;
    }
    player.seekToStart();
    if (!player.play()) {
        report(player);
        player.close();
        return false;
    }
    settings_.MusicPlaying = 1;
    return true;
}

bool BackgroundMusic::playMidi(const QString& file) {
    midiFile_ = file;
    return start(*mpMidi_, file);
}

bool BackgroundMusic::playCd(const QString& drive) {
    cdDrive_ = drive;
    return start(*mpCD_, drive);
}

void BackgroundMusic::stop() {
    settings_.MusicPlaying = 0;
    ui::MediaPlayer& player = settings_.MusicSource == 1 ? *mpCD_ : *mpMidi_;
    player.pause();
    player.stop();
    player.close();
}

void BackgroundMusic::closeForExit() {
    closing_ = true;
    if (settings_.MusicOn == 1 && settings_.MusicPlaying == 1) stop();
}

bool BackgroundMusic::loops() const {
    return settings_.MusicOn == 1 && !closing_ && settings_.MusicPlaying == 1;
}

void BackgroundMusic::mpMidiNotify() {
    if (!loops()) return;
    if (!start(*mpMidi_, midiFile_)) {
        settings_.MusicPlaying = 0;
        emit stoppedByItself();
    }
}

void BackgroundMusic::mpCDNotify() {
    if (!loops()) return;
    if (!start(*mpCD_, cdDrive_)) {
        settings_.MusicPlaying = 0;
        emit stoppedByItself();
    }
}

void BackgroundMusic::report(ui::MediaPlayer& player) {
    // The device's own text says what went wrong; the line before it says what failed.
    ui::platform().showNotice(messageParent_,
                              QStringLiteral("曲を再生できませんでした。\n") + player.errorText(),
                              QStringLiteral("エラー"), ui::kNoticeWarning);
}

} // namespace qor
