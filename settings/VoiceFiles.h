#pragma once
// The voice tab's files: the pronunciation files of a folder ("*.wav") with their
// rename, and the test of a chosen companion program. Paths and names are CP932.

#include "base/FileStatus.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The companion program's executable: "vexa" as built here, or "vexa.exe" as the
// settings of older installations name it.
bool isCompanionFileName(std::string_view fileName);
// An existing file of that name.
bool isCompanionProgram(std::string_view path);

// The names (no folder) of the ".wav" files of a folder, any letter case of the
// extension, sorted by name; files whose names CP932 cannot hold are left out.
// nullopt when the folder cannot be listed.
std::optional<std::vector<std::string>> listWaveFiles(const std::string& folder);

// "変更 (&C)": gives folder + oldName the name newName in the same folder. A name with a
// "/" (another folder) or an empty one is refused, and so is the name of a file that
// exists already: it would be lost.
FileStatus renameVoiceFile(const std::string& folder, const std::string& oldName,
                           const std::string& newName);

} // namespace qor
