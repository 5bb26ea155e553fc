#pragma once
// The four default dictionaries that the dictionary windows offer under "単語の種類",
// each a dictionary path and the short caption shown for it. They are fields of
// TUserSettings and keys of section "Default Dictionary Type" of Setup.ini.

#include "base/FileStatus.h"
#include "settings/TUserSettings.h"

#include <array>
#include <string>
#include <string_view>

namespace qor {

constexpr int kDefaultDictionaries = 4;

struct DefaultDictionary {
    std::string path;
    std::string caption;
};

using DefaultDictionarySet = std::array<DefaultDictionary, kDefaultDictionaries>;

// The four entries of the group, in the order No.1 to No.4.
DefaultDictionarySet defaultDictionaries(const DefaultDictionaryTypes& types);
void setDefaultDictionaries(TUserSettings& s, const DefaultDictionarySet& set);

// The eight keys of "Default Dictionary Type" in the order path, caption, row by row.
FileStatus saveDefaultDictionaries(const TUserSettings& s);

// What keeps a set from being stored: a row without path, then a row without caption.
enum class DefaultDictionaryProblem { None, MissingPath, MissingCaption };
DefaultDictionaryProblem checkDefaultDictionaries(const DefaultDictionarySet& set);

// The entry whose dictionary has this file name (no folder), -1 when none has.
int defaultDictionaryWithFileName(const DefaultDictionaryTypes& types, std::string_view fileName);

} // namespace qor
