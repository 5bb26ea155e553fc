#pragma once
// The music controls of the settings dialog on their own: a user folder, the main
// window's players (BackgroundMusic) and the group, with the scripted platform.

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "settings/TUserSettings.h"
#include "sound/BackgroundMusic.h"
#include "sound/MusicGroup.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace qor::test {

class MusicFixture : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPlatform platform;
    TUserSettings settings;
    std::unique_ptr<BackgroundMusic> music;
    std::unique_ptr<MusicGroup> group;

    void SetUp() override {
        settings.ProgramFolder = dir.folder();
        settings.UserName = "Taro";
        makeFolder(dir.file("Taro"));
    }
    void TearDown() override {
        group.reset();
        music.reset();
    }
    // Setup.ini of Taro holds these lines.
    void setupIni(std::string_view text) { spit(settings.setupIniPath(), text); }
    void make() {
        music = std::make_unique<BackgroundMusic>(settings.music);
        group = std::make_unique<MusicGroup>(*music, currentUserFiles(settings));
        group->show();
    }

    template <class T>
    T* find(const char* name) const {
        T* w = group->findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QCheckBox* chkMusicOn() const { return find<QCheckBox>("chkMusicOn"); }
    QRadioButton* rbMidi() const { return find<QRadioButton>("rbMidi"); }
    QRadioButton* rbCd() const { return find<QRadioButton>("rbCd"); }
    QPushButton* cmdOption() const { return find<QPushButton>("cmdOption"); }
    QPushButton* cmdPlay() const { return find<QPushButton>("cmdPlay"); }
    QPushButton* cmdStop() const { return find<QPushButton>("cmdStop"); }
    QAction* cmdCDDrive() const { return find<QAction>("cmdCDDrive"); }
    QLineEdit* txtMidiFile() const { return find<QLineEdit>("txtMidiFile"); }
    QLineEdit* txtCDTitle() const { return find<QLineEdit>("txtCDTitle"); }
    QLineEdit* txtCDArtist() const { return find<QLineEdit>("txtCDArtist"); }
    QWidget* pnlMusic() const { return find<QWidget>("pnlMusic"); }

    ScriptedMediaPlayer& midi() const { return *platform.players(ui::MediaKind::Midi).back(); }
    ScriptedMediaPlayer& cd() const { return *platform.players(ui::MediaKind::AudioCd).back(); }

    static QString q(std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
};

} // namespace qor::test
