#pragma once
// Adding a word that the search did not find: the new entry appended to the searched
// dictionary, after a check for an entry of the same English, and optionally its
// pronunciation sign appended to the sign file. The window asks the learner between the
// steps; every step here reports whether it wrote.

#include "base/FileStatus.h"
#include "tools/EntryAddition.h"

#include <string>
#include <string_view>

namespace qor {

// What keeps typed parts from becoming an entry that reads back as typed.
enum class NewWordProblem {
    None,
    NoEnglish,
    NoJapanese,
    EqualsInEnglish,  // the first "=" ends the English part
    StarInJapanese,   // the first "*" after it ends the Japanese part
};
NewWordProblem checkNewWord(std::string_view english, std::string_view japanese);

// An English text holding "," names several forms of a word, which share no one sign.
bool takesPhoneticSign(std::string_view english);

enum class SignOutcome {
    NotTried,      // no sign to store
    AlreadyThere,  // the file holds the same line (letter case ignored)
    Added,
    Failed,        // see status: the file could not be read or appended to
};
struct SignResult {
    SignOutcome outcome = SignOutcome::NotTried;
    FileStatus status;
};
// Stores English + "=" + sign unless the sign file already holds that line in any letter
// case. An empty English or sign stores nothing.
SignResult addPhoneticSign(std::string_view signFile, std::string_view english,
                           std::string_view sign);

// The one message that ends an addition. A sign that could not be stored counts as no
// sign step: its failure has been reported on its own.
std::string additionReport(std::string_view english, bool entryAdded, SignOutcome sign);

} // namespace qor
