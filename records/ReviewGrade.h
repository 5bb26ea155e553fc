#pragma once
// The grade of an answer for the memory model, from the drill's own judgement: every
// answer of every drill is a review, whatever its source, typed or choices.
//
//   wrong or timed out                                        Again
//   accepted with "正解にする", right after the next-letter hint,
//   or right when asked again after a miss (repeat until right) Hard
//   right in a typed drill, no hint, within the quick time      Easy
//   any other right answer                                      Good
//   an answer of a memorize-only drill                          no review
//
// The quick time grows with what there was to type: 2 seconds to recall the word plus
// 0.4 second for every byte of the typed answer, so "apple" (5 bytes) is Easy within
// 4 seconds and "りんご" (6 bytes: a double-byte character takes about two keystrokes and
// a conversion) within 4.4 seconds. Choices are never Easy: picking is not recalling.

#include "records/MemoryModel.h"

#include <optional>

namespace qor {

struct AnswerFacts {
    enum class Verdict { Right, Wrong, TimedOut };

    Verdict verdict = Verdict::Right;
    bool typed = true;           // false: multiple choice
    bool hintUsed = false;       // the next-letter hint was shown for this question
    bool accepted = false;       // a wrong typed answer declared right ("正解にする")
    bool repeatRetry = false;    // the word asked again after a miss of it
    bool memorizeOnly = false;   // the memorize-only drill, which judges nothing
    int milliseconds = 0;        // from the question shown to the answer given
    int answerBytes = 0;         // the typed answer's length in CP932 bytes
};

// The time under which a right typed answer of `answerBytes` bytes is Easy.
int quickAnswerMilliseconds(int answerBytes);

// The grade of an answer; nullopt when it is no review (memorize-only).
std::optional<Grade> gradeOf(const AnswerFacts& a);

} // namespace qor
