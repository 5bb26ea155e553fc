#pragma once
// One dictionary line, "English=Japanese*comment", and the names derived from a
// dictionary. Everything works on CP932 bytes: a separator is only ever found at the
// start of a character, and nothing is trimmed.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct WordEntry {
    std::string english;   // up to the first "="; empty when the line has none
    std::string japanese;  // after it, up to the first "*" that follows
    std::string comment;   // the rest; the whole rest when it holds no "*"
};

// Only the first "=" and the first "*" after it split the line.
WordEntry splitEntry(std::string_view line);

// The most alternatives of one part that are used; further ones are ignored.
constexpr std::size_t kMaxAlternatives = 100;

// The comma-separated alternatives of an English or Japanese part, empty ones kept
// ("car," gives "car" and ""); a part without "," is one alternative.
std::vector<std::string> splitAlternatives(std::string_view part);

// The dictionary name: the file name without folder and without its last four
// characters ("/x/verbs.txt" gives "verbs"). It names the side and record files.
std::string dictionaryName(std::string_view pathOrFileName);

// English part + "_" + Japanese part: names a word in the record files.
std::string wordKey(std::string_view english, std::string_view japanese);

} // namespace qor
