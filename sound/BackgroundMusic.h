#pragma once
// The main window's two players, mpMidi and mpCD, and the background music they play:
// the music loops while MusicOn and MusicPlaying are 1 and the main window is not
// closing. The players outlive the settings dialog's showing; they live as long as the
// main window.

#include "settings/TUserSettings.h"
#include "ui/MediaPlayer.h"

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace qor {

class BackgroundMusic : public QObject {
    Q_OBJECT
public:
    // The players come from the platform. `state` is the music group of the main
    // window's record, mutable: the player keeps MusicPlaying.
    explicit BackgroundMusic(MusicState& state);
    ~BackgroundMusic() override;

    ui::MediaPlayer& mpMidi() { return *mpMidi_; }
    ui::MediaPlayer& mpCD() { return *mpCD_; }
    MusicState& state() { return state_; }

    // Plays the MIDI file from its start / the disc in the drive; MusicPlaying := 1.
    // A player's failure is shown with its own text and false returned.
    bool playMidi(const QString& file);
    bool playCd(const QString& drive);
    // MusicPlaying := 0; the player of the current source pauses, stops and closes.
    void stop();
    // The main window closes: the closing flag first, so that no end notice starts the
    // music again, then the music stops.
    void closeForExit();
    bool closing() const { return closing_; }

    // The players' end notices: the same music again from its start.
    void mpMidiNotify();
    void mpCDNotify();

    // Where the player's failures are shown (the settings dialog while it is open).
    void setMessageParent(QWidget* parent) { messageParent_ = parent; }

signals:
    // The music stopped without "&STOP": a restart at the end of a play failed.
    void stoppedByItself();

private:
    bool start(ui::MediaPlayer& player, const QString& what);
    void report(ui::MediaPlayer& player);
    bool loops() const;

    MusicState& state_;
    std::unique_ptr<ui::MediaPlayer> mpMidi_;
    std::unique_ptr<ui::MediaPlayer> mpCD_;
    QString midiFile_;
    QString cdDrive_;
    QWidget* messageParent_ = nullptr;
    bool closing_ = false;
};

} // namespace qor
