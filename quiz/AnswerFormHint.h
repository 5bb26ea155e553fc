#pragma once
// The status-bar hint telling the learner in which script to answer.

#include <string>
#include <string_view>

namespace qor {

struct ScriptCounts {
    int hiragana = 0;
    int katakana = 0;
    int kanji = 0;  // JIS level 1 and level 2 kanji
    int other = 0;  // letters, digits, punctuation, the comma, the long-vowel mark ...
};

// Counts the characters of a CP932 text, a double-byte character counting once.
ScriptCounts countScripts(std::string_view text);

// The hint for an answer side, e.g. "\"ひらがな\"で解答" (CP932).
std::string answerFormHint(std::string_view answerSide);

} // namespace qor
