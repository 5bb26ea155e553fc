#pragma once
// A calendar day as a whole number (days since 1 January 1970), so that the review
// records count days by subtraction; written as "2025-03-14" (year, month and day with
// leading zeros), which sorts as it reads and holds no character of the program's other
// date texts.
//
// Every day comes from the caller (the drill passes the program clock's date), never from
// the system time.

#include "base/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

struct StudyDay {
    int number = 0;  // days since 1970-01-01

    // nullopt for a date that does not exist.
    static std::optional<StudyDay> of(int year, int month, int day);
    // The day of a clock reading (its date; the time is ignored). The date must exist.
    static StudyDay of(const DateTime& t);
    // "2025-03-14" exactly (ten characters); nullopt for anything else.
    static std::optional<StudyDay> parse(std::string_view text);

    int year() const;
    int month() const;  // 1 to 12
    int day() const;    // 1 to 31
    std::string text() const;

    StudyDay plus(int days) const { return {number + days}; }
    // The first day of the month that lies `months` months before this day's month.
    StudyDay firstOfMonthBefore(int months) const;

    friend int operator-(StudyDay a, StudyDay b) { return a.number - b.number; }
    friend auto operator<=>(StudyDay, StudyDay) = default;
};

} // namespace qor
