#include "quiz/QuestionSetupRules.h"

#include "base/BoxList.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "records/RecordFiles.h"
#include "words/WordEntry.h"

namespace qor {

std::string questionRangeLabel(int maximum) {
    return sj("出題数の設定範囲 ： 1～") + std::to_string(maximum) + sj("問");
}

EarlierDrillPlan earlierDrillPlan(const DrillHistory& history, int number, bool errorsOnly) {
    EarlierDrillPlan plan;
    if (number < 1)
        number = 1;
    if (number >= kHistorySlots)
        number = kHistorySlots - 1;
    const DrillRecord& totals = history.slot(number);
    const DrillRecord& lines = history.slot(number - 1);
    // A slot is filled once a drill has ended into it; after the eleventh drill of a run
    // the numbers come round again and every slot holds a drill.
    plan.recorded = !totals.dictionaryPath.empty();
    plan.dictionaryPath = totals.dictionaryPath;
    plan.questionCount = errorsOnly ? totals.wrongCount : totals.questionCount;
    plan.historySlot = number - 1;
    const bool planned = errorsOnly ? totals.wrongCount != 0 : plan.recorded;
    plan.heading = planned ? sj("★出題予定★") : sj("▼記録データなし▼");

    const LineList& list = errorsOnly ? lines.missed : lines.asked;
    std::vector<std::string> words;
    for (int i = 0; i < plan.questionCount && i < kListSlots; ++i)
        words.push_back(splitEntry(list[static_cast<std::size_t>(i)]).english);
    // The hint names ten words and counts the rest, so that it fits the screen.
    plan.hint = words.empty() ? plan.heading : plan.heading + "\n" + boxList(words);
    return plan;
}

int yesterdayMissCount(const std::string& userFolder, const std::string& dictionaryName,
                       const DateTexts& now) {
    IniFile daily(dailyRecordPath(userFolder, now.yearMonth, dictionaryName), kWordKeyedFile);
    return recordCount(daily.read("Error", "YesterdayNum", "0"));
}

YesterdayLimit yesterdayLimit(int yesterdayCount) {
    YesterdayLimit limit;
    if (yesterdayCount <= 0)
        return limit;
    limit.available = true;
    if (yesterdayCount > kMaxQuestions)
        return limit;  // the whole range; the count typed stays
    limit.maximum = yesterdayCount;
    limit.count = yesterdayCount;
    return limit;
}

CountProblem checkQuestionCount(std::string_view text, int maximum) {
    if (text.empty())
        return CountProblem::Unset;
    for (char c : text) {
        if (c < '0' || c > '9')
            return text.front() == '-' && text.size() > 1 ? CountProblem::OutOfRange
                                                           : CountProblem::NotNumber;
    }
    std::optional<long long> n = parseDecimal(text);
    if (!n)
        return CountProblem::OutOfRange;  // more digits than any count
    if (*n == 0)
        return CountProblem::Unset;
    if (*n > maximum)
        return CountProblem::OutOfRange;
    return CountProblem::None;
}

std::string countProblemMessage(CountProblem problem, int maximum) {
    const std::string range = sj("1～") + std::to_string(maximum) + sj("問");
    switch (problem) {
    case CountProblem::None:
        return {};
    case CountProblem::Unset:
        return sj("出題数が未設定です");
    case CountProblem::NotNumber:
        return sj("出題数は、半角の数字で指定してください （") + range + sj("）");
    case CountProblem::OutOfRange:
        return sj("出題数は、設定範囲 （") + range + sj("） の中で指定してください");
    }
    return {};
}

FileStatus storeQuestionOrder(const std::string& setupIni, const DrillModes& modes) {
    IniFile ini(setupIni);
    ini.write("QuestionSetup", "NotSameQuestion", modes.notSameQuestion ? "1" : "0");
    ini.write("QuestionSetup", "NotRandom", modes.notRandom ? "1" : "0");
    ini.write("QuestionSetup", "NotRandomContinue", modes.notRandomContinue ? "1" : "0");
    return ini.save();
}

void applyQuestionOrder(DrillModes& modes, const QuestionSetupKeys& keys) {
    modes.notSameQuestion = keys.NotSameQuestion == 1;
    modes.notRandom = keys.NotRandom == 1;
    modes.notRandomContinue = keys.NotRandomContinue == 1;
}

int answerTypeOfChoiceKind(int choiceKind) {
    return choiceKind >= 0 && choiceKind <= 2 ? choiceKind + 1 : 0;
}

} // namespace qor
