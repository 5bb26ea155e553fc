#pragma once
// One conversion between two encodings with iconv, the one mechanism behind the CP932
// helpers and the decoding of word lists from other programs.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

// What a conversion does with input it cannot convert.
struct IconvBadInput {
    // Stop at the first such input: the result is nullopt.
    static IconvBadInput stop() { return {true, {}, 1}; }
    // Put `replacement` in its place and skip one unit of `unit` bytes.
    static IconvBadInput replace(std::string_view replacement, std::size_t unit = 1) {
        return {false, replacement, unit};
    }

    bool stops;
    std::string_view replacement;
    std::size_t unit;
};

// Converts `in` from `from` to `to`. Throws std::runtime_error when this system's iconv
// lacks one of the encodings: the program cannot read its files without it.
std::optional<std::string> iconvConvert(const char* to, const char* from, std::string_view in,
                                        const IconvBadInput& bad);

} // namespace qor
