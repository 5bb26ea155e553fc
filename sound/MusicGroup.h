#pragma once
// The background music controls of the settings dialog's "サウンド" tab: the switch
// "バックで曲を鳴らす (&B)", the source (MIDI file or audio CD), the file or the disc's
// title, the option button, "&PLAY", "&STOP" and the pop-up "ドライブの変更 (&D)".
// The players are the main window's (BackgroundMusic); what is done here acts at once
// and stays when the dialog is cancelled.

#include "settings/UserFiles.h"

#include <QGroupBox>
#include <string>

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QTimer;
class QToolButton;

namespace qor {

class BackgroundMusic;
struct MusicState;

class MusicGroup : public QGroupBox {
    Q_OBJECT
public:
    // `user` gives the user's folder and Setup.ini, asked at each use: the settings
    // dialog is kept for the whole run. The music state it changes is the player's
    // (music.state()).
    MusicGroup(BackgroundMusic& music, CurrentUserFiles user, QWidget* parent = nullptr);
    ~MusicGroup() override;

    // The CD drive in use, the identity of its disc (empty without one).
    QString drive() const { return drive_; }
    const std::string& discIdentity() const { return identity_; }
    // How often the drive is looked at for a disc put in or taken out.
    static constexpr int kDeviceCheckMs = 1000;

public slots:
    void chkMusicOnClick();
    void rbMidiClick();
    void rbCdClick();
    void cmdOptionClick();
    void cmdPlayClick();
    void cmdStopClick();
    void cmdCDDriveClick();
    // A disc was put in or taken out of the drive.
    void DeviceChange();

private:
    void CDDriveCheck();
    void readDiscTitle();
    void showNoCd();
    void setDiscTexts(const QString& title, const QString& artist);
    void chooseMidiFile();
    void openNewCd();
    void clearSources();
    void stopMusicControls();
    void pollDrive();
    void showContextMenu(const QPoint& at);

    BackgroundMusic& music_;
    CurrentUserFiles user_;
    MusicState& state_;
    QString drive_;
    std::string identity_;
    bool medium_ = false;  // what the last look at the drive found

    QCheckBox* chkMusicOn = nullptr;
    QWidget* pnlMusic = nullptr;
    QButtonGroup* rgSource = nullptr;
    QRadioButton* rbMidi = nullptr;
    QRadioButton* rbCd = nullptr;
    QWidget* pnlMidi = nullptr;
    QLineEdit* txtMidiFile = nullptr;
    QWidget* pnlCd = nullptr;
    QLineEdit* txtCDTitle = nullptr;
    QLineEdit* txtCDArtist = nullptr;
    QPushButton* cmdOption = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdStop = nullptr;
    QToolButton* cmdDrive = nullptr;  // shows the pop-up menu where it can be seen
    QMenu* pmCD = nullptr;
    QAction* cmdCDDrive = nullptr;
    QTimer* tmrDevice = nullptr;
};

} // namespace qor
