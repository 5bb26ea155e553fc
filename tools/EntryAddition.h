#pragma once
// What the dictionary maker and the word search's add-word window share when a learner
// adds a word: the entry line, the check for an entry of the same English, and the texts
// of the duplicate question and the reports. All texts are CP932.

#include "base/FileStatus.h"

#include <string>
#include <string_view>

namespace qor {

// English + "=" + Japanese + "*" + comment, with "コメントはありません" for an empty comment.
// Nothing is trimmed.
std::string newEntryLine(std::string_view english, std::string_view japanese,
                         std::string_view comment);

struct EnglishMatch {
    bool found = false;
    std::string line;   // the first line whose English part equals the English exactly
    FileStatus status;  // the dictionary could not be read
};
// The English part compares exactly (letter case counts).
EnglishMatch findEntryByEnglish(std::string_view dictionaryPath, std::string_view english);

// "\"<English>\" はすでに登録されています。\n\n発見したデータ ： <line>\n\n追加しますか？"
std::string duplicateQuestion(std::string_view english, std::string_view foundLine);

// The word between two double quotation marks.
std::string quotedWord(std::string_view word);
// "【単語】\n\"<English>\"を追加しました"
std::string wordAddedReport(std::string_view english);
// The note of one sign line: "\"<word>\"は、追加しました" or "...は、すでに登録済みでした".
std::string signNote(std::string_view word, bool alreadyThere);

} // namespace qor
