#include "DailyRecord.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "records/ErrorRanking.h"
#include "words/DictionaryList.h"
#include "words/WordEntry.h"

#include <cerrno>
#include <string_view>
#include <vector>

namespace qor {

namespace {

constexpr std::string_view kError = "Error";

// Deleting a file that is not there is no failure.
FileStatus removeIfPresent(const std::string& path) {
    FileStatus status = removeFile(path);
    return status.isMissingFile() ? FileStatus() : status;
}

// The day roll-over: today's lists become yesterday's, today's start empty.
void rollOver(IniFile& daily, const std::string& monthDay) {
    int num = recordCount(daily.read(kError, "Num", "0"));
    std::string today = daily.read(kError, "Today", "0");
    daily.write(kError, "Date", monthDay);
    daily.write(kError, "Num", "0");
    daily.write(kError, "Today", "");
    daily.write(kError, "YesterdayNum", static_cast<long long>(num));
    daily.write(kError, "Yesterday", today);
}

// The day's list of distinct missed word numbers, as stored in the file.
class TodayList {
public:
    explicit TodayList(IniFile& daily) {
        // A file without "Num" (or with 0) has no list yet, whatever "Today" says.
        if (recordCount(daily.read(kError, "Num", "0")) > 0)
            list_ = daily.read(kError, "Today", "");
        count_ = list_.empty() ? 0 : 1;
        for (char c : list_)
            count_ += c == ',' ? 1 : 0;
    }

    // Whole elements are compared: 1 is not present because 12 is.
    bool contains(std::string_view number) const {
        if (list_.empty())
            return false;
        std::string_view rest = list_;
        for (;;) {
            std::size_t comma = rest.find(',');
            if (rest.substr(0, comma) == number)
                return true;
            if (comma == std::string_view::npos)
                return false;
            rest.remove_prefix(comma + 1);
        }
    }

    bool add(const std::string& number) {
        if (contains(number))
            return false;
        ++count_;
        list_ += list_.empty() ? number : "," + number;
        return true;
    }

    int count() const { return count_; }
    const std::string& list() const { return list_; }

private:
    std::string list_;
    int count_ = 0;
};

// Whether `line` is `lowered` (ASCII letters folded by lowerAscii) in some letter case:
// the line's own single-byte letters are folded as its characters are walked, so nothing
// is copied. The walk is charLength's: a lead byte with a trail byte after it is one
// character, compared as it is.
bool sameNoCase(std::string_view line, std::string_view lowered) {
    if (line.size() != lowered.size())
        return false;
    const std::size_t size = line.size();
    for (std::size_t pos = 0; pos < size;) {
        const auto c = static_cast<unsigned char>(line[pos]);
        if (c < 0x80) {  // ASCII is never a lead byte
            const char folded = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : line[pos];
            if (folded != lowered[pos])
                return false;
            ++pos;
            continue;
        }
        if (line[pos] != lowered[pos])
            return false;
        if (isLeadByte(c) && pos + 1 < size &&
            isTrailByte(static_cast<unsigned char>(line[pos + 1]))) {
            if (line[pos + 1] != lowered[pos + 1])
                return false;
            pos += 2;
        } else {
            ++pos;
        }
    }
    return true;
}

// Appends the line unless it is there already in any letter case. The list is looked
// through in pieces, each line compared where it lies: an error list grows by a line per
// new miss, and every miss looks through all of it.
FileStatus appendErrorLine(const std::string& path, const std::string& line) {
    const std::string lowered = lowerAscii(line);
    bool listed = false;
    FileStatus read = visitLines(path, [&](std::string_view present) {
        listed = sameNoCase(present, lowered);
        return !listed;
    });
    if (!read && !read.isMissingFile())
        return read;
    if (listed)
        return {};
    return appendLine(path, line);
}

} // namespace

std::vector<std::string> dayMissItems(int count, const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (int i = 0; i < count; ++i) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos || i == count - 1) {
            items.push_back(list.substr(start));
            break;
        }
        items.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

DailyRecord::DailyRecord(std::string userFolder) : userFolder_(std::move(userFolder)) {}

RecordStatus DailyRecord::recordMiss(const PathSettings& files, const RecordDictionary& dic,
                                     const RecordWord& word, const DateTexts& now) {
    RecordStatus status;
    // With no file chosen there is no list to keep.
    if (files.SaveError && !files.SaveErrorFile.empty())
        status.add(SaveErrorData(files.SaveErrorFile, word.line));
    status.add(SaveData(dic, word, now));
    return status;
}

RecordStatus DailyRecord::SaveData(const RecordDictionary& dic, const RecordWord& word,
                                   const DateTexts& now) {
    RecordStatus status;
    IniFile daily(dailyRecordPath(userFolder_, now.yearMonth, dic.name), kWordKeyedFile);
    const std::string date = daily.read(kError, "Date", "12/9");

    if (!prevYearMonth_) {
        IniFile setup(setupPath(userFolder_));
        prevYearMonth_ = setup.read("Date", "PrevYearMonth", "19998");
    }
    if (now.yearMonth != *prevYearMonth_)
        status.add(removeIfPresent(dailyRecordPath(userFolder_, *prevYearMonth_, dic.name)));

    if (now.monthDay != date)
        rollOver(daily, now.monthDay);

    // A word that is not a line of the dictionary has no number for the day's list.
    TodayList today(daily);
    if (word.number >= 0 && today.add(std::to_string(word.number))) {
        daily.write(kError, "Num", static_cast<long long>(today.count()));
        daily.write(kError, "Today", today.list());
    }

    const int dayCount = recordCount(daily.read(now.monthDay, word.key, "0")) + 1;
    const int monthCount = recordCount(daily.read(now.month, word.key, "0")) + 1;

    IniFile ranking(errorRankingPath(userFolder_));
    ErrorRanking::update(ranking, dic.fileName, word.key, monthCount);

    daily.write(now.month, word.key, static_cast<long long>(monthCount));
    daily.write(now.monthDay, word.key, static_cast<long long>(dayCount));

    status.add(daily.save());
    status.add(ranking.save());
    return status;
}

RecordStatus DailyRecord::SaveErrorData(const std::string& errorListFile,
                                        const std::string& line) {
    FileStatus status = appendErrorLine(errorListFile, line);
    if (status) {
        reportedErrorLists_.erase(errorListFile);
        return {};
    }
    if (!reportedErrorLists_.insert(errorListFile).second)
        return {};
    return status;
}

RecordStatus DailyRecord::rollOverAtStartup(const std::string& userFolder, const DateTexts& now) {
    RecordStatus status;
    IniFile setup(setupPath(userFolder));
    const std::string prev = setup.read("Date", "PrevYearMonth", "19999");

    for (const std::string& fileName : listedDictionaries(setupPath(userFolder))) {
        // An empty entry names no dictionary; rolling it would make a file "_.dat".
        const std::string name = dictionaryName(fileName);
        if (name.empty())
            continue;
        IniFile daily(dailyRecordPath(userFolder, now.yearMonth, name), kWordKeyedFile);
        const std::string date = daily.read(kError, "Date", "1/9");
        if (now.yearMonth != prev)
            status.add(removeIfPresent(dailyRecordPath(userFolder, prev, name)));
        if (now.monthDay != date) {
            rollOver(daily, now.monthDay);
            status.add(daily.save());
        }
    }

    setup.write("Date", "PrevYearMonth", now.yearMonth);
    status.add(setup.save());
    return status;
}

} // namespace qor
