#include "sound/BackgroundMusic.h"

#include "ui/Platform.h"

namespace qor {

BackgroundMusic::BackgroundMusic(MusicState& state)
    : state_(state),
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
    state_.MusicPlaying = true;
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
    state_.MusicPlaying = false;
    ui::MediaPlayer& player = state_.MusicSource == 1 ? *mpCD_ : *mpMidi_;
    player.pause();
    player.stop();
    player.close();
}

void BackgroundMusic::closeForExit() {
    closing_ = true;
    if (state_.MusicOn && state_.MusicPlaying) stop();
}

bool BackgroundMusic::loops() const {
    return state_.MusicOn && !closing_ && state_.MusicPlaying;
}

void BackgroundMusic::mpMidiNotify() {
    if (!loops()) return;
    if (!start(*mpMidi_, midiFile_)) {
        state_.MusicPlaying = false;
        emit stoppedByItself();
    }
}

void BackgroundMusic::mpCDNotify() {
    if (!loops()) return;
    if (!start(*mpCD_, cdDrive_)) {
        state_.MusicPlaying = false;
        emit stoppedByItself();
    }
}

void BackgroundMusic::report(ui::MediaPlayer& player) {
    // The device's own text says what went wrong; the line before it says what failed.
    QString text = QStringLiteral("曲を再生できませんでした。\n") + player.errorText();
    // What is missing is the system's, and the learner is told what to install.
    if (const QString package = player.missingPackage(); !package.isEmpty())
        text = QStringLiteral("曲を再生できませんでした。\n"
                              "MIDIファイルの曲を鳴らす音色 (General MIDI のサウンドフォント) "
                              "がインストールされていません。\n"
                              "パッケージ「%1」をインストールしてください:\n\n"
                              "sudo apt install %1")
                   .arg(package);
    ui::platform().showNotice(messageParent_, text, QStringLiteral("エラー"), ui::kNoticeWarning);
}

} // namespace qor
