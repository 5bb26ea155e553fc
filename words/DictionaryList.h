#pragma once
// Where the learner's dictionaries are remembered in Setup.ini:
//   [Dictionary Path]  one key per dictionary file name (with extension, no folder),
//                      whose value is the full path;
//   [Dictionary]       "DicNum" and the keys "1" .. DicNum, each a dictionary file name,
//                      the list offered in the dictionary combo boxes.

#include "base/FileStatus.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// False for a file name that cannot be a key of Setup.ini ("=" inside, "[" first,
// control characters): its path could not be found again under it.
bool isRememberableFileName(std::string_view fileName);

// The full path remembered for a dictionary file name; empty when none is. When
// Setup.ini exists but cannot be read, `status` (if given) says why.
std::string rememberedDictionaryPath(const std::string& setupIni, std::string_view fileName,
                                     FileStatus* status = nullptr);

// Remembers a dictionary's full path under its file name.
FileStatus rememberDictionaryPath(const std::string& setupIni, std::string_view path);

// The file names of keys "1" .. "DicNum" (a missing key gives an empty name).
std::vector<std::string> listedDictionaries(const std::string& setupIni);

// Adds the file name as key DicNum + 1 unless one of keys "1" .. DicNum already holds it.
FileStatus addListedDictionary(const std::string& setupIni, std::string_view fileName);

// Empties the list: "DicNum" = "0" and keys "1" .. the old count empty. The paths under
// "Dictionary Path" stay.
FileStatus clearListedDictionaries(const std::string& setupIni);

// Status panel 0: " 現在使用中の辞書 ： " + the dictionary in use, its full path or (when the
// window is not maximized) its file name.
std::string dictionaryPanelText(const std::string& dicInUse, bool fullPath);

} // namespace qor
