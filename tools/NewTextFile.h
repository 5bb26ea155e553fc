#pragma once
// The new text file: an empty "<name>.txt" made in a chosen folder, so that a new
// dictionary can be filled with the dictionary maker. A file of that name that is there
// already is never emptied.

#include "base/FileStatus.h"

#include <string>
#include <string_view>

namespace qor {

enum class NewTextOutcome {
    Created,
    EmptyName,     // nothing typed
    NameWithSlash, // "/" would put the file in another folder
    Exists,        // a file (or folder) of that name is there; nothing was written
    Failed,        // see status: no permission, a missing folder, a name too long ...
};

struct NewTextResult {
    NewTextOutcome outcome = NewTextOutcome::Failed;
    std::string path;     // folder + "/" + name + ".txt"
    std::string fileName; // name + ".txt"
    FileStatus status;
};

// folder: CP932, with or without a trailing "/". The name is used as typed, nothing
// trimmed, and always gets ".txt" added ("x.txt" gives "x.txt.txt").
NewTextResult createNewTextFile(std::string_view folder, std::string_view name);

} // namespace qor
