#include "settings/DefaultDictionaries.h"

#include "base/IniFile.h"
#include "base/TextFile.h"

namespace qor {

namespace {

using Field = std::string TUserSettings::*;

struct Keys {
    const char* pathKey;
    Field path;
    const char* captionKey;
    Field caption;
};

constexpr Keys kRows[kDefaultDictionaries] = {
    {"defDicType", &TUserSettings::defDicType, "defDicCaption", &TUserSettings::defDicCaption},
    {"defDicType_1", &TUserSettings::defDicType_1, "defDicCaption_1",
     &TUserSettings::defDicCaption_1},
    {"defDicType_2", &TUserSettings::defDicType_2, "defDicCaption_2",
     &TUserSettings::defDicCaption_2},
    {"defDicType_3", &TUserSettings::defDicType_3, "defDicCaption_3",
     &TUserSettings::defDicCaption_3},
};

} // namespace

DefaultDictionarySet defaultDictionaries(const TUserSettings& s) {
    DefaultDictionarySet set;
    for (int i = 0; i < kDefaultDictionaries; ++i)
        set[static_cast<std::size_t>(i)] = {s.*kRows[i].path, s.*kRows[i].caption};
    return set;
}

void setDefaultDictionaries(TUserSettings& s, const DefaultDictionarySet& set) {
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        s.*kRows[i].path = set[static_cast<std::size_t>(i)].path;
        s.*kRows[i].caption = set[static_cast<std::size_t>(i)].caption;
    }
}

FileStatus saveDefaultDictionaries(const TUserSettings& s) {
    IniFile ini(s.setupIniPath());
    const char* section = "Default Dictionary Type";
    for (const Keys& row : kRows) {
        ini.write(section, row.pathKey, s.*row.path);
        ini.write(section, row.captionKey, s.*row.caption);
    }
    return ini.save();
}

DefaultDictionaryProblem checkDefaultDictionaries(const DefaultDictionarySet& set) {
    for (const DefaultDictionary& d : set) {
        if (d.path.empty())
            return DefaultDictionaryProblem::MissingPath;
    }
    for (const DefaultDictionary& d : set) {
        if (d.caption.empty())
            return DefaultDictionaryProblem::MissingCaption;
    }
    return DefaultDictionaryProblem::None;
}

int defaultDictionaryWithFileName(const TUserSettings& s, std::string_view fileName) {
    if (fileName.empty())
        return -1;
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        if (fileNameOf(s.*kRows[i].path) == fileName)
            return i;
    }
    return -1;
}

} // namespace qor
