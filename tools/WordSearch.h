#pragma once
// The word search: every line of one dictionary file that holds a typed text, as rows
// of English, Japanese and comment in file order. The text matches anywhere in the line
// (English, Japanese, comment, even the separators), case-sensitively, and never across
// a character boundary of a double-byte character.

#include "base/FileStatus.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct FoundWord {
    std::string english;
    std::string japanese;
    std::string comment;

    // The dictionary line the row stands for: English=Japanese*comment.
    std::string dictionaryLine() const;
};

// How often a search reports its progress at most, besides the start: a gauge moved once
// per line would cost more than the search itself.
inline constexpr std::size_t kSearchProgressSteps = 32;

// Called with done == 0 once the file has been read (total is its number of lines), then
// at most kSearchProgressSteps more times, the last time with done == total.
using SearchProgress = std::function<void(std::size_t done, std::size_t total)>;

struct WordSearchResult {
    std::vector<FoundWord> words;
    std::size_t lines = 0;  // lines examined
    FileStatus status;      // the dictionary could not be read (no rows then)
};

// byHead keeps only the lines that begin with the text (entries whose English field
// begins with it). An empty text finds nothing.
WordSearchResult searchDictionary(std::string_view path, std::string_view text, bool byHead,
                                  const SearchProgress& progress = {});

// The two switches of the search window, section "Find" of Setup.ini: "AddDicOn" (offer
// to add a word that was not found) and "ByHead" (head-only search), each "0" or "1".
struct FindSwitches {
    bool addDicOn = false;
    bool byHead = false;
};
// A value other than "1" (a missing key included) is off.
FindSwitches loadFindSwitches(const std::string& setupIni);
FileStatus saveFindSwitches(const std::string& setupIni, const FindSwitches& switches);

} // namespace qor
