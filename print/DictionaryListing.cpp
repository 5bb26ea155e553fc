#include "print/DictionaryListing.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "settings/SettingsStore.h"
#include "words/WordEntry.h"

#include <algorithm>

namespace qor {

namespace {
constexpr std::string_view kSection = "Print Dic";
} // namespace

PrintDicSettings PrintDicSettings::load(const std::string& setupIni) {
    PrintDicSettings s;
    IniFile ini(setupIni);
    s.CommentOn = ini.read(kSection, "CommentOn", "0") == "1";
    s.NumberOn = ini.read(kSection, "NumberOn", "0") == "1";
    std::vector<BadSetting> ignored;  // a "Tab" that is not a number takes its default
    s.Tab = readSettingNumber(ini, std::string(kSection), "Tab", "100", ignored);
    return s;
}

FileStatus PrintDicSettings::save(const std::string& setupIni) const {
    IniFile ini(setupIni);
    ini.write(kSection, "CommentOn", CommentOn ? "1" : "0");
    ini.write(kSection, "NumberOn", NumberOn ? "1" : "0");
    ini.write(kSection, "Tab", static_cast<long long>(Tab));
    return ini.save();
}

std::string listingLine(std::size_t index, std::string_view entryLine, bool numberOn,
                        bool commentOn) {
    static const std::string noComment = sj("コメントはありません");
    static const std::string colon = sj("：");
    WordEntry entry = splitEntry(entryLine);
    if (commentOn && entry.comment == noComment)
        entry.comment.clear();
    std::string line;
    if (numberOn)
        line = std::to_string(index + 1) + colon + "\t";
    line += entry.english + "\t" + entry.japanese + "\t" + entry.comment;
    return line;
}

Listing buildListing(const std::string& path, bool numberOn, bool commentOn,
                     const std::function<void(std::size_t)>& started,
                     const std::function<void(std::size_t)>& progress) {
    Listing listing;
    Lines read = readLines(path);
    listing.status = read.status;
    if (!read.status)
        return listing;
    if (started)
        started(read.lines.size());
    listing.lines.reserve(read.lines.size());
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        listing.lines.push_back(listingLine(i, read.lines[i], numberOn, commentOn));
        if (progress)
            progress(i);
    }
    return listing;
}

std::vector<double> listingTabStops(int tab, bool numberOn, double numberColumn) {
    const double t = tab;
    if (!numberOn)
        return {t, 2 * t};
    const double first = std::max(25.0, numberColumn);
    // A stop the number column passes keeps its distance to the one before.
    const double second = t > first ? t : first + t;
    const double third = 2 * t > second ? 2 * t : second + t;
    return {first, second, third};
}

} // namespace qor
