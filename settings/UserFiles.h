#pragma once
// The learner's own files as a window sees them: the user's folder and the data folder,
// taken from the record when the window opens, so that a window that only reads or
// writes files needs neither the user's name nor the rest of the record. A window that
// outlives a change of user (the main window's parts, the settings and question setup
// dialogs, kept for the whole run) takes CurrentUserFiles and asks at each use.

#include "settings/TUserSettings.h"

#include <functional>
#include <string>

namespace qor {

class UserFiles {
public:
    explicit UserFiles(const TUserSettings& settings)
        : dataFolder_(settings.ProgramFolder), folder_(settings.userFolder()) {}

    // The data root, with trailing "/".
    const std::string& dataFolder() const { return dataFolder_; }
    // The user's folder, without trailing "/".
    const std::string& folder() const { return folder_; }
    std::string file(const std::string& name) const { return folder_ + "/" + name; }
    std::string setupIni() const { return file("Setup.ini"); }

    bool operator==(const UserFiles&) const = default;

private:
    std::string dataFolder_;
    std::string folder_;
};

using CurrentUserFiles = std::function<UserFiles()>;

// The files of whoever is the record's user when asked.
inline CurrentUserFiles currentUserFiles(const TUserSettings& settings) {
    return [&settings] { return UserFiles(settings); };
}
// The files of one user, for a part that is also used where the user cannot change.
inline CurrentUserFiles fixedUserFiles(UserFiles user) {
    return [user = std::move(user)] { return user; };
}

} // namespace qor
