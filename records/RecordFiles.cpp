#include "RecordFiles.h"

#include "base/Cp932.h"
#include "base/IniFile.h"

#include <climits>

namespace qor {

std::string dailyRecordPath(const std::string& userFolder, const std::string& yearMonth,
                            const std::string& dicName) {
    return userFolder + "/" + yearMonth + "_" + dicName + ".dat";
}

std::string errorRankingPath(const std::string& userFolder) {
    return userFolder + "/error5.cun";
}

std::string wordStatisticsPath(const std::string& userFolder, const std::string& year,
                               const std::string& dicName) {
    return userFolder + "/" + year + "_" + dicName + ".dat";
}

const std::string& wordStatisticsSection() {
    static const std::string name = sj("問題=出題総数,正解総数,正解率％");
    return name;
}

std::string yearStatisticsPath(const std::string& userFolder, const std::string& year) {
    return userFolder + "/" + year + ".dat";
}

std::string recentDrillsPath(const std::string& userFolder) {
    return userFolder + "/Temp.dat";
}

std::string studyLogPath(const std::string& userFolder, const std::string& yearMonth) {
    return userFolder + "/" + yearMonth + ".txt";
}

std::string setupPath(const std::string& userFolder) {
    return userFolder + "/Setup.ini";
}

void RecordStatus::add(const FileStatus& status) {
    if (status)
        return;
    for (const FileStatus& known : failures_) {
        if (known.path() == status.path())
            return;
    }
    failures_.push_back(status);
}

void RecordStatus::add(const RecordStatus& other) {
    for (const FileStatus& s : other.failures_)
        add(s);
}

FigureTexts splitFigures(std::string_view value) {
    // Digits and commas only: a plain search cannot fall inside a character.
    FigureTexts f;
    std::size_t c1 = value.find(',');
    f.asked = std::string(value.substr(0, c1));
    if (c1 == std::string_view::npos)
        return f;
    std::string_view after = value.substr(c1 + 1);
    std::size_t c2 = after.find(',');
    f.right = std::string(after.substr(0, c2));
    if (c2 != std::string_view::npos)
        f.percent = std::string(after.substr(c2 + 1));
    return f;
}

WordKeyParts splitWordKey(std::string_view key) {
    // "_" can be the second byte of a double-byte character; only a real "_" splits.
    std::size_t bar = find(key, '_');
    if (bar == std::string_view::npos)
        return {std::string(), std::string(key)};
    return {std::string(key.substr(0, bar)), std::string(key.substr(bar + 1))};
}

int recordCount(const std::string& text) {
    std::optional<long long> v = parseDecimal(text);
    if (!v)
        return 0;
    if (*v > INT_MAX)
        return INT_MAX;
    if (*v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(*v);
}

} // namespace qor
