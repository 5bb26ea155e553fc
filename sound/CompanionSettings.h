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

} // namespace qor
