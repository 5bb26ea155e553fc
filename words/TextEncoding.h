#pragma once
// The encoding of a word list made by another program: UTF-8 with or without a byte order
// mark, UTF-16 with its mark (spreadsheets' "Unicode text"), or CP932. Text in hand is
// turned into UTF-8 here; whether CP932 can hold it is asked character by character.

#include <optional>
#include <string>
#include <string_view>

namespace qor {

enum class TextEncoding {
    Ascii,    // nothing but 7-bit bytes: the same text in every encoding here
    Utf8,
    Utf8Bom,  // UTF-8 after EF BB BF
    Utf16Le,  // after FF FE, or without it when the NUL bytes stand at odd positions
    Utf16Be,  // after FE FF, or without it when the NUL bytes stand at even positions
    Cp932,    // anything else: Shift-JIS, the program's own encoding
};

// True when every byte sequence is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// A byte order mark decides; else NUL bytes on one side of the byte pairs make UTF-16; else
// text that is valid UTF-8 and holds a non-ASCII byte is UTF-8 (Shift-JIS Japanese of any
// length practically never is); else pure ASCII; else CP932.
TextEncoding detectEncoding(std::string_view bytes);

// True for the encodings whose text the program cannot read as it stands.
bool isUnicode(TextEncoding encoding);

// The text as UTF-8, the byte order mark dropped. Bytes that are not valid in the given
// encoding become U+FFFD, which CP932 cannot hold, so the entries holding them are
// reported rather than written wrongly.
std::string decodeToUtf8(std::string_view bytes, TextEncoding encoding);
// The same without a copy where the bytes are UTF-8 already (ASCII, well-formed UTF-8): a
// view into `bytes` (the mark left out), else into `storage`, which gets the decoded text.
std::string_view utf8View(std::string_view bytes, TextEncoding encoding, std::string& storage);

// The first character of UTF-8 text that CP932 cannot hold (as UTF-8), nullopt when CP932
// holds it all.
std::optional<std::string> firstUnholdable(std::string_view utf8);

} // namespace qor
