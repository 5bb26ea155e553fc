#pragma once
// Local date and time, and the date texts the records are named and stamped with.
// The program reads the time only through programClock(), so tests can fix it.

#include <memory>
#include <string>

namespace qor {

struct DateTime {
    int year = 2000;
    int month = 1;   // 1 to 12
    int day = 1;     // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    // Milliseconds on a count that only goes forward, for how long something took: only
    // differences mean anything. Unless a clock knows better, its reading in whole seconds.
    virtual long long milliseconds() const;
};

class SystemClock final : public Clock {
public:
    DateTime now() const override;
    long long milliseconds() const override;
};

// A clock that stands still until it is set again.
class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime t) : time_(t) {}
    DateTime now() const override { return time_; }
    void set(DateTime t) { time_ = t; }

private:
    DateTime time_;
};

// The program's clock; the system clock unless a test installs another.
Clock& programClock();
// Installs a clock (nullptr restores the system clock). The caller keeps ownership.
void setClock(Clock* c);

// The texts of one moment: year "2002", month "3", day "3", month/day "3/3",
// year-month "20023", clock "9：5：07" (full-width colons, two-digit seconds).
struct DateTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string monthDay;
    std::string yearMonth;
    std::string clock;

    static DateTexts of(const DateTime& t);
};

// Whole days from `from` to `to` (to - from); both are taken as whole days.
int daysBetween(int fromYear, int fromMonth, int fromDay, int toYear, int toMonth, int toDay);
bool isValidDate(int year, int month, int day);

} // namespace qor
