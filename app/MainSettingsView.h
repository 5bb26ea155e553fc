#pragma once
// The settings record as the main window shows it: the placement at start, the look of
// the drill, the ticks of the data bar and toolbar toggles, the flat or raised buttons,
// one box for the values that were not numbers, and the state stored at closing. The
// first showing and the settings dialog's OK take the same steps, so that both agree:
// the view follows the settings notifier for the groups it shows.

#include "settings/SettingsGroups.h"
#include "settings/SettingsStore.h"

#include <string>
#include <vector>

namespace qor {

class TfrmMain;

class MainSettingsView {
public:
    explicit MainSettingsView(TfrmMain& main);

    // Size, position and maximized state from Setup.ini, kept within the screen.
    void placeWindow(std::vector<BadSetting>& bad);
    // Values that were not numbers took their defaults; one box names each key once.
    void reportBadSettings(const std::vector<BadSetting>& bad);
    void applyLook();
    void applyDataBars();
    // The toolbars, command buttons and status bar as stored, when they are stored.
    void applyToolBars(std::vector<BadSetting>& bad);
    void applyFlatButtons();
    // After the settings dialog's OK: the data bars (look), the flat buttons and the
    // title bar (window, user) and the vocabulary book menu (files) follow the record.
    void settingsChanged(SettingsGroups changed);
    // The views, the toolbar's choices and the placement into Setup.ini. `loadedCount`
    // stands in for a question count that Shift-JIS cannot hold.
    void storeClosingState(const std::string& loadedCount);

private:
    TfrmMain& main_;
};

} // namespace qor
