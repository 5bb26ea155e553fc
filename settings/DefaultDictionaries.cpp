#include "settings/DefaultDictionaries.h"

#include "base/IniFile.h"
#include "base/TextFile.h"

namespace qor {

namespace {

using Field = std::string DefaultDictionaryTypes::*;

struct Keys {
    const char* pathKey;
    Field path;
    const char* captionKey;
    Field caption;
};

constexpr Keys kRows[kDefaultDictionaries] = {
    {"defDicType", &DefaultDictionaryTypes::defDicType, "defDicCaption", &DefaultDictionaryTypes::defDicCaption},
    {"defDicType_1", &DefaultDictionaryTypes::defDicType_1, "defDicCaption_1",
     &DefaultDictionaryTypes::defDicCaption_1},
    {"defDicType_2", &DefaultDictionaryTypes::defDicType_2, "defDicCaption_2",
     &DefaultDictionaryTypes::defDicCaption_2},
    {"defDicType_3", &DefaultDictionaryTypes::defDicType_3, "defDicCaption_3",
     &DefaultDictionaryTypes::defDicCaption_3},
};

} // namespace

DefaultDictionarySet defaultDictionaries(const DefaultDictionaryTypes& types) {
    DefaultDictionarySet set;
    for (int i = 0; i < kDefaultDictionaries; ++i)
        set[static_cast<std::size_t>(i)] = {types.*kRows[i].path, types.*kRows[i].caption};
    return set;
}

void setDefaultDictionaries(TUserSettings& s, const DefaultDictionarySet& set) {
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        s.dicTypes.*kRows[i].path = set[static_cast<std::size_t>(i)].path;
        s.dicTypes.*kRows[i].caption = set[static_cast<std::size_t>(i)].caption;
    }
}

FileStatus saveDefaultDictionaries(const TUserSettings& s) {
    IniFile ini(s.setupIniPath());
    const char* section = "Default Dictionary Type";
    for (const Keys& row : kRows) {
        ini.write(section, row.pathKey, s.dicTypes.*row.path);
        ini.write(section, row.captionKey, s.dicTypes.*row.caption);
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

int defaultDictionaryWithFileName(const DefaultDictionaryTypes& types, std::string_view fileName) {
    if (fileName.empty())
        return -1;
    for (int i = 0; i < kDefaultDictionaries; ++i) {
        if (fileNameOf(types.*kRows[i].path) == fileName)
            return i;
    }
    return -1;
}

} // namespace qor
