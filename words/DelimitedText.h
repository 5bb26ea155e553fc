#pragma once
// Comma- and tab-separated text as spreadsheets and flash-card programs write it
// (RFC 4180): a field that starts with a double quote runs to the closing quote and may
// hold the separator, line breaks and doubled quotes (""); records end at CR LF, LF or a
// lone CR. The text is UTF-8 (or ASCII); the separators are single bytes that never occur
// inside a UTF-8 character.

#include "words/FieldRows.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct DelimitedText {
    FieldRows rows;  // blank lines give no row; line numbers are 1-based
    // Lines where a quoted field opens and is never closed. Rather than swallow the rest of
    // the file, such a field is read to the end of its line, its quote kept as text.
    std::vector<std::size_t> unclosedQuoteLines;
    // Lines of records with more fields than the limit; the fields after it were dropped.
    std::vector<std::size_t> extraFieldLines;
};

// What one record may hold, so that a hostile file (one line of 50 MB, a line of nothing
// but commas) cannot take the memory: a record longer than `recordBytes` is kept cut (each
// field its first `cutFieldBytes` bytes and "…"), and fields after the first `fields` are
// passed over.
struct DelimitedLimits {
    std::size_t recordBytes = std::string::npos;
    std::size_t fields = std::string::npos;
    std::size_t cutFieldBytes = 256;
};

DelimitedText readDelimited(std::string_view text, char separator, DelimitedLimits limits = {});

// The first position at or after `from` that holds one of up to three bytes, at memchr's
// speed: each byte's next place is kept until the search passes it, so that a whole text
// is searched in linear time whichever bytes it lacks.
class NextByte {
public:
    NextByte(std::string_view text, std::initializer_list<char> bytes);
    std::size_t from(std::size_t pos);

private:
    std::string_view text_;
    char bytes_[3];
    std::size_t next_[3];
    std::size_t count_;
};

} // namespace qor
