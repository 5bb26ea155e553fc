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

namespace {

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// iconv's CP932 maps some characters it lacks to a near one ("¥" to "\", "‾" to "~") and
// drops others (the tag characters): a conversion is only taken when it comes back whole.
std::optional<std::string> exactly(std::string_view utf8) {
    auto converted = iconvConvert("CP932", "UTF-8", utf8, IconvBadInput::stop());
    if (!converted || toUtf8(*converted) != utf8)
        return std::nullopt;
    return converted;
}

// The look-alike whose typed form starts at pos, nullptr when none does.
const Cp932LookAlike* lookAlikeAt(std::string_view utf8, std::size_t pos) {
    // All seven start C2 A2/A3/AC, E2 80/88 or E3 80: most text is passed over at once.
    const unsigned char c = static_cast<unsigned char>(utf8[pos]);
    if (pos + 1 >= utf8.size() || (c != 0xC2 && c != 0xE2 && c != 0xE3))
        return nullptr;
    const unsigned char next = static_cast<unsigned char>(utf8[pos + 1]);
    if (c == 0xC2 ? next < 0xA2 : (next != 0x80 && next != 0x88))
        return nullptr;
    for (const Cp932LookAlike& l : kCp932LookAlikes)
        if (utf8.compare(pos, l.typed.size(), l.typed) == 0)
            return &l;
    return nullptr;
}

std::size_t firstLookAlike(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size(); ++pos)
        if (lookAlikeAt(utf8, pos))
            return pos;
    return std::string_view::npos;
}

} // namespace

std::string withCp932LookAlikes(std::string_view utf8) {
    std::size_t pos = firstLookAlike(utf8);
    std::string out(utf8.substr(0, pos));
    while (pos < utf8.size()) {
        if (const Cp932LookAlike* l = lookAlikeAt(utf8, pos)) {
            out.append(l->written);
            pos += l->typed.size();
        } else {
            out.push_back(utf8[pos++]);
        }
    }
    return out;
}

bool holdsCp932LookAlike(std::string_view utf8) {
    return firstLookAlike(utf8) != std::string_view::npos;
}

std::optional<std::string> toCp932(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);  // ASCII is the same in CP932
    if (!holdsCp932LookAlike(utf8))
        return exactly(utf8);
    return exactly(withCp932LookAlikes(utf8));
}

std::optional<std::string> toCp932Exact(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    return exactly(utf8);
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
