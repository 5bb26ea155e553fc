#pragma once
// The pronunciation-sign file (setting "PhoneticSignFile"): one "English=sign" line per
// word, the sign text meant for the phonetic-sign font.

#include "base/FileStatus.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct PhoneticSign {
    bool found = false;
    std::string sign;   // the text after the "=" that follows the word
    FileStatus status;  // the file could not be read (missing included)
};

// The first line that begins with the word immediately followed by "=" ("run=..." is
// found for "run", not for "ru").
PhoneticSign findPhoneticSign(std::string_view path, std::string_view word);

// The sign line of one word: word + "=" + the first line of the sign text; empty when the
// word or that first line is empty (such a row adds nothing).
std::string phoneticSignLine(std::string_view word, std::string_view signText);

struct PhoneticSignAppend {
    // Per line given: the file held it already (letter case ignored), so it was not added.
    std::vector<bool> alreadyThere;
    // The file could not be read, or the append failed: then nothing was added.
    FileStatus status;
};

// Appends the lines the file does not hold yet. Each line is compared with the file as
// it was before this call, so a line given twice is added twice. All appends are one
// write: a failure adds none of them.
PhoneticSignAppend appendPhoneticSigns(std::string_view path, const std::vector<std::string>& lines);

} // namespace qor
