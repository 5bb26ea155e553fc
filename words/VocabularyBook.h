#pragma once
// The vocabulary book (setting "VocBook", in use while "VocBookOn" is 1): a file in the
// dictionary format to which words met in the drill are appended.

#include "base/FileStatus.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Appends one whole dictionary line ("単語帳に追加"). On failure nothing is written;
// the caller keeps its command enabled.
FileStatus appendToVocabularyBook(std::string_view path, std::string_view lineText);
// Appends several dictionary lines with one write, so that a failure leaves none of them.
FileStatus appendToVocabularyBook(std::string_view path, const std::vector<std::string>& lines);

// Deletes the book file without asking ("単語帳の削除"). A book that is already gone is
// no failure. The caller then turns the book off in the running program ("VocBookOn" 0,
// "VocBook" empty) and disables its commands.
FileStatus deleteVocabularyBook(std::string_view path);

} // namespace qor
