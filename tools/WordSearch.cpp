#include "tools/WordSearch.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "words/Dictionary.h"
#include "words/WordEntry.h"

namespace qor {

std::string FoundWord::dictionaryLine() const {
    return english + "=" + japanese + "*" + comment;
}

WordSearchResult searchDictionary(std::string_view path, std::string_view text, bool byHead,
                                  const SearchProgress& progress) {
    DictionaryRead read = DictionaryRead::of(path);
    if (!read.status()) {
        WordSearchResult failed;
        failed.status = read.status();
        return failed;
    }
    WordSearchResult result;
    const std::size_t total = read.count();
    result.lines = total;
    if (progress)
        progress(0, total);
    std::size_t reported = 0;  // progress steps reported so far
    for (std::size_t i = 0; i < total; ++i) {
        const std::string_view line = *read.line(i);
        // qor::find starts only at character starts, so "a" never matches the trail
        // byte of a double-byte character, nor "\" the second byte of "ソ".
        std::size_t p = text.empty() ? std::string_view::npos : find(line, text);
        if (p != std::string_view::npos && (!byHead || p == 0)) {
            WordEntry e = splitEntry(line);
            result.words.push_back({std::move(e.english), std::move(e.japanese),
                                    std::move(e.comment)});
        }
        if (progress) {
            std::size_t step = (i + 1) * kSearchProgressSteps / total;
            if (step != reported) {
                reported = step;
                progress(i + 1, total);
            }
        }
    }
    return result;
}

FindSwitches loadFindSwitches(const std::string& setupIni) {
    IniFile ini(setupIni);
    FindSwitches switches;
    switches.addDicOn = ini.read("Find", "AddDicOn", "0") == "1";
    switches.byHead = ini.read("Find", "ByHead", "0") == "1";
    return switches;
}

FileStatus saveFindSwitches(const std::string& setupIni, const FindSwitches& switches) {
    IniFile ini(setupIni);
    ini.write("Find", "AddDicOn", switches.addDicOn ? "1" : "0");
    ini.write("Find", "ByHead", switches.byHead ? "1" : "0");
    return ini.save();
}

} // namespace qor
