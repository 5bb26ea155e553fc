#pragma once
// The daily review's settings in the user's Setup.ini, a section of their own:
//
//   [Review]
//   TargetRetention=90      the chance of recall at which a word falls due, in percent
//   NewWordsPerDay=20       words never answered that a day's review may bring in
//
// A missing key reads as its default. A value that is no number reads as the default, a
// number outside its range as the nearest end of the range, as Setup.ini's other numbers.

#include "records/DueSelection.h"

#include <string>

namespace qor {

inline constexpr const char* kReviewSection = "Review";
inline constexpr const char* kTargetRetentionKey = "TargetRetention";
inline constexpr const char* kNewWordsPerDayKey = "NewWordsPerDay";

inline constexpr int kDefaultTargetRetention = 90;
inline constexpr int kLeastTargetRetention = 70;
inline constexpr int kMostTargetRetention = 99;
inline constexpr int kDefaultNewWordsPerDay = 20;
inline constexpr int kMostNewWordsPerDay = 200;

ReviewSettings readReviewSettings(const std::string& setupIni);

} // namespace qor
