#pragma once
// The dictionary maker's rules: the five sign rows and the notes and report of one add
// (the entry and its duplicate check are tools/EntryAddition's). All texts are CP932.

#include "base/FileStatus.h"
#include "tools/EntryAddition.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

constexpr int kSignRows = 5;

// The English text cut at each ",": pieces 1 to 5 for the sign tab's word fields, empty
// where there are fewer, pieces after the fifth dropped.
std::array<std::string, kSignRows> signTabWords(std::string_view english);

struct SignRowInput {
    std::string word;
    std::string sign; // the sign field's text; only its first line counts
};

struct SignStep {
    // One note per row: "\"<word>\"は、追加しました", "\"<word>\"は、すでに登録済みでした",
    // or empty for a row without a sign line.
    std::array<std::string, kSignRows> notes;
    bool anyLine = false; // at least one row made a sign line
    FileStatus status;    // the sign file could not be read or appended to
};

// Makes the sign lines of the rows and appends those the file does not hold yet. A
// file that is not needed (no row made a line) is not read.
SignStep addSignRows(std::string_view signFilePath,
                     const std::array<SignRowInput, kSignRows>& rows);

// The "追加完了" box of one add; nullopt when there is none (the word was refused and no
// sign line was made). signOnly is the "このタブのデータのみ追加する" switch.
std::optional<std::string> makerReport(bool signOnly, bool wordAdded, std::string_view english,
                                       const SignStep& signs);

} // namespace qor
