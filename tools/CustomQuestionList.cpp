#include "tools/CustomQuestionList.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "records/RecordFiles.h"
#include "words/WordEntry.h"

#include <optional>
#include <unordered_map>

namespace qor {

namespace {

// Views into the text of the IniFile they were read from, which outlives them.
using Values = std::unordered_map<std::string_view, std::string_view>;

// A whole section as key -> value; the first of two equal keys wins, as in IniFile::read.
// No key or value is copied: a year's statistics hold a line per word of the dictionary.
Values sectionValues(IniFile& ini, std::string_view section) {
    Values values;
    const auto entries = ini.entryViews(section);
    values.reserve(entries.size());
    for (const auto& [key, value] : entries)
        values.emplace(key, value);
    return values;
}

int valueOf(const Values& values, const std::string& key) {
    auto it = values.find(key);
    return it == values.end() ? 0 : recordCount(std::string(it->second));
}

bool matches(int figure, RuleCompare compare, int number) {
    return compare == RuleCompare::AtLeast ? figure >= number : figure <= number;
}

} // namespace

CustomFigures figuresOfValue(std::string_view value) {
    CustomFigures f;
    if (value == "0")
        return f;
    std::size_t first = value.find(',');
    if (first == std::string_view::npos)
        return f;  // not a figures value (a hand-edited file)
    std::size_t second = value.find(',', first + 1);
    std::size_t last = value.rfind(',');
    f.asked = recordCount(std::string(value.substr(0, first)));
    f.right = recordCount(std::string(value.substr(
        first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1)));
    f.percent = recordCount(std::string(value.substr(last + 1)));
    return f;
}

bool CustomQuestionList::builtFor(std::string_view dictionaryPath) const {
    return !fileName_.empty() && fileName_ == fileNameOf(dictionaryPath);
}

FileStatus CustomQuestionList::load(const std::string& dictionaryPath,
                                    const std::string& userFolder, const DateTexts& now,
                                    const Progress& progress) {
    rows_.clear();
    ticked_ = 0;
    path_ = dictionaryPath;
    fileName_.clear();

    Lines dictionary = readLines(dictionaryPath);
    if (!dictionary.status)
        return dictionary.status;

    IniFile statistics(wordStatisticsPath(userFolder, now.year, dictionaryName(dictionaryPath)),
                       kWordKeyedFile);
    const Values figures = sectionValues(statistics, sj("問題=出題総数,正解総数,正解率％"));

    rows_.reserve(dictionary.lines.size());
    int done = 0;
    for (std::string& line : dictionary.lines) {
        CustomRow row;
        WordEntry parts = splitEntry(line);
        row.key = wordKey(parts.english, parts.japanese);
        if (auto it = figures.find(row.key); it != figures.end()) {
            CustomFigures f = figuresOfValue(it->second);
            row.asked = f.asked;
            row.right = f.right;
            row.percent = f.percent;
        }
        row.english = std::move(parts.english);
        row.japanese = std::move(parts.japanese);
        row.comment = std::move(parts.comment);
        row.line = std::move(line);
        rows_.push_back(std::move(row));
        if (progress)
            progress(++done);
    }
    if (progress)
        progress(0);
    fileName_ = fileNameOf(dictionaryPath);
    return {};
}

void CustomQuestionList::setTicked(int row, bool ticked) {
    if (row < 0 || row >= size())
        return;
    CustomRow& r = rows_[static_cast<std::size_t>(row)];
    if (r.ticked == ticked)
        return;
    r.ticked = ticked;
    ticked_ += ticked ? 1 : -1;
}

int CustomQuestionList::tickAll(bool ticked) {
    int changed = 0;
    for (CustomRow& r : rows_) {
        if (r.ticked != ticked) {
            r.ticked = ticked;
            ++changed;
        }
    }
    ticked_ = ticked ? size() : 0;
    return changed;
}

int CustomQuestionList::tickRows(const std::vector<int>& rows, bool ticked) {
    const int before = ticked_;
    for (int row : rows)
        setTicked(row, ticked);
    return ticked ? ticked_ - before : before - ticked_;
}

int CustomQuestionList::applyRule(CustomRule rule, RuleCompare compare, int number, bool select,
                                  const std::string& userFolder, const DateTexts& now,
                                  const Progress& progress) {
    // The misses are views into the daily record's text: it stays open while they are read.
    std::optional<IniFile> daily;
    Values misses;
    if (rule == CustomRule::DayErrors || rule == CustomRule::MonthErrors) {
        daily.emplace(dailyRecordPath(userFolder, now.yearMonth, dictionaryName(path_)), kWordKeyedFile);
        misses = sectionValues(*daily, rule == CustomRule::DayErrors ? now.monthDay : now.month);
    }
    const int before = ticked_;
    int done = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const CustomRow& r = rows_[i];
        if (r.ticked != select) {
            int figure = 0;
            switch (rule) {
            case CustomRule::Asked:
                figure = r.asked;
                break;
            case CustomRule::Right:
                figure = r.right;
                break;
            case CustomRule::Percent:
                figure = r.percent;
                break;
            case CustomRule::DayErrors:
            case CustomRule::MonthErrors:
                figure = valueOf(misses, r.key);
                break;
            }
            if (matches(figure, compare, number))
                setTicked(static_cast<int>(i), select);
        }
        if (progress)
            progress(++done);
    }
    if (progress)
        progress(0);
    return select ? ticked_ - before : before - ticked_;
}

std::vector<std::string> CustomQuestionList::tickedLines() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(ticked_));
    for (const CustomRow& r : rows_) {
        if (r.ticked)
            lines.push_back(r.line);
    }
    return lines;
}

FileStatus CustomQuestionList::appendTicked(const std::string& path) const {
    return appendLines(path, tickedLines());
}

} // namespace qor
