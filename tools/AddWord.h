#pragma once
// Adding a word that the search did not find: the new entry appended to the searched
// dictionary, after a check for an entry of the same English, and optionally its
// pronunciation sign appended to the sign file. The window asks the learner between the
// steps; every step here reports whether it wrote.

#include "base/FileStatus.h"

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

// English + "=" + Japanese + "*" + comment, with "コメントはありません" for an empty comment.
std::string newEntryLine(std::string_view english, std::string_view japanese,
                         std::string_view comment);

// An English text holding "," names several forms of a word, which share no one sign.
bool takesPhoneticSign(std::string_view english);

struct EnglishMatch {
    bool found = false;
    std::string line;   // the first line whose English part equals the English exactly
    FileStatus status;  // the dictionary could not be read
};
EnglishMatch findEntryByEnglish(std::string_view dictionaryPath, std::string_view english);

// The text of the duplicate box: "<English>" はすでに登録されています。 ... 追加しますか？
std::string duplicateQuestion(std::string_view english, std::string_view foundLine);

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
