// CP932 text both ways and the lead-byte-aware helpers on any bytes.

#include "base/Cp932.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <vector>

using namespace qor;

namespace {

// The character starts of a text, walked with the one rule of the program.
std::vector<std::size_t> starts(std::string_view text) {
    std::vector<std::size_t> out;
    for (std::size_t pos = 0; pos < text.size(); pos += charLength(text, pos))
        out.push_back(pos);
    return out;
}

bool isStart(const std::vector<std::size_t>& s, std::size_t pos) {
    return std::binary_search(s.begin(), s.end(), pos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::string needle = in.bytes(6);
    const std::string text(in.rest());
    const auto at = starts(text);

    for (std::size_t pos : at) {
        std::size_t n = charLength(text, pos);
        FUZZ_CHECK(n == 1 || n == 2);
        FUZZ_CHECK(pos + n <= text.size());
        // A separator or a line break is never the second byte of a character.
        if (n == 2)
            FUZZ_CHECK(std::string_view("=*,\r\n").find(text[pos + 1]) == std::string_view::npos);
    }

    // Every hit of the search starts a character and matches byte for byte; nothing that
    // starts a character and matches is skipped.
    std::size_t first = std::string::npos;
    for (std::size_t pos : at)
        if (pos + needle.size() <= text.size() && text.compare(pos, needle.size(), needle) == 0) {
            first = pos;
            break;
        }
    if (needle.empty())
        first = 0;
    FUZZ_CHECK(qor::find(text, needle) == first);
    if (first != std::string::npos && !needle.empty()) {
        std::size_t next = qor::find(text, needle, first + 1);
        FUZZ_CHECK(next == std::string::npos || (next > first && isStart(at, next)));
    }
    FUZZ_CHECK(contains(text, needle) == (first != std::string::npos));
    if (startsWith(text, needle))
        FUZZ_CHECK(qor::find(text, needle) == 0);

    // Lower case changes single-byte capitals only and keeps every character start.
    std::string lower = lowerAscii(text);
    FUZZ_CHECK(lower.size() == text.size());
    FUZZ_CHECK(starts(lower) == at);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (lower[i] != text[i])
            FUZZ_CHECK(text[i] >= 'A' && text[i] <= 'Z' && isStart(at, i) && charLength(text, i) == 1 &&
                       lower[i] == text[i] - 'A' + 'a');
    FUZZ_CHECK(lowerAscii(lower) == lower);
    FUZZ_CHECK(compareNoCase(text, needle) == -compareNoCase(needle, text));
    FUZZ_CHECK(compareNoCase(text, lower) == 0);

    std::size_t last = qor::findLast(text, '=');
    FUZZ_CHECK(last == std::string::npos || (text[last] == '=' && isStart(at, last)));

    // UTF-8 for the screen never fails; text that came from CP932 goes back unchanged.
    std::string utf8 = toUtf8(text);
    if (auto back = toCp932(utf8)) {
        std::string again = toUtf8(*back);
        FUZZ_CHECK(again == utf8);
    }
    // Text typed on the screen is taken or refused whole, never with a "?" put in, and
    // comes back as typed but for the seven look-alikes; exactly as typed without them.
    if (auto cp = toCp932(text)) {
        FUZZ_CHECK(std::count(cp->begin(), cp->end(), '?') == std::count(text.begin(), text.end(), '?'));
        FUZZ_CHECK(toUtf8(*cp) == withCp932LookAlikes(text));
    }
    if (auto exact = toCp932Exact(text))
        FUZZ_CHECK(toUtf8(*exact) == text);
    return 0;
}
