#include "StudyDay.h"

#include <chrono>
#include <cstdio>

namespace qor {

namespace {

std::chrono::year_month_day civil(StudyDay d) {
    return std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{d.number}}};
}

// Digits only, all of `text`.
std::optional<int> digits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<StudyDay> StudyDay::of(int year, int month, int day) {
    using namespace std::chrono;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok())
        return std::nullopt;
    return StudyDay{static_cast<int>(sys_days{ymd}.time_since_epoch().count())};
}

StudyDay StudyDay::of(const DateTime& t) {
    return of(t.year, t.month, t.day).value_or(StudyDay{});
}

std::optional<StudyDay> StudyDay::parse(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto y = digits(text.substr(0, 4));
    auto m = digits(text.substr(5, 2));
    auto d = digits(text.substr(8, 2));
    if (!y || !m || !d)
        return std::nullopt;
    return of(*y, *m, *d);
}

int StudyDay::year() const {
    return static_cast<int>(civil(*this).year());
}

int StudyDay::month() const {
    return static_cast<int>(static_cast<unsigned>(civil(*this).month()));
}

int StudyDay::day() const {
    return static_cast<int>(static_cast<unsigned>(civil(*this).day()));
}

std::string StudyDay::text() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year(), month(), day());
    return buffer;
}

StudyDay StudyDay::firstOfMonthBefore(int months) const {
    int index = year() * 12 + (month() - 1) - months;
    return of(index / 12, index % 12 + 1, 1).value_or(*this);
}

} // namespace qor
