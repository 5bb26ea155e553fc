#pragma once
// One conversion between two encodings with iconv, the one mechanism behind the CP932
// helpers and the decoding of word lists from other programs.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

struct IconvBadInput {
    // Stop at the first input that cannot be converted (the result is nullopt) ...
    bool stop = false;
    // ... or put this in its place and skip one unit of that many bytes.
    std::string_view replacement;
    std::size_t unit = 1;
};

// Converts `in` from `from` to `to`. Throws std::runtime_error when this system's iconv
// lacks one of the encodings: the program cannot read its files without it.
std::optional<std::string> iconvConvert(const char* to, const char* from, std::string_view in,
                                        const IconvBadInput& bad);

} // namespace qor
