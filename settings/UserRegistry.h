#pragma once
// User.ini in the program folder: the registered users, the last user, each user's
// launch counter, and whether the user selection opens at every start.

#include "base/FileStatus.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct StartupState {
    bool firstStart = true;      // "Boot" is 0: the program never closed normally before
    int showUser = 0;            // "ShowUser"
    std::string lastUser = " ";  // "UserName"
};

class UserRegistry {
public:
    // programFolder ends with "/".
    explicit UserRegistry(std::string programFolder);

    std::string iniPath() const { return programFolder_ + "User.ini"; }
    std::string userFolder(const std::string& name) const { return programFolder_ + name; }

    StartupState readStartup() const;
    // Registered names in registration order.
    std::vector<std::string> users() const;
    int launchCount(const std::string& name) const;

    // The direct path at start-up: the last user starts once more.
    FileStatus countLaunch(const std::string& name) const;
    // The selection dialog's OK: registers an unknown name (exact comparison), raises
    // its launch counter (a new user starts at 1) and creates its folder.
    FileStatus select(const std::string& name) const;
    // Registration from the settings dialog: a new user with counter 0 and a folder.
    FileStatus registerUser(const std::string& name) const;
    FileStatus setShowUser(int value) const;
    // At exit: "Boot" = "1" and the current user.
    FileStatus recordExit(const std::string& userName) const;

private:
    std::string programFolder_;
};

// Why a user name cannot be used, in CP932, or nullopt when it can. A name must be a
// single folder below the program folder and must not break User.ini: not empty, not
// "." or "..", no "/", "\\", control characters, "[", "]" or "=".
std::optional<std::string> userNameProblem(const std::string& name);

} // namespace qor
