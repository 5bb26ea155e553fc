#include "records/PercentList.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "records/RecordFiles.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"
#include "words/WordEntry.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::string_view kSection = "Show Percent";

int storedThreshold(IniFile& ini, std::string_view key, int def, int maximum) {
    std::optional<long long> v = parseDecimal(ini.read(kSection, key, std::to_string(def)));
    if (!v)
        return def;
    return static_cast<int>(std::clamp<long long>(*v, 1, maximum));
}

// The first file of the view that exists but cannot be read.
bool unreadable(const FileStatus& status) {
    return !status && !status.isMissingFile();
}

int sign(int c) {
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int compareFigures(const PercentRow& a, const PercentRow& b, PercentColumn column) {
    auto number = [](int x, int y) { return x < y ? -1 : (x > y ? 1 : 0); };
    switch (column) {
    case PercentColumn::Asked:
        return number(a.asked, b.asked);
    case PercentColumn::Right:
        return number(a.right, b.right);
    case PercentColumn::Percent:
        return number(a.percent, b.percent);
    case PercentColumn::Mastered:
        return number(a.mastered, b.mastered);
    default:
        return 0;
    }
}

} // namespace

MasteryThresholds MasteryThresholds::read(const std::string& setupIni) {
    IniFile ini(setupIni);
    MasteryThresholds t;
    t.byRightCount = storedThreshold(ini, "AANum", t.byRightCount, kMaxRightCount);
    t.byPercent = storedThreshold(ini, "APercent", t.byPercent, kMaxPercent);
    return t;
}

FileStatus MasteryThresholds::write(const std::string& setupIni) const {
    IniFile ini(setupIni);
    ini.write(kSection, "AANum", static_cast<long long>(byRightCount));
    ini.write(kSection, "APercent", static_cast<long long>(byPercent));
    return ini.save();
}

std::string percentCell(const PercentRow& row, PercentColumn column) {
    switch (column) {
    case PercentColumn::English:
        return row.english;
    case PercentColumn::Japanese:
        return row.japanese;
    case PercentColumn::Asked:
        return std::to_string(row.asked);
    case PercentColumn::Right:
        return std::to_string(row.right);
    case PercentColumn::Percent: {
        static const std::string unit = sj(" ％");
        return std::to_string(row.percent) + unit;
    }
    case PercentColumn::Mastered: {
        static const std::string yes = sj("  ◎");
        static const std::string no = sj("  ×");
        return row.mastered ? yes : no;
    }
    case PercentColumn::Count:
        break;
    }
    return {};
}

PercentList readPercentList(const std::string& userFolder, std::string_view dicFileName,
                            std::string_view year, MasteryRule rule, int threshold) {
    PercentList list;

    // The number of words: the lines of the dictionary remembered under that name.
    FileStatus setupStatus;
    const std::string dictionary =
        rememberedDictionaryPath(setupPath(userFolder), dicFileName, &setupStatus);
    if (unreadable(setupStatus)) {
        list.status = setupStatus;
        return list;
    }
    if (!dictionary.empty()) {
        DictionaryCount count = countLines(dictionary);
        if (unreadable(count.status)) {
            list.status = count.status;
            return list;
        }
        list.words = count.count;
    }

    IniFile statistics(
        wordStatisticsPath(userFolder, std::string(year), dictionaryName(dicFileName)),
        kWordKeyedFile);
    if (FileStatus read = statistics.readStatus(); unreadable(read)) {
        list.status = read;
        return list;
    }
    const std::string& section = wordStatisticsSection();
    // "COUNT" says how many words the file records; the word lines follow it.
    const int count = std::max(0, recordCount(statistics.read(section, "COUNT", "0")));
    // Views of the file's text: a row copies only the two texts it shows.
    const auto entries = statistics.entryViews(section);
    list.rows.reserve(std::min(entries.size(), static_cast<std::size_t>(count)));
    for (const auto& [key, value] : entries) {
        if (list.rows.size() >= static_cast<std::size_t>(count))
            break;
        if (key == "COUNT")
            continue;
        WordKeyParts word = splitWordKey(key);
        FigureTexts figures = splitFigures(value);
        PercentRow row;
        row.english = std::move(word.english);
        row.japanese = std::move(word.japanese);
        row.asked = recordCount(figures.asked);
        row.right = recordCount(figures.right);
        row.percent = recordCount(figures.percent);
        row.mastered = (rule == MasteryRule::ByRightCount ? row.right : row.percent) >= threshold;
        if (row.mastered)
            ++list.mastered;
        list.rows.push_back(std::move(row));
    }
    return list;
}

std::vector<std::size_t> sortedPercentOrder(const std::vector<PercentRow>& rows,
                                            PercentColumn column, bool descending) {
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto before = [descending](int c) { return descending ? c > 0 : c < 0; };
    if (column == PercentColumn::English || column == PercentColumn::Japanese) {
        // The folded texts once per row, not once per comparison; equal ones in byte order.
        const bool english = column == PercentColumn::English;
        auto text = [&](std::size_t i) -> const std::string& {
            return english ? rows[i].english : rows[i].japanese;
        };
        std::vector<std::string> folded(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            folded[i] = lowerAscii(text(i));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            int c = sign(folded[a].compare(folded[b]));
            if (c == 0)
                c = sign(text(a).compare(text(b)));
            return before(c);
        });
    } else {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return before(compareFigures(rows[a], rows[b], column));
        });
    }
    return order;
}

std::vector<int> statisticsYears(int currentYear) {
    std::vector<int> years;
    for (int y = std::min(1999, currentYear); y <= currentYear; ++y)
        years.push_back(y);
    return years;
}

} // namespace qor
