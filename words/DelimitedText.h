#pragma once
// Comma- and tab-separated text as spreadsheets and flash-card programs write it
// (RFC 4180): a field that starts with a double quote runs to the closing quote and may
// hold the separator, line breaks and doubled quotes (""); records end at CR LF, LF or a
// lone CR. The text is UTF-8 (or ASCII); the separators are single bytes that never occur
// inside a UTF-8 character.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct DelimitedRow {
    std::vector<std::string> fields;
    std::size_t line = 0;  // 1-based line of the file where the record starts
};

struct DelimitedText {
    std::vector<DelimitedRow> rows;  // blank lines give no row
    // Lines where a quoted field opens and is never closed. Rather than swallow the rest of
    // the file, such a field is read to the end of its line, its quote kept as text.
    std::vector<std::size_t> unclosedQuoteLines;
};

DelimitedText readDelimited(std::string_view text, char separator);

} // namespace qor
