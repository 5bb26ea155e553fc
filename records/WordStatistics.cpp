#include "WordStatistics.h"

#include "base/Percentage.h"

#include <string_view>

namespace qor {

void AnswerFigures::count(bool isRight) {
    ++asked;
    if (isRight)
        ++right;
    percent = percentageText(right, asked);
}

void AnswerFigures::accept() {
    ++right;
    percent = percentageText(right, asked);
}

std::string figuresText(const AnswerFigures& f) {
    return std::to_string(f.asked) + "," + std::to_string(f.right) + "," + f.percent;
}

WordStatistics::WordStatistics(const std::string& userFolder, RecordDictionary dic,
                               const DateTexts& now)
    : dic_(std::move(dic)), month_(now.month),
      words_(wordStatisticsPath(userFolder, now.year, dic_.name), kWordKeyedFile),
      year_(yearStatisticsPath(userFolder, now.year)) {}

WordFigures WordStatistics::GetVocDetail(const std::string& wordKey) {
    WordFigures f;
    f.recorded = recordCount(words_.read(wordStatisticsSection(), "COUNT", "0"));
    const std::string value = words_.read(wordStatisticsSection(), wordKey, "0");
    if (value != "0") {
        FigureTexts parts = splitFigures(value);
        f.asked = recordCount(parts.asked);
        f.right = recordCount(parts.right);
        f.percent = parts.percent.empty() ? std::string("0") : parts.percent;
    } else {
        ++f.recorded;
    }
    return f;
}

MonthFigures WordStatistics::GetYearDetail() {
    MonthFigures f;
    FigureTexts parts = splitFigures(year_.read(dic_.fileName, month_, "0,0,0"));
    f.asked = recordCount(parts.asked);
    f.right = recordCount(parts.right);
    f.percent = percentageText(f.right, f.asked);
    return f;
}

FileStatus WordStatistics::VocDetailSave(const std::string& wordKey, const WordFigures& word) {
    words_.write(wordStatisticsSection(), "COUNT", static_cast<long long>(word.recorded));
    words_.write(wordStatisticsSection(), wordKey, figuresText(word));
    return words_.save();
}

FileStatus WordStatistics::SaveYearDetail(const MonthFigures& month) {
    const std::string value = figuresText(month);
    const int check = recordCount(year_.read(dic_.fileName, "Check", "0"));
    year_.write(dic_.fileName, "Check", "1");
    for (int i = 1; i <= 12; ++i) {
        const std::string key = std::to_string(i);
        if (key == month_)
            year_.write(dic_.fileName, key, value);
        else if (check == 0)
            year_.write(dic_.fileName, key, "0,0,0");
    }
    return year_.save();
}

int WordStatistics::readRecentSlot(const std::string& userFolder,
                                   const std::string& dicFileName) {
    IniFile file(recentDrillsPath(userFolder));
    const int slot = recordCount(file.read(dicFileName, "Count", "0"));
    return slot < 0 || slot > 12 ? 0 : slot;
}

FileStatus WordStatistics::SaveStudyDetail(const std::string& userFolder,
                                           const std::string& dicFileName, int& slot,
                                           int percentage) {
    slot = slot >= 12 || slot < 0 ? 1 : slot + 1;
    IniFile file(recentDrillsPath(userFolder));
    const int check = recordCount(file.read(dicFileName, "Check", "0"));
    file.write(dicFileName, "Check", "1");
    for (int i = 1; i <= 12; ++i) {
        if (i == slot)
            file.write(dicFileName, std::to_string(i), static_cast<long long>(percentage));
        else if (check == 0)
            file.write(dicFileName, std::to_string(i), "0");
    }
    file.write(dicFileName, "Count", static_cast<long long>(slot));
    return file.save();
}

} // namespace qor
