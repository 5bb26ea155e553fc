#include "Cp932.h"

#include "base/Iconv.h"

#include <stdexcept>

namespace qor {

std::size_t charLength(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[pos])) &&
        isTrailByte(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

std::optional<std::string> toCp932(std::string_view utf8) {
    return iconvConvert("CP932", "UTF-8", utf8, IconvBadInput::stop());
}

std::string toUtf8(std::string_view cp932) {
    return *iconvConvert("UTF-8", "CP932", cp932, IconvBadInput::replace("\xEF\xBF\xBD"));
}

std::string sj(std::string_view utf8Literal) {
    auto converted = toCp932(utf8Literal);
    if (!converted)
        throw std::logic_error("text has no CP932 form: " + std::string(utf8Literal));
    return *converted;
}

std::size_t find(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    // Walk character by character from the start so that `from` inside a character
    // is rounded up to the next character start.
    std::size_t pos = 0;
    while (pos < from && pos < text.size())
        pos += charLength(text, pos);
    for (; pos + needle.size() <= text.size(); pos += charLength(text, pos)) {
        if (text.compare(pos, needle.size(), needle) == 0)
            return pos;
    }
    return std::string_view::npos;
}

std::size_t find(std::string_view text, char c, std::size_t from) {
    return find(text, std::string_view(&c, 1), from);
}

bool contains(std::string_view text, std::string_view needle) {
    return find(text, needle) != std::string_view::npos;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    // Matching bytes are not enough: the prefix must also end where a character of the
    // text ends (its last byte may be the lead byte of a character of the text).
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    std::size_t pos = 0;
    while (pos < prefix.size())
        pos += charLength(text, pos);
    return pos == prefix.size();
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (std::size_t pos = 0; pos < out.size();) {
        std::size_t n = charLength(out, pos);
        if (n == 1 && out[pos] >= 'A' && out[pos] <= 'Z')
            out[pos] = static_cast<char>(out[pos] - 'A' + 'a');
        pos += n;
    }
    return out;
}

int compareNoCase(std::string_view a, std::string_view b) {
    std::string la = lowerAscii(a);
    std::string lb = lowerAscii(b);
    int c = la.compare(lb);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::size_t findLast(std::string_view text, char c) {
    std::size_t last = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += charLength(text, pos)) {
        if (text[pos] == c)
            last = pos;
    }
    return last;
}

} // namespace qor
