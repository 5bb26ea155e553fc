#include "records/HistoryReport.h"

#include "base/BoxList.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "words/WordEntry.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::string_view kSection = "Show History";

// A CSV field: a dictionary file name may hold "," or "\"", which would shift the columns
// of every reader; such a field is quoted, its quotes doubled.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos)
        return text;
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t n = charLength(text, pos);
        if (n == 1 && text[pos] == '"')
            out += '"';
        out.append(text, pos, n);
        pos += n;
    }
    out += '"';
    return out;
}

} // namespace

std::vector<HistoryRow> historyRows(const std::vector<HistoryDrill>& drills) {
    static const std::string percentUnit = sj("％");
    std::vector<HistoryRow> rows;
    rows.reserve(drills.size());
    int number = 0;
    for (const HistoryDrill& d : drills) {
        HistoryRow r;
        r.number = ++number;
        r.start = d.startTime;
        r.end = d.endTime;
        r.dictionary = fileNameOf(d.dictionaryPath);
        r.questions = std::to_string(d.questionCount);
        r.right = std::to_string(d.correctCount);
        r.wrong = std::to_string(d.wrongCount);
        r.percent = std::to_string(d.percentage) + percentUnit;
        rows.push_back(std::move(r));
    }
    return rows;
}

std::string missedWordText(const HistoryDrill& drill) {
    if (drill.wrongCount <= 0 || drill.missedLines.empty())
        return {};
    const std::size_t count = std::min(drill.missedLines.size(), static_cast<std::size_t>(drill.wrongCount));
    std::vector<std::string> words;
    words.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        WordEntry e = splitEntry(drill.missedLines[i]);
        words.push_back(e.english + "-" + e.japanese + "-" + e.comment);
    }
    // A drill of a thousand misses names ten in the box and the hint, and counts the rest.
    return sj("★間違えた問題リスト★") + "\n" + boxList(words) + "\n";
}

std::vector<std::string> historySaveLines(const std::vector<HistoryRow>& rows,
                                          const DateTime& today, HistoryFormat format) {
    std::vector<std::string> lines;
    lines.push_back(std::to_string(today.year) + sj("年") + std::to_string(today.month) + sj("月") +
                    std::to_string(today.day) + sj("日"));
    if (format == HistoryFormat::Csv)
        lines.push_back(sj("No.,開始時間,終了時間,使用辞書,出題数,正解数,不正解数,正解率"));
    static const std::string tilde = sj("～");
    static const std::string asked = sj(" 出：");
    static const std::string right = sj("問 正：");
    static const std::string wrong = sj("問 不：");
    static const std::string rate = sj("問 率：");
    for (const HistoryRow& r : rows) {
        if (!r.holdsDrill())
            continue;
        const std::string number = std::to_string(r.number);
        if (format == HistoryFormat::Plain) {
            lines.push_back("No." + number + " " + r.start + tilde + r.end + " " + r.dictionary +
                            asked + r.questions + right + r.right + wrong + r.wrong + rate +
                            r.percent);
        } else {
            lines.push_back(number + "," + r.start + "," + r.end + "," + csvField(r.dictionary) +
                            "," + r.questions + "," + r.right + "," + r.wrong + "," + r.percent);
            lines.emplace_back();
        }
    }
    if (format == HistoryFormat::Plain) {
        lines.push_back("------------------------<<<");
        lines.emplace_back();
    }
    return lines;
}

FileStatus saveHistory(const std::string& path, const std::vector<HistoryRow>& rows,
                       const DateTime& today, HistoryFormat format) {
    return appendLines(path, historySaveLines(rows, today, format));
}

bool readHistoryByHint(const std::string& setupIni) {
    IniFile ini(setupIni);
    return ini.read(kSection, "ByHint", "0") == "1";
}

FileStatus writeHistoryByHint(const std::string& setupIni, bool byHint) {
    return IniFile::writeOne(setupIni, kSection, "ByHint", byHint ? "1" : "0");
}

} // namespace qor
