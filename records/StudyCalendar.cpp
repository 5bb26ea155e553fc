#include "StudyCalendar.h"

#include "base/IniFile.h"
#include "base/TextFile.h"
#include "records/RecordFiles.h"
#include "records/ReviewFile.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace qor {

namespace {

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "20013_verbs.dat": a daily record file of March 2001. The year-month text is four digits
// of year and the month without a leading zero, so "2001_verbs.dat" (word statistics) and
// "2001.dat" (year statistics) are not daily record files.
struct DailyRecordName {
    int year = 0;
    int month = 0;
    std::string dictionary;
};

std::optional<DailyRecordName> dailyRecordName(std::string_view file) {
    constexpr std::string_view ext = ".dat";
    if (file.size() <= ext.size() || file.substr(file.size() - ext.size()) != ext)
        return std::nullopt;
    std::string_view stem = file.substr(0, file.size() - ext.size());
    std::size_t underscore = stem.find('_');
    if (underscore == std::string_view::npos || underscore + 1 == stem.size())
        return std::nullopt;
    std::string_view yearMonth = stem.substr(0, underscore);
    if ((yearMonth.size() != 5 && yearMonth.size() != 6) || !allDigits(yearMonth) || yearMonth[4] == '0')
        return std::nullopt;
    const int year = std::stoi(std::string(yearMonth.substr(0, 4)));
    const int month = std::stoi(std::string(yearMonth.substr(4)));
    if (month < 1 || month > 12)
        return std::nullopt;
    return DailyRecordName{year, month, std::string(stem.substr(underscore + 1))};
}

// "verbs.rev": the review file of the dictionary verbs.
std::optional<std::string> reviewFileDictionary(std::string_view file) {
    constexpr std::string_view ext = ".rev";
    if (file.size() <= ext.size() || file.substr(file.size() - ext.size()) != ext)
        return std::nullopt;
    return std::string(file.substr(0, file.size() - ext.size()));
}

// The misses of each day section ("3/14") of a daily record file of the given month.
void addMisses(const std::string& path, const DailyRecordName& name, DayCounts& out) {
    IniFile file(path, kWordKeyedFile);
    const std::string month = std::to_string(name.month);
    for (int d = 1; d <= 31; ++d) {
        auto day = StudyDay::of(name.year, name.month, d);
        const std::string section = month + "/" + std::to_string(d);
        if (!day || !file.hasSection(section))
            continue;
        long long misses = 0;
        for (const auto& entry : file.entries(section))
            misses += std::max(recordCount(entry.second), 0);
        if (misses > 0)
            out[*day] += static_cast<int>(std::min<long long>(misses, 1000000));
    }
}

// The CP932 names of the files in the user folder.
std::vector<std::string> userFiles(const std::string& userFolder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(nativePath(userFolder), ec)) {
        if (!e.is_regular_file(ec))
            continue;
        if (auto name = modelPath(e.path().filename().string()))
            out.push_back(*name);
    }
    return out;
}

using PerDictionary = std::map<std::string, DayCounts>;

PerDictionary missesByDictionary(const std::string& userFolder, const std::vector<std::string>& files) {
    PerDictionary out;
    for (const std::string& f : files) {
        if (auto name = dailyRecordName(f))
            addMisses(userFolder + "/" + f, *name, out[name->dictionary]);
    }
    return out;
}

} // namespace

DayCounts dailyRecordMisses(const std::string& userFolder) {
    DayCounts total;
    for (const auto& [dictionary, days] : missesByDictionary(userFolder, userFiles(userFolder))) {
        for (const auto& [day, n] : days)
            total[day] += n;
    }
    return total;
}

DayCounts studyDayCounts(const std::string& userFolder) {
    const std::vector<std::string> files = userFiles(userFolder);
    PerDictionary days = missesByDictionary(userFolder, files);
    for (const std::string& f : files) {
        auto dictionary = reviewFileDictionary(f);
        if (!dictionary)
            continue;
        // The review file's count of a day replaces the misses of that day.
        for (const auto& [day, n] : ReviewFile::answersPerDay(userFolder + "/" + f))
            days[*dictionary][day] = n;
    }
    DayCounts total;
    for (const auto& [dictionary, counts] : days) {
        for (const auto& [day, n] : counts)
            total[day] += n;
    }
    return total;
}

StudyCalendar::StudyCalendar(DayCounts counts, StudyDay today)
    : today_(today), first_(today.firstOfMonthBefore(11)) {
    for (const auto& [day, n] : counts) {
        if (n > 0)
            counts_.emplace(day, n);
    }
}

int StudyCalendar::answersOn(StudyDay day) const {
    auto it = counts_.find(day);
    return it == counts_.end() ? 0 : it->second;
}

std::vector<int> StudyCalendar::days() const {
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(today_ - first_ + 1));
    for (StudyDay d = first_; d <= today_; d = d.plus(1))
        out.push_back(answersOn(d));
    return out;
}

int StudyCalendar::currentStreak() const {
    StudyDay d = answersOn(today_) > 0 ? today_ : today_.plus(-1);
    int run = 0;
    while (answersOn(d) > 0) {
        ++run;
        d = d.plus(-1);
    }
    return run;
}

int StudyCalendar::longestStreak() const {
    int longest = 0;
    int run = 0;
    std::optional<StudyDay> previous;
    for (const auto& [day, n] : counts_) {
        run = previous && day - *previous == 1 ? run + 1 : 1;
        longest = std::max(longest, run);
        previous = day;
    }
    return longest;
}

} // namespace qor
