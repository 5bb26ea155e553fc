#pragma once
// The companion program of the main window: where it is told to sit (next to the
// window's corner), starting it when the voice settings ask for it, following the window
// as it moves, and asking it to end.

#include "settings/TUserSettings.h"

#include <memory>
#include <string>

class QProcess;
class QWidget;

namespace ui {
class Companion;
}

namespace qor {

class CompanionFollower;
class SettingsNotifier;

class MainCompanion {
public:
    // `dataFolder` holds the companion's settings file.
    MainCompanion(QWidget& window, const SoundSettings& sound, std::string dataFolder);
    ~MainCompanion();

    // Writes the window's corner for the companion to sit by.
    void writeSettings();
    // Starts it when the voice settings ask for it and none runs yet.
    void start();
    // Asks the started one to end.
    void end();
    // After the settings dialog: started, restarted or ended as the settings now say.
    void settingsChanged();
    // Calls settingsChanged when the sound group changed.
    void followSettings(SettingsNotifier& notifier);

    // The started companion, nullptr when none runs.
    QProcess* process() const;
    ui::Companion* companion() const { return companion_.get(); }

private:
    QWidget& window_;
    const SoundSettings& sound_;
    std::string dataFolder_;
    std::unique_ptr<ui::Companion> companion_;
    std::unique_ptr<CompanionFollower> follower_;
};

} // namespace qor
