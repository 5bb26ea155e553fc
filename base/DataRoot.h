#pragma once
// The data root: the writable folder that plays the part of the program's own folder.
// It holds User.ini, the default dictionaries and sounds, the help, and one folder per
// user. Chosen by --home DIR, else $QORHELPER_HOME, else $XDG_DATA_HOME/qor-helper,
// else ~/.local/share/qor-helper.

#include "FileStatus.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct Environment {
    std::optional<std::string> qorHelperHome;  // $QORHELPER_HOME
    std::optional<std::string> xdgDataHome;    // $XDG_DATA_HOME
    std::optional<std::string> home;           // $HOME
    static Environment current();
};

// The native (file system) path of the data root, without trailing "/".
// args are the program's arguments without the program name.
std::string chooseDataRoot(const std::vector<std::string>& args, const Environment& env);

// The arguments left after removing "--home DIR" / "--home=DIR".
std::vector<std::string> argsWithoutHome(const std::vector<std::string>& args);

// Copies every file below `from` into `to` where it is missing; files already there are
// never touched, so the learner's own edits survive. Both are native paths.
FileStatus installMissing(const std::string& from, const std::string& to);

} // namespace qor
