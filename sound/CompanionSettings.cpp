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

ScreenPoint companionTopLeft(CompanionCorner corner, int width, int height, ScreenRect room) {
    const int right = room.left + room.width;    // one past the free area
    const int bottom = room.top + room.height;
    auto within = [](int v, int low, int high) { return std::max(low, std::min(v, high)); };
    const int x = within(corner.right - width, room.left, right - width);
    const int y = within(corner.bottom - height, room.top, bottom - height);
    if (corner.right + width <= right && corner.right >= room.left)
        return {corner.right, y};
    if (corner.bottom + height <= bottom && corner.bottom >= room.top)
        return {x, corner.bottom};
    return {within(corner.right, room.left, right - width), y};
}

} // namespace qor
