#pragma once
// Lists in a message box (model text, CP932). A box names at most ten items, each cut to
// what fits a line or two, and says how many more there are: no list of bad settings,
// files, missed words or schedule entries can make a box taller than the screen, however
// long the list or its items.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr std::size_t kBoxListItems = 10;
inline constexpr std::size_t kBoxItemBytes = 100;

// The text as one line of a box: line breaks become spaces, and a text longer than
// maxBytes is cut to fewer bytes with "…" at the end (a double-byte character is never
// split, and the result with its "…" holds at most maxBytes bytes).
std::string boxItem(std::string_view cp932, std::size_t maxBytes = kBoxItemBytes);

// The items, one a line (each as boxItem), the first maxItems of them, then a line
// "ほか N 件" for the rest. No line break after the last line.
std::string boxList(const std::vector<std::string>& items, std::size_t maxItems = kBoxListItems,
                    std::size_t maxBytes = kBoxItemBytes);

} // namespace qor
