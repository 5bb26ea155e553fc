#include "records/ErrorReview.h"

#include "base/IniFile.h"
#include "records/RecordFiles.h"
#include "words/WordEntry.h"

#include <algorithm>

namespace qor {

std::string ReviewRow::wordKey() const {
    return qor::wordKey(english, japanese);
}

std::string ReviewRow::dictionaryLine() const {
    return english + "=" + japanese + "*" + comment;
}

std::vector<ReviewRow> reviewRows(const std::vector<std::string>& missedLines, int wrongCount,
                                  int direction) {
    std::size_t n = std::min(missedLines.size(), static_cast<std::size_t>(std::max(wrongCount, 0)));
    std::vector<ReviewRow> rows;
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        WordEntry entry = splitEntry(missedLines[i]);
        ReviewRow row;
        row.question = direction == 1 ? entry.japanese : entry.english;
        row.answer = direction == 1 ? entry.english : entry.japanese;
        row.english = std::move(entry.english);
        row.japanese = std::move(entry.japanese);
        row.comment = std::move(entry.comment);
        rows.push_back(std::move(row));
    }
    return rows;
}

MissCounts missCounts(const std::string& userFolder, const std::string& dictionaryName,
                      const std::string& wordKey, const DateTexts& now) {
    IniFile daily(dailyRecordPath(userFolder, now.yearMonth, dictionaryName), kWordKeyedFile);
    MissCounts counts;
    counts.today = recordCount(daily.read(now.monthDay, wordKey, "0"));
    counts.month = recordCount(daily.read(now.month, wordKey, "0"));
    return counts;
}

} // namespace qor
