#pragma once
// The pronunciation-sign file (setting "PhoneticSignFile"): one "English=sign" line per
// word, the sign text meant for the phonetic-sign font.

#include "base/FileStatus.h"

#include <string>
#include <string_view>

namespace qor {

struct PhoneticSign {
    bool found = false;
    std::string sign;   // the text after the "=" that follows the word
    FileStatus status;  // the file could not be read (missing included)
};

// The first line that begins with the word immediately followed by "=" ("run=..." is
// found for "run", not for "ru").
PhoneticSign findPhoneticSign(std::string_view path, std::string_view word);

} // namespace qor
