#include "words/DictionaryList.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::string_view kPathSection = "Dictionary Path";
constexpr std::string_view kListSection = "Dictionary";

// The number of listed dictionaries. A "DicNum" that is not a number, or that points
// past the last numbered key (a hand-edited file), counts as the last numbered key, so
// that no entry is overwritten and no run of empty names is offered.
long long listedCount(IniFile& ini) {
    long long highest = 0;
    for (const std::string& key : ini.keys(kListSection)) {
        if (auto n = parseDecimal(key); n && *n > highest)
            highest = *n;
    }
    auto dicNum = parseDecimal(ini.read(kListSection, "DicNum", "0"));
    if (!dicNum || *dicNum < 0 || *dicNum > highest)
        return highest;
    return *dicNum;
}

} // namespace

bool isRememberableFileName(std::string_view fileName) {
    if (fileName.empty() || fileName.front() == '[')
        return false;
    for (unsigned char c : fileName) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    // "=" is never a trail byte, so a plain search is exact here.
    return fileName.find('=') == std::string_view::npos;
}

std::string rememberedDictionaryPath(const std::string& setupIni, std::string_view fileName,
                                     FileStatus* status) {
    IniFile ini(setupIni);
    std::string path = ini.read(kPathSection, fileName, "");
    if (status)
        *status = ini.readStatus();
    return path;
}

FileStatus rememberDictionaryPath(const std::string& setupIni, std::string_view path) {
    return IniFile::writeOne(setupIni, kPathSection, fileNameOf(path), path);
}

std::vector<std::string> listedDictionaries(const std::string& setupIni) {
    IniFile ini(setupIni);
    long long count = listedCount(ini);
    std::vector<std::string> names;
    for (long long i = 1; i <= count; ++i)
        names.push_back(ini.read(kListSection, std::to_string(i), ""));
    return names;
}

FileStatus addListedDictionary(const std::string& setupIni, std::string_view fileName) {
    IniFile ini(setupIni);
    long long count = listedCount(ini);
    for (long long i = 1; i <= count; ++i) {
        if (ini.read(kListSection, std::to_string(i), "0") == fileName)
            return {};
    }
    ini.write(kListSection, "DicNum", count + 1);
    ini.write(kListSection, std::to_string(count + 1), fileName);
    return ini.save();
}

FileStatus clearListedDictionaries(const std::string& setupIni) {
    IniFile ini(setupIni);
    // Every numbered key, also one past a "DicNum" edited by hand.
    long long count = listedCount(ini);
    for (const std::string& key : ini.keys(kListSection)) {
        if (auto n = parseDecimal(key); n && *n > count)
            count = *n;
    }
    ini.write(kListSection, "DicNum", "0");
    for (long long i = 1; i <= count; ++i)
        ini.write(kListSection, std::to_string(i), "");
    return ini.save();
}

std::string dictionaryPanelText(const std::string& dicInUse, bool fullPath) {
    return sj(" 現在使用中の辞書 ： ") + (fullPath ? dicInUse : fileNameOf(dicInUse));
}

} // namespace qor
