#pragma once
// What the main window keeps in Setup.ini between runs: its placement, the toolbars'
// visibility, the question toolbar's choices and the data bars; and the texts it shows
// in its title bar and first status panel.

#include "base/Clock.h"
#include "base/FileStatus.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

class IniFile;

// Where and how big the window opens.
struct Placement {
    bool maximized = false;
    std::optional<int> left; // set only when the position is restored
    std::optional<int> top;
    int width = 604;
    int height = 441;
};

// Reads "SavePosition" and "SaveSize" of [Setup] (default "0" here) and the window's
// bounds of [Form Information]. Values that are not numbers take their defaults and
// are listed in `bad`.
Placement readPlacement(IniFile& setupIni, std::vector<BadSetting>& bad);

// Visibility of the toolbars, the right command panel and the status bar.
struct ViewVisibility {
    bool standardToolBar = true;
    bool fileToolBar = true;
    bool questionSetupToolBar = false;
    bool rightCommandButton = true;
    bool statusBar = true;
};

// Section [Toolbar]: each value other than 0 means visible.
ViewVisibility readToolbarSection(IniFile& setupIni, std::vector<BadSetting>& bad);

// Everything the closing of the main window writes to Setup.ini.
struct ClosingState {
    // [QuestionSetup]
    int answerType = 0;
    int questionType = 0;
    std::string questionNum = "10"; // as typed
    std::string dicFilePath;        // the dictionary in use
    // [Toolbar], whatever "SaveToolBar" says
    ViewVisibility views;
    // [Form Information]
    bool maximized = false;
    int height = 441;
    int width = 604;
    int top = 0;
    int left = 0;
    // [Data Bar]
    int showQuestionNum = 1;
    int showAtariNum = 1;
    int showHazureNum = 0;
    int showPercent = 1;
    int showTime = 1;
};

// Writes the four sections in one go.
FileStatus saveClosingState(const std::string& setupIniPath, const ClosingState& state);

// The title bar: "Qor Helper" and three blanks, then the date and/or time as "ShowDate"
// and "DateType" ask, then the user in 【】 (CP932).
std::string titleText(int showDate, int dateType, const DateTime& now, const std::string& userName);

} // namespace qor
