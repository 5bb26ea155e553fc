#pragma once
// What the daily review keeps about one word, and what one answer does to it.
//
// A word's record is its memory state (stability and difficulty of the memory model), the
// day of its last review, and two counts: the days on which it was reviewed and the
// lapses (a review day whose first answer was Again, once the word had been learned).
// A word that was never answered has no record.
//
// Only the first answer of a word on a day moves its schedule forward. That answer is a
// review of the model, taken after the whole days since the last one. A later answer the
// same day follows the model's same-day rule as far as it brings the word back sooner: an
// Again or a Hard lowers the stability (never raises it) and raises the difficulty; a Good
// or an Easy the same day changes nothing, since a word seen minutes ago says little about
// its memory. A day before the last review (a clock put back) counts as the same day.

#include "records/MemoryModel.h"
#include "records/StudyDay.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

struct WordReview {
    StudyDay lastReview;
    MemoryState memory;
    int reviews = 0;
    int lapses = 0;

    friend bool operator==(const WordReview&, const WordReview&) = default;
};

// Applies one graded answer given on `today` to a word's record (nullopt: none yet).
// Returns true when the record changed.
bool applyAnswer(std::optional<WordReview>& record, Grade grade, StudyDay today,
                 const MemoryModel& model);

// The record as the review file stores it after the word key:
// "2025-03-14,2.3065,2.118010640191367,1,0" (last review, stability, difficulty, reviews,
// lapses). The numbers are the shortest decimal text that reads back to the same value,
// with "." whatever the locale.
std::string reviewText(const WordReview& r);
// The record of such a text; nullopt for anything else (a field missing, extra or not a
// number, a day that does not exist, a stability not above 0, a difficulty outside 1..10,
// a negative count).
std::optional<WordReview> parseReview(std::string_view text);

} // namespace qor
