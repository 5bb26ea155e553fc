#pragma once
// The tabs "サウンド" (the three answer sounds, and the place of the music group) and
// "音声" (the voice function: its source, the folder of sound files with their file
// commands, the companion program) of the settings dialog.

#include "settings/SetupPage.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStackedWidget;
class QStringListModel;
class QVBoxLayout;

namespace ui {
class RadioGroup;
}

namespace qor {

class SetupHost;

class SetupSoundPage : public SetupPage {
    Q_OBJECT
public:
    SetupSoundPage(TUserSettings& settings, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

    // The three sounds: right answer, wrong answer, all right.
    enum Sound { Atari, Hazure, Finish };

    // The music group ("バックで曲を鳴らす (&B)" and its controls) goes into this empty
    // container (object name "musicGroupSlot").
    QWidget* musicSlot() const { return musicGroupSlot; }

public slots:
    void chkAtariOnClick() { soundBoxClick(Atari); }
    void chkHazureOnClick() { soundBoxClick(Hazure); }
    void chkFinishOnClick() { soundBoxClick(Finish); }
    void cmdTryAtariSoundFileClick() { trySound(Atari); }
    void cmdTryHazureSoundFileClick() { trySound(Hazure); }
    void cmdTryFinishSoundFileClick() { trySound(Finish); }
    void cmdSelectSoundFileClick(int sound);

private:
    void soundBoxClick(int sound);
    void trySound(int sound);
    std::string recordFile(int sound) const;

    struct SoundRow {
        QCheckBox* chkOn;
        QLineEdit* txtFile;
        QPushButton* cmdSelect; // "参照"
        QPushButton* cmdTry;    // "試聴"
    };
    std::array<SoundRow, 3> sounds;
    QWidget* musicGroupSlot;
};

class SetupVoicePage : public SetupPage {
    Q_OBJECT
public:
    SetupVoicePage(TUserSettings& settings, SetupHost& host, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

    // The names the list shows.
    QStringList voiceFiles() const;
    // After store(): the companion is the chosen source but no path is given.
    bool companionPathMissing() const { return companionMissing_; }

public slots:
    void chkVoiceOnClick();
    void rgVoiceTypeClick();
    void cmdSelectDirClick();
    void lstVoiceFileClick();
    void cmdPlayVoiceClick();
    void cmdNameChangeClick();
    void cmdDeleteVoiceClick();
    void cmdUpdateClick();
    void cmdSelectHearingClick();

private:
    // The list: the "*.wav" files of the folder field, or of the program folder when
    // that cannot be listed.
    void refreshList();
    // The folder field as a folder (ending in "/"), CP932; nullopt when it cannot be.
    std::optional<std::string> folder();
    std::string selectedFile() const;
    void enableFileCommands();
    // The companion path field after a test: found, or emptied with the red note.
    void showCompanion(const QString& path, bool found);
    void followSource();

    SetupHost& host_;
    QStringListModel* files_;
    bool companionMissing_ = false;
    std::string listedFolder_; // the folder whose files the list shows (CP932, with "/")

    ui::RadioGroup* rgVoiceType; // "音声ファイル (&F)", "ヴェクサ (&H)"
    QStackedWidget* pnlVoice; // the voice group: one page per source
    QCheckBox* chkVoiceOn;
    QCheckBox* chkAutoVoiceOn;
    QGroupBox* gbVoiceFile;
    QLineEdit* txtHatsuonDir;
    QPushButton* cmdSelectDir;
    QListView* lstVoiceFile;
    QPushButton* cmdPlayVoice;
    QPushButton* cmdNameChange;
    QPushButton* cmdDeleteVoice;
    QPushButton* cmdUpdate;
    QGroupBox* gbCompanion;
    QLineEdit* txtHearingPath;
    QPushButton* cmdSelectHearing;
    QLabel* lblNoCompanion;
};

} // namespace qor
