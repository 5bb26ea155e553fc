#pragma once
// Shift-JIS (code page 932) text helpers. Model text is CP932 bytes; byte positions
// and lengths are what the program counts, and a search never matches inside a
// double-byte character (a trail byte may equal '\\', '=' is never one, but letters are).

#include <array>
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

// Seven characters that CP932 has no code for, but whose CP932 look-alike is what a
// learner means: an input method types "〜" (U+301C) for the wave dash that CP932 holds as
// "～" (U+FF5E), and word lists hold "−", "—", "‖", "¢", "£", "¬" where Japanese text
// has "－", "―", "∥", "￠", "￡", "￢". Both UTF-8.
struct Cp932LookAlike {
    std::string_view typed;
    std::string_view written;
};
inline constexpr std::array<Cp932LookAlike, 7> kCp932LookAlikes = {{
    {"〜", "～"},  // U+301C -> U+FF5E
    {"−", "－"},  // U+2212 -> U+FF0D
    {"—", "―"},  // U+2014 -> U+2015
    {"‖", "∥"},  // U+2016 -> U+2225
    {"¢", "￠"},  // U+00A2 -> U+FFE0
    {"£", "￡"},  // U+00A3 -> U+FFE1
    {"¬", "￢"},  // U+00AC -> U+FFE2
}};

// The UTF-8 text with each of those seven characters replaced by its look-alike: the
// text as CP932 will hold it.
std::string withCp932LookAlikes(std::string_view utf8);
// Whether the text holds one of them.
bool holdsCp932LookAlike(std::string_view utf8);

// UTF-8 -> CP932, for text. nullopt when some character has no exact CP932 form, one that
// comes back the same from CP932 (emoji, characters outside JIS, and "¥" and "‾", which
// iconv would write as "\" and "~"); the seven look-alikes above are the only characters
// written as another. Never substitutes "?".
std::optional<std::string> toCp932(std::string_view utf8);

// The same without the look-alikes: nullopt unless every character comes back the same.
// For names that must stay what they are, such as file paths.
std::optional<std::string> toCp932Exact(std::string_view utf8);

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
