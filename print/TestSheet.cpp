#include "print/TestSheet.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/Percentage.h"
#include "base/TextFile.h"
#include "records/DailyRecord.h"
#include "records/RecordFiles.h"
#include "settings/SettingsStore.h"
#include "words/WordEntry.h"

#include <algorithm>
#include <climits>

namespace qor {

namespace {

constexpr std::string_view kSection = "Make Test";

constexpr std::array<const char*, 6> kSwitchKeys = {"ToEnglish",   "SelectOn",
                                                     "PrintDate",   "PrintUser",
                                                     "PrintAnswer", "PrintOption"};

std::array<bool MakeTestSettings::*, 6> switches() {
    return {&MakeTestSettings::ToEnglish,   &MakeTestSettings::SelectOn,
            &MakeTestSettings::PrintDate,   &MakeTestSettings::PrintUser,
            &MakeTestSettings::PrintAnswer, &MakeTestSettings::PrintOption};
}

std::string questionKey(std::size_t i) {
    return "Question_Type" + std::to_string(i + 1);
}

// The first `count` lines of a drill list (the list has kListSlots slots).
std::vector<std::string> firstLines(const LineList& list, int count) {
    int n = std::clamp(count, 0, kListSlots);
    return {list.begin(), list.begin() + n};
}

std::vector<std::string> firstLines(const std::vector<std::string>& list, int count) {
    const auto n = static_cast<std::size_t>(std::max(count, 0));
    return {list.begin(), list.begin() + static_cast<std::ptrdiff_t>(std::min(n, list.size()))};
}

// The side of a dictionary line that a choice or the key shows.
std::string answerSide(const std::string& line, bool toEnglish) {
    WordEntry entry = splitEntry(line);
    return toEnglish ? entry.english : entry.japanese;
}

} // namespace

const std::array<const char*, kPrintTypeCount> kPrintTypeNames = {
    "直前に間違えた問題", "今日、間違えた問題", "昨日、間違えた問題",
    "過去に出題した問題", "過去に間違えた問題", "辞書内のデータ全て",
};

MakeTestSettings::MakeTestSettings()
    : Question_Type{sj("を英語に直しなさい"), sj("の意味を書きなさい"), sj("の英語を選びなさい"),
                    sj("の意味を選びなさい")} {}

MakeTestSettings MakeTestSettings::load(const std::string& setupIni) {
    MakeTestSettings s;
    IniFile ini(setupIni);
    const auto members = switches();
    for (std::size_t i = 0; i < members.size(); ++i)
        s.*members[i] = ini.read(kSection, kSwitchKeys[i], "0") == "1";
    std::vector<BadSetting> ignored;  // a "Tab" that is not a number takes its default
    s.Tab = readSettingNumber(ini, std::string(kSection), "Tab", "160", ignored);
    for (std::size_t i = 0; i < s.Question_Type.size(); ++i)
        s.Question_Type[i] = ini.read(kSection, questionKey(i), s.Question_Type[i]);
    return s;
}

FileStatus MakeTestSettings::save(const std::string& setupIni) const {
    IniFile ini(setupIni);
    const auto members = switches();
    for (std::size_t i = 0; i < members.size(); ++i)
        ini.write(kSection, kSwitchKeys[i], this->*members[i] ? "1" : "0");
    ini.write(kSection, "Tab", static_cast<long long>(Tab));
    for (std::size_t i = 0; i < Question_Type.size(); ++i)
        ini.write(kSection, questionKey(i), Question_Type[i]);
    return ini.save();
}

const std::string& MakeTestSettings::questionText() const {
    if (SelectOn)
        return Question_Type[ToEnglish ? 2 : 3];
    return Question_Type[ToEnglish ? 0 : 1];
}

bool scoreLineOffered(PrintType type) {
    return type == PrintType::LastErrors || usesHistoryEntry(type);
}

bool usesHistoryEntry(PrintType type) {
    return type == PrintType::PastAsked || type == PrintType::PastMissed;
}

SheetSource readSheetSource(const SheetRequest& r) {
    SheetSource source;
    bool dictionaryRead = false;
    auto readDictionary = [&]() {
        Lines read = readLines(r.dictionaryPath);
        source.status = read.status;
        source.dictionary = std::move(read.lines);
        dictionaryRead = true;
        return read.status.ok();
    };

    const int n = std::clamp(r.historyEntry, 1, kHistorySlots - 1);
    switch (r.type) {
    case PrintType::LastErrors:
        if (r.lastDrill)
            source.lines = firstLines(r.lastDrill->missedLines, r.lastDrill->wrongCount);
        break;
    case PrintType::TodayErrors:
    case PrintType::YesterdayErrors: {
        const bool today = r.type == PrintType::TodayErrors;
        IniFile daily(dailyRecordPath(r.userFolder, r.now.yearMonth, dictionaryName(r.dictionaryPath)),
                      kWordKeyedFile);
        int count = recordCount(daily.read("Error", today ? "Num" : "YesterdayNum", "0"));
        std::string list = daily.read("Error", today ? "Today" : "Yesterday", "0");
        if (FileStatus st = daily.readStatus(); !st) {
            source.status = st;
            return source;
        }
        std::vector<std::string> numbers = dayMissItems(count, list);
        if (numbers.empty() || !readDictionary())
            return source;
        for (const std::string& item : numbers) {
            std::optional<long long> number = parseDecimal(item);
            if (!number) {
                source.badNumber = item;
                source.lines.clear();
                return source;
            }
            // A number past the end names a line of a dictionary that has since been
            // shortened: that word is no longer there to be asked.
            if (*number < 0 || *number >= static_cast<long long>(source.dictionary.size())) {
                ++source.skipped;
                continue;
            }
            source.lines.push_back(source.dictionary[static_cast<std::size_t>(*number)]);
        }
        break;
    }
    case PrintType::PastAsked:
    case PrintType::PastMissed:
        if (r.history) {
            const DrillRecord& totals = r.history->slot(n);
            const DrillRecord& lines = r.history->slot(n - 1);
            source.lines = r.type == PrintType::PastAsked
                               ? firstLines(lines.asked, totals.questionCount)
                               : firstLines(lines.missed, totals.wrongCount);
        }
        break;
    case PrintType::WholeDictionary:
        if (!readDictionary())
            return source;
        source.lines = source.dictionary;
        break;
    }

    // The distractors are drawn from the dictionary.
    if (!source.lines.empty() && !dictionaryRead && !readDictionary()) {
        source.lines.clear();
        return source;
    }
    source.count = source.lines.size();
    if (source.lines.size() > kMaxSheetQuestions) {
        source.lines.resize(kMaxSheetQuestions);
        source.cut = true;
    }
    return source;
}

std::optional<DrillFigures> sheetScore(const SheetRequest& r) {
    if (!scoreLineOffered(r.type))
        return std::nullopt;
    if (r.type == PrintType::LastErrors) {
        if (!r.lastDrill)
            return std::nullopt;
        const DrillSummary& d = *r.lastDrill;
        return DrillFigures{d.questionCount, d.correctCount,
                            percentage(d.correctCount, d.questionCount)};
    }
    if (!r.history)
        return std::nullopt;
    const DrillRecord& totals =
        r.history->slot(std::clamp(r.historyEntry, 1, kHistorySlots - 1));
    return DrillFigures{totals.questionCount, totals.correctCount, totals.percentage};
}

std::optional<std::string> wholeDictionaryQuestion(std::size_t lineCount) {
    if (lineCount >= 500)
        return sj("選択された辞書には、500語以上の単語が登録されています。\n"
                  "サイズ制限により表示できない可能性があります。また、表示に時間がかかります。\n"
                  "表示を試みますか？");
    if (lineCount >= 151)
        return sj("選択された辞書には ") + std::to_string(lineCount) +
               sj("個のデータが登録されています。\n"
                  "データが多すぎると表示に時間がかかります。\n"
                  "表示しますか？");
    return std::nullopt;
}

std::string cutMessage(std::size_t count) {
    const std::string most = std::to_string(kMaxSheetQuestions);
    return sj("問題にする単語が ") + std::to_string(count) + sj("個あります。\n") +
           sj("１枚のテスト用紙に作成できるのは ") + most + sj("問までのため、") +
           sj("最初の ") + most + sj("問で作成します。");
}

TestSheet::TestSheet(MakeTestSettings settings) : settings_(std::move(settings)) {}

void TestSheet::add(std::string line, int question) {
    lines_.push_back(std::move(line));
    questionOfLine_.push_back(question);
}

void TestSheet::addHeading(const std::string& userName, const DateTexts& now,
                           const std::optional<DrillFigures>& score) {
    add(sj("【Qor Helper】"));
    if (settings_.PrintUser)
        add(userName);
    if (settings_.PrintDate)
        add(now.monthDay + "/" + now.year + " " + now.clock);
    if (settings_.PrintOption && score)
        add(sj("出題数 ： ") + std::to_string(score->questionCount) + sj("、正解数 ： ") +
            std::to_string(score->correctCount) + sj("、正解率 ： ") +
            std::to_string(score->percentage) + sj("％"));
    add(sheetSeparator());
    add("");
}

void TestSheet::addQuestions(const std::vector<std::string>& source,
                             const std::vector<std::string>& dictionary, RandomSource& random,
                             const std::function<void(int)>& progress) {
    const bool toEnglish = settings_.ToEnglish;
    const int dictionaryCount = static_cast<int>(std::min<std::size_t>(dictionary.size(), INT_MAX));
    auto dictionaryLine = [&](int index) -> std::string {
        return index >= 0 && index < dictionaryCount ? dictionary[static_cast<std::size_t>(index)]
                                                     : std::string();
    };
    const std::string colon = sj("： ");
    const std::string letterColon = sj("：");
    int k = 0;
    for (const std::string& line : source) {
        ++k;
        std::array<std::string, 3> distractors;
        for (std::string& d : distractors)
            d = dictionaryLine(random.below(dictionaryCount));

        WordEntry entry = splitEntry(line);
        const std::string& shown = toEnglish ? entry.japanese : entry.english;
        const std::string& answer = toEnglish ? entry.english : entry.japanese;

        // The correct answer first, then the distractors in reverse order of picking.
        std::vector<std::string> pool = {answer, answerSide(distractors[2], toEnglish),
                                         answerSide(distractors[1], toEnglish),
                                         answerSide(distractors[0], toEnglish)};
        std::array<std::string, 4> choices;
        for (std::string& choice : choices) {
            int i = random.below(static_cast<int>(pool.size()));
            choice = std::move(pool[static_cast<std::size_t>(i)]);
            pool.erase(pool.begin() + i);
        }

        const std::string number = sj("問題 ") + std::to_string(k) + colon;
        if (settings_.SelectOn) {
            std::string key = "d";
            for (int c = 0; c < 3; ++c) {
                if (choices[static_cast<std::size_t>(c)] == answer) {
                    key = std::string(1, static_cast<char>('a' + c));
                    break;
                }
            }
            keys_.push_back(key);
            add(number + shown + settings_.questionText(), k);
            add("\ta" + letterColon + choices[0] + "\tb" + letterColon + choices[1], k);
            add("\tc" + letterColon + choices[2] + "\td" + letterColon + choices[3], k);
            add("");
        } else {
            keys_.push_back(answer);
            add(number + shown + settings_.questionText(), k);
            add("");
            add("");
        }
        if (progress)
            progress(k);
    }
}

void TestSheet::addEnd() {
    add("");
    add(sheetSeparator());
    if (settings_.PrintAnswer) {
        for (std::string& line : answerKeyLines(keys_))
            add(std::move(line));
    }
}

std::string sheetSeparator() {
    return std::string(66, '=');
}

std::vector<std::string> answerKeyLines(const std::vector<std::string>& keys) {
    std::vector<std::string> lines;
    const std::string colon = sj("：");
    const std::string comma = sj("、");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::string entry = "No." + std::to_string(i + 1) + colon + keys[i];
        if (i % 5 == 0)
            lines.push_back(std::move(entry));
        else
            lines.back() += comma + entry;
    }
    return lines;
}

std::vector<double> sheetTabStops(int tab) {
    return {30.0, static_cast<double>(tab)};
}

} // namespace qor
