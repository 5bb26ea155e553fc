#pragma once
// The learner's own files as a window sees them: the user's folder and the data folder,
// taken from the record when the window opens, so that a window that only reads or
// writes files needs neither the user's name nor the rest of the record.

#include "settings/TUserSettings.h"

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

} // namespace qor
