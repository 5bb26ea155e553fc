#pragma once
// The limits of a word list from another program, and its UTF-8 texts as the learner sees
// them: what is no text at all, control characters, and texts cut for a window or a box.
//
// The limits keep a hostile or broken file from freezing the program. 50 MiB hold about a
// million entries of the usual length, far more than any vocabulary list, and a drill
// reads its dictionary whole at every question; no word entry comes near 64 KiB, while a
// file that is one huge line would otherwise go whole into the column choice and the
// preview.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

// The largest file the import reads, in bytes (50 MiB).
inline constexpr std::size_t kMostWordListBytes = 50u << 20;
// The longest entry, in bytes of UTF-8: a longer line (or record) is left out and named.
inline constexpr std::size_t kMostEntryBytes = 64u << 10;
// The most columns read; the fields after them are passed over.
inline constexpr std::size_t kMostColumns = 100;

// Why a file of that many bytes is not read (a Japanese sentence, UTF-8): more than
// kMostWordListBytes. Empty when it may be read.
std::string sizeRefusal(std::uintmax_t bytes);

// Why the decoded text of a file is no word list (a Japanese sentence, UTF-8), empty when
// it may be one: a NUL character (which no text file holds, outside UTF-16 whose NUL
// bytes are part of its characters), or more than one character in twenty a control
// character, as in a program or an image.
std::string notTextReason(std::string_view utf8);

// The first control character of UTF-8 text other than tab and the line breaks (C0,
// DEL and C1), nullopt when there is none.
std::optional<char32_t> firstControlCharacter(std::string_view utf8);
// "U+0007": how a character that cannot be shown is named.
std::string codePointName(char32_t c);

// The longest start of UTF-8 text that has at most `bytes` bytes and ends where a
// character ends.
std::string_view utf8Prefix(std::string_view utf8, std::size_t bytes);

// The text as a window or a box shows it: at most `characters` characters, "…" at the end
// when it was cut; control characters drawn as their pictures ("␇"), so that none reaches
// a label or a box.
std::string shownText(std::string_view utf8, std::size_t characters);

} // namespace qor
