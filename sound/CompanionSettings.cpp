#include "sound/CompanionSettings.h"

#include "base/IniFile.h"
#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>

namespace qor {

std::string companionSettingsPath(const std::string& programFolder) {
    return programFolder + "vexa/Setup.ini";
}

FileStatus writeCompanionCorner(const std::string& settingsPath, int right, int bottom) {
    std::string folder = folderOf(settingsPath);
    if (!folder.empty() && !folderExists(folder)) {
        errno = 0;
        if (!makeFolder(folder)) return FileStatus::fromErrno(folder, errno ? errno : EACCES);
    }
    IniFile ini(settingsPath);
    ini.write("Setup", "left", right);
    ini.write("Setup", "top", bottom);
    return ini.save();
}

std::optional<CompanionCorner> readCompanionCorner(const std::string& settingsPath) {
    IniFile ini(settingsPath);
    std::optional<long long> left = parseDecimal(ini.read("Setup", "left", ""));
    std::optional<long long> top = parseDecimal(ini.read("Setup", "top", ""));
    if (!left || !top) return std::nullopt;
    // A corner far off any screen is a hand-edited file; the caller keeps it on screen.
    auto clamp = [](long long v) { return static_cast<int>(std::max(-100000LL, std::min(v, 100000LL))); };
    return CompanionCorner{clamp(*left), clamp(*top)};
}

} // namespace qor
