#pragma once
// The answer file of a dictionary (user folder / dictionary name + ".ans"): answers the
// learner declared right in the error dialog. It starts with the header
//   [正解ファイル]
//   問題=新しい正解
// followed by "question=answer" lines, one appended per accepted answer.

#include "base/FileStatus.h"

#include <string>
#include <string_view>

namespace qor {

// dictionary name + ".ans"
std::string answerFileName(std::string_view dictionaryName);

// Writes the header key through the INI file: creates the file with exactly the two
// header lines when it is missing, and changes nothing when they are present.
FileStatus createAnswerFile(const std::string& path);

// Appends "question=answer" (the shown alternative and the typed answer).
FileStatus appendAnswer(std::string_view path, std::string_view question, std::string_view answer);

struct AnswerLookup {
    bool found = false;
    // A missing file is no failure (nothing was declared right yet); any other read
    // failure is reported here and found stays false.
    FileStatus status;
};

// Whether some line, the header lines included, split at its first "=", has the shown
// alternative exactly before it and the typed answer after it: exactly, or with
// ignoreCase both in lower case (ASCII letters only; double-byte characters are left
// whole). A line without "=" has an empty question part and the whole line after it.
AnswerLookup findAnswer(std::string_view path, std::string_view shownAlternative,
                        std::string_view typedAnswer, bool ignoreCase);

} // namespace qor
