#pragma once
// The companion's settings file: where it places itself. The program writes the main
// window's bottom-right corner there; the companion reads it when it starts.
//
// The file lives in the data folder, not beside the companion's executable: an installed
// program's folder is not the learner's to write.

#include "base/FileStatus.h"

#include <optional>
#include <string>

namespace qor {

// <data root>/vexa/Setup.ini; programFolder ends with "/".
std::string companionSettingsPath(const std::string& programFolder);

// Section "Setup", keys "left" and "top": the corner the companion's bottom-right corner
// goes to. The folder of the file is made when missing.
FileStatus writeCompanionCorner(const std::string& settingsPath, int right, int bottom);

struct CompanionCorner {
    int right = 0;
    int bottom = 0;
};
// nullopt when the file, a key, or a number is missing.
std::optional<CompanionCorner> readCompanionCorner(const std::string& settingsPath);

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Where the companion's window (width x height) goes for the main window's corner on a
// screen whose free area is `room`: beside the frame, its bottom level with the frame's
// bottom; where the screen has no room beside it, below the frame, its right edge level
// with the frame's; where there is room for neither (a maximized window), in the screen's
// bottom-right corner. Never over the frame while the screen has room outside it, and
// always on the screen.
ScreenPoint companionTopLeft(CompanionCorner corner, int width, int height, ScreenRect room);

} // namespace qor
