#pragma once
// Shift-JIS (code page 932) text helpers. Model text is CP932 bytes; byte positions
// and lengths are what the program counts, and a search never matches inside a
// double-byte character (a trail byte may equal '\\', '=' is never one, but letters are).

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// True for the first byte of a double-byte CP932 character.
constexpr bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// True for a byte that can follow a lead byte as the second byte of a character.
constexpr bool isTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Length in bytes (1 or 2) of the character starting at pos. A lead byte counts as a
// character of its own when no trail byte follows it (at the very end of the text, or
// before "=", "*", a line break ...), so broken text never swallows a separator. Every
// character walk of the program goes through this one rule.
std::size_t charLength(std::string_view text, std::size_t pos);

// UTF-8 -> CP932. nullopt when some character has no CP932 form (emoji, characters
// outside JIS); never substitutes "?".
std::optional<std::string> toCp932(std::string_view utf8);

// CP932 -> UTF-8 for the screen. Bytes that are not valid CP932 become U+FFFD.
std::string toUtf8(std::string_view cp932);

// A UTF-8 literal of the program's own texts, converted once where it enters model
// text or files. Throws std::logic_error for text that CP932 cannot hold: that is a
// programming mistake, not bad input.
std::string sj(std::string_view utf8Literal);

namespace literals {
inline std::string operator""_sj(const char* s, std::size_t n) { return sj({s, n}); }
} // namespace literals

// Lead-byte-aware search: only positions that start a character can match.
std::size_t find(std::string_view text, std::string_view needle, std::size_t from = 0);
std::size_t find(std::string_view text, char c, std::size_t from = 0);
bool contains(std::string_view text, std::string_view needle);
bool startsWith(std::string_view text, std::string_view prefix);

// ASCII letters to lower case; double-byte characters are left whole (their trail
// bytes may look like letters).
std::string lowerAscii(std::string_view text);

// Case-insensitive three-way comparison with ASCII letters folded, byte order
// otherwise; used for sorted lists of dictionary lines.
int compareNoCase(std::string_view a, std::string_view b);

// Position of the last single-byte character c, npos when there is none.
std::size_t findLast(std::string_view text, char c);

} // namespace qor
