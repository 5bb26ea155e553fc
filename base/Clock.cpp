#include "Clock.h"

#include "Cp932.h"

#include <chrono>
#include <ctime>

namespace qor {

DateTime SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

long long SystemClock::milliseconds() const {
    // Steady: a clock set back or forward while the learner thinks changes nothing.
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long long Clock::milliseconds() const {
    const DateTime t = now();
    const long long days = daysBetween(1970, 1, 1, t.year, t.month, t.day);
    return ((days * 24 + t.hour) * 60 + t.minute) * 60000LL + t.second * 1000LL;
}

namespace {
SystemClock systemClock;
Clock* installedClock = nullptr;
} // namespace

Clock& programClock() {
    return installedClock ? *installedClock : systemClock;
}

void setClock(Clock* c) {
    installedClock = c;
}

DateTexts DateTexts::of(const DateTime& t) {
    static const std::string colon = sj("：");
    DateTexts d;
    d.year = std::to_string(t.year);
    d.month = std::to_string(t.month);
    d.day = std::to_string(t.day);
    d.monthDay = d.month + "/" + d.day;
    d.yearMonth = d.year + d.month;
    std::string seconds = (t.second < 10 ? "0" : "") + std::to_string(t.second);
    d.clock = std::to_string(t.hour) + colon + std::to_string(t.minute) + colon + seconds;
    return d;
}

namespace {
std::chrono::sys_days toDays(int y, int m, int d) {
    return std::chrono::sys_days(std::chrono::year{y} / std::chrono::month{static_cast<unsigned>(m)} /
                                 std::chrono::day{static_cast<unsigned>(d)});
}
} // namespace

int daysBetween(int fromYear, int fromMonth, int fromDay, int toYear, int toMonth, int toDay) {
    return static_cast<int>((toDays(toYear, toMonth, toDay) - toDays(fromYear, fromMonth, fromDay)).count());
}

bool isValidDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 9999)
        return false;
    return (std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
            std::chrono::day{static_cast<unsigned>(day)})
        .ok();
}

} // namespace qor
