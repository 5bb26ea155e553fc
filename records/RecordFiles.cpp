#include "RecordFiles.h"

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
