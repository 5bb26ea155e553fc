#include "words/ImportText.h"

#include <cstdio>

namespace qor {

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The control character at pos (C0 but tab and line breaks, DEL, C1) and its length in
// bytes; 0 when the character there is none.
std::size_t controlAt(std::string_view s, std::size_t pos, char32_t* c) {
    const unsigned char b = static_cast<unsigned char>(s[pos]);
    if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F) {
        *c = b;
        return 1;
    }
    // C1: U+0080 to U+009F, C2 80 to C2 9F.
    if (b == 0xC2 && pos + 1 < s.size()) {
        const unsigned char n = static_cast<unsigned char>(s[pos + 1]);
        if (n >= 0x80 && n <= 0x9F) {
            *c = n;
            return 2;
        }
    }
    return 0;
}

} // namespace

std::string sizeRefusal(std::uintmax_t bytes) {
    if (bytes <= kMostWordListBytes) return {};
    const std::uintmax_t mb = (bytes + (1u << 20) - 1) >> 20;
    return "ファイルが大きすぎます（" + std::to_string(mb) + " MB）。読み込めるのは " +
           std::to_string(kMostWordListBytes >> 20) + " MB までです";
}

std::string notTextReason(std::string_view utf8) {
    std::size_t characters = 0, controls = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        const unsigned char b = static_cast<unsigned char>(utf8[pos]);
        if (b == 0)
            return "テキストファイルではありません（文字ではないデータ NUL を含んでいます）";
        if (isContinuation(b)) continue;
        ++characters;
        char32_t c;
        if (controlAt(utf8, pos, &c)) ++controls;
    }
    if (controls * 20 > characters)
        return "テキストファイルではありません（" + std::to_string(characters) + " 文字のうち " +
               std::to_string(controls) + " 文字が制御文字です）";
    return {};
}

std::optional<char32_t> firstControlCharacter(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        char32_t c;
        if (controlAt(utf8, pos, &c)) return c;
    }
    return std::nullopt;
}

std::string codePointName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

std::string_view utf8Prefix(std::string_view utf8, std::size_t bytes) {
    if (bytes >= utf8.size()) return utf8;
    while (bytes > 0 && isContinuation(static_cast<unsigned char>(utf8[bytes]))) --bytes;
    return utf8.substr(0, bytes);
}

std::string shownText(std::string_view utf8, std::size_t characters) {
    std::string out;
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (count == characters) {
            out += "…";
            break;
        }
        char32_t c;
        if (std::size_t n = controlAt(utf8, pos, &c)) {
            // U+2400 + c for C0 ("␀" .. "␟"), U+2421 for DEL; C1 has no pictures.
            if (c < 0x20) out += "\xE2\x90" + std::string(1, static_cast<char>(0x80 + c));
            else if (c == 0x7F) out += "␡";
            else out += "\xEF\xBF\xBD";
            pos += n;
        } else {
            std::size_t end = pos + 1;
            while (end < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[end]))) ++end;
            out.append(utf8.substr(pos, end - pos));
            pos = end;
        }
        ++count;
    }
    return out;
}

} // namespace qor
