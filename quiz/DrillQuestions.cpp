// The drill's start and the sources of its questions: the checks and settings of a new
// drill, then which dictionary line comes next for each kind of question.
#include "quiz/Drill.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/DrawInTurn.h"
#include "quiz/DrillTexts.h"
#include "words/AnswerFile.h"
#include "words/WordEntry.h"

#include <algorithm>

namespace qor {

using namespace drill_texts;

// ---------------------------------------------------------------- start procedure

bool Drill::start(const DrillStart& how) {
    DrillState& s = *state_;
    if (s.phase != DrillPhase::Idle) return false;

    // Refuse what the question sources cannot work with before anything changes.
    std::optional<long long> count = parseDecimal(how.questionCountText);
    if (!count || *count < 1 || *count > kMaxQuestions) {
        shell_.notice(sj("出題数には、1 から 1000 までの数を指定してください"), sj("エラー"),
                      kWarning);
        return false;
    }
    questionRead_ = DictionaryRead::of(how.dictionaryPath);
    const DictionaryRead& dictionary = *questionRead_;
    if (!dictionary.status()) {
        shell_.fileError(dictionary.status());
        questionRead_.reset();
        return false;
    }
    if (dictionary.count() == 0) {
        questionRead_.reset();
        shell_.notice(sj("指定された辞書には、単語が登録されていません"), sj("エラー"), kWarning);
        return false;
    }

    s.choiceTexts.clear();
    if (how.fromToolbar) s.modes.clearHistoryModes();

    s.dictionaryPath = how.dictionaryPath;
    s.dictionaryFileName = fileNameOf(how.dictionaryPath);
    s.dictionaryName = dictionaryName(s.dictionaryFileName);
    s.wordCount = static_cast<int>(dictionary.count());
    s.direction = how.direction == 1 ? 1 : 0;
    s.choiceMode = how.answerType >= 1 && how.answerType <= 3 && !s.modes.memorizeOnly;
    s.choiceKind = s.choiceMode ? how.answerType - 1 : 0;
    s.choiceTexts = s.choiceMode ? placeholders() : std::vector<std::string>{};
    display_.setChoices(s.choiceTexts, s.choiceMode);

    files_->beginDrill();
    reportedFiles_.clear();
    if (FileStatus st = files_->registerDictionary(s.dictionaryFileName); !st) shell_.fileError(st);
    s.answerFilePath = settings_.userFile(answerFileName(s.dictionaryName));
    answerFileReported_ = false;
    if (FileStatus st = files_->ensureAnswerFile(); !st) shell_.fileError(st);

    if (s.modes.yesterday) {
        // Numbers that name no line of this dictionary (a hand-edited or older record)
        // would ask an empty question.
        s.yesterdayList.clear();
        for (const std::string& item : files_->yesterdayList()) {
            auto n = parseDecimal(item);
            if (n && *n >= 0 && *n < s.wordCount) s.yesterdayList.push_back(item);
        }
    }
    if (activeSource(s.modes) == QuestionSource::DailyReview &&
        !chooseReviewLines(dictionary, static_cast<int>(*count))) {
        questionRead_.reset();
        return false;
    }
    if (s.modes.custom && !customLinesBelongTo(dictionary)) {
        // A custom list chosen for another dictionary (the toolbar keeps the source while
        // the dictionary changes) would ask words the records cannot name.
        s.modes.custom = false;
        s.customLines.clear();
        shell_.notice(
            sj("出題する単語の一覧は、この辞書のものではありません。\n辞書から出題します。"),
            sj("出題の設定"), kInformation);
    }
    if (s.modes.notSameQuestion) {
        // Every draw of the whole list is made, but only the places that a drill of this
        // many questions can reach are looked for and kept.
        const std::size_t items =
            s.modes.custom ? s.customLines.size() : static_cast<std::size_t>(s.wordCount);
        s.shuffled.clear();
        for (std::size_t place :
             drawnPlaces(items, static_cast<std::size_t>(*count), programRandom()))
            s.shuffled.push_back(s.modes.custom ? s.customLines[place]
                                                : number(static_cast<int>(place)));
    }
    s.recentSlot = files_->recentDrillSlot();
    s.questionCount = static_cast<int>(*count);
    // The daily review asks each of its words once: fewer than the count when fewer are due.
    if (activeSource(s.modes) == QuestionSource::DailyReview && !s.reviewLines.empty())
        s.questionCount = static_cast<int>(s.reviewLines.size());

    if (s.direction == 0) {
        display_.setPrompts(sj("次の単語の意味はなに？"), sj(" の意味は、、、"));
        if (s.choiceMode)
            display_.setInputMethod(InputMethod::Off);
        else if (settings_.window.AutoImeOn)
            display_.setInputMethod(InputMethod::Hiragana);
    } else {
        display_.setPrompts(sj("次の日本語を英語にすると？"), sj(" の綴りは、、、"));
        if (settings_.window.AutoImeOn) display_.setInputMethod(InputMethod::English);
    }

    clearBoxes();
    s.hiddenChoices.clear();
    s.correctCount = 0;
    s.wrongCount = 0;
    s.askedCount = 0;
    s.repeat = false;
    s.accepted = false;
    drillPercent_ = 0;

    std::optional<PoolLine> first = firstLine();
    if (!first) {
        questionRead_.reset();
        return false;
    }

    s.asked[0] = first->text;
    s.history.lines().asked[0] = first->text;
    takeEntry(*first);
    s.phase = s.modes.memorizeOnly ? DrillPhase::MemorizeAsking : DrillPhase::Asking;
    presentEntry(!how.fromToolbar);
    questionRead_.reset();

    s.askedCount = 1;
    display_.setBar(DataBar::QuestionNum, ratio(1, s.questionCount), 1, s.questionCount);
    display_.setBar(DataBar::AtariNum, ratio(0, s.questionCount), 0, s.questionCount);
    display_.setBar(DataBar::HazureNum, ratio(0, s.questionCount), 0, s.questionCount);
    display_.setBar(DataBar::Percent, ratio(0, 100) + sj(" ％"), 0, 100);

    if (activeSource(s.modes) == QuestionSource::NotRandom) advancePositions();

    // The toolbar keeps the learner's count for the drills that follow.
    shell_.showDrillSetup(s.dictionaryFileName, s.choiceMode ? s.choiceKind + 1 : 0, s.direction,
                          static_cast<int>(*count));
    display_.focusAnswer();
    s.startTime = DateTexts::of(programClock().now()).clock;
    startQuestionTimer();
    questionShown();
    return true;
}

// ---------------------------------------------------------------- question sources

bool Drill::chooseReviewLines(const DictionaryRead& dictionary, int questionCount) {
    DrillState& s = *state_;
    std::vector<std::string> keys;
    keys.reserve(dictionary.count());
    for (std::size_t i = 0; i < dictionary.count(); ++i) {
        const WordEntry parts = splitEntry(*dictionary.line(i));
        keys.push_back(wordKey(parts.english, parts.japanese));
    }
    FileStatus read;
    const ReviewPlan plan = files_->reviewPlan(keys, StudyDay::of(programClock().now()), read);
    if (!read) {
        shell_.fileError(read);
        return false;
    }
    // In the plan's order (most overdue first, then new words), not shuffled.
    const std::size_t asked = std::min(plan.lines.size(), static_cast<std::size_t>(questionCount));
    s.reviewLines.assign(plan.lines.begin(), plan.lines.begin() + static_cast<std::ptrdiff_t>(asked));
    return true;
}

const DictionaryRead& Drill::questionDictionary() {
    if (!questionRead_) {
        questionRead_ = DictionaryRead::of(state_->dictionaryPath);
        if (!questionRead_->status()) shell_.fileError(questionRead_->status());
    }
    return *questionRead_;
}

std::string Drill::dictionaryLine(int index) {
    if (index < 0) return {};
    auto line = questionDictionary().line(static_cast<std::size_t>(index));
    return line ? std::string(*line) : std::string();
}

int Drill::indexOfLine(const std::string& text) {
    auto index = questionDictionary().indexOf(text);
    return index ? static_cast<int>(*index) : -1;
}

std::optional<Drill::PoolLine> Drill::firstLine() {
    DrillState& s = *state_;
    auto fromText = [](const std::string& text) { return PoolLine{text, -1}; };
    auto fromNumber = [this](const std::string& text) {
        int index = static_cast<int>(parseDecimal(text).value_or(-1));
        return PoolLine{dictionaryLine(index), index};
    };
    switch (activeSource(s.modes)) {
    case QuestionSource::SameQuestions:
        return fromText(s.asked[0]);
    case QuestionSource::LastErrors:
        return fromText(s.missed[0]);
    case QuestionSource::EarlierDrill:
        return fromText(s.history.slot(s.modes.historySlot).asked[0]);
    case QuestionSource::EarlierErrors:
        return fromText(s.history.slot(s.modes.historySlot).missed[0]);
    case QuestionSource::Yesterday:
        if (s.yesterdayList.empty()) {
            shell_.notice(sj("昨日間違えた単語のデータがありません"), sj("選択不可能"),
                          kInformation);
            return std::nullopt;
        }
        return fromNumber(s.yesterdayList[0]);
    case QuestionSource::DailyReview:
        if (s.reviewLines.empty()) {
            shell_.notice(sj("復習する単語がありません"), sj("選択不可能"), kInformation);
            return std::nullopt;
        }
        return PoolLine{dictionaryLine(s.reviewLines[0]), s.reviewLines[0]};
    case QuestionSource::NotSameQuestion:
        return s.modes.custom ? fromText(s.shuffled.empty() ? std::string() : s.shuffled[0])
                              : fromNumber(s.shuffled.empty() ? "0" : s.shuffled[0]);
    case QuestionSource::NotRandom:
        if (s.modes.custom && !s.customLines.empty()) {
            s.customIndex = 0;
            return fromText(s.customLines[0]);
        }
        s.plainPosition = 0;
        if (s.modes.notRandomContinue) {
            int p = files_->continuePosition(s.dictionaryFileName);
            if (p < 0 || p >= s.wordCount) p = 0; // the dictionary has shrunk since
            s.continuePosition = p;
            return PoolLine{dictionaryLine(p), p};
        }
        s.continuePosition = 0;
        return PoolLine{dictionaryLine(0), 0};
    case QuestionSource::Custom:
        if (s.customLines.empty()) return PoolLine{dictionaryLine(0), 0};
        s.customIndex = 0;
        return fromText(s.customLines[0]);
    case QuestionSource::Importance: {
        FileStatus read;
        RatedLines kept = files_->importantLines(s.modes.levels, read);
        if (!read) {
            shell_.fileError(read);
            return std::nullopt;
        }
        if (kept.lines.empty()) {
            shell_.notice(sj("指定された重要度の単語がありません"), sj("選択不可能"), kWarning);
            return std::nullopt;
        }
        // As many as the drill can ask (the list starts over only after its last item),
        // made into texts only now.
        s.importanceList.clear();
        for (std::size_t place : drawnPlaces(kept.lines.size(),
                                             static_cast<std::size_t>(s.questionCount),
                                             programRandom()))
            s.importanceList.emplace_back(kept.text(kept.lines[place]));
        s.importancePosition = 0;
        return fromText(s.importanceList[0]);
    }
    case QuestionSource::Random:
        break;
    }
    int index = programRandom().below(s.wordCount);
    return PoolLine{dictionaryLine(index), index};
}

Drill::PoolLine Drill::nextLine() {
    DrillState& s = *state_;
    const std::size_t k = static_cast<std::size_t>(s.askedCount);
    // The lists of the history sources hold at least the question count; a list that is
    // shorter (a count typed past it) starts over rather than reading past its end.
    auto item = [](const auto& list, std::size_t i, std::size_t size) -> const std::string& {
        return list[size == 0 ? 0 : i % size];
    };
    auto listed = [&](const LineList& list) { return PoolLine{list[k % kListSlots], -1}; };
    auto fromNumber = [this](const std::string& text) {
        int index = static_cast<int>(parseDecimal(text).value_or(-1));
        return PoolLine{dictionaryLine(index), index};
    };
    switch (activeSource(s.modes)) {
    case QuestionSource::SameQuestions:
        return listed(s.asked);
    case QuestionSource::LastErrors:
        return listed(s.missed);
    case QuestionSource::EarlierDrill:
        return listed(s.history.slot(s.modes.historySlot).asked);
    case QuestionSource::EarlierErrors:
        return listed(s.history.slot(s.modes.historySlot).missed);
    case QuestionSource::Yesterday:
        return fromNumber(item(s.yesterdayList, k, s.yesterdayList.size()));
    case QuestionSource::DailyReview: {
        if (s.reviewLines.empty()) break;
        const int index = s.reviewLines[k % s.reviewLines.size()];
        return PoolLine{dictionaryLine(index), index};
    }
    case QuestionSource::NotSameQuestion:
        if (s.shuffled.empty()) break;
        if (s.modes.custom) return PoolLine{item(s.shuffled, k, s.shuffled.size()), -1};
        return fromNumber(item(s.shuffled, k, s.shuffled.size()));
    case QuestionSource::NotRandom:
        if (s.modes.custom && !s.customLines.empty())
            return PoolLine{s.customLines[static_cast<std::size_t>(s.customIndex)], -1};
        if (s.modes.notRandomContinue)
            return PoolLine{dictionaryLine(s.continuePosition), s.continuePosition};
        return PoolLine{dictionaryLine(s.plainPosition), s.plainPosition};
    case QuestionSource::Custom: {
        int n = static_cast<int>(s.customLines.size());
        if (n == 0) break;
        int index = s.customIndex;
        if (n > 1) {
            do
                index = programRandom().below(n);
            while (index == s.customIndex);
        } else {
            index = 0;
        }
        s.customIndex = index;
        return PoolLine{s.customLines[static_cast<std::size_t>(index)], -1};
    }
    case QuestionSource::Importance: {
        int n = static_cast<int>(s.importanceList.size());
        if (n == 0) break;
        if (s.importancePosition >= n - 1) {
            if (s.modes.importanceFollowOn) {
                s.importancePosition = n; // past the list: plain random from now on
                int index = programRandom().below(s.wordCount);
                return PoolLine{dictionaryLine(index), index};
            }
            s.importancePosition = 0;
        } else {
            ++s.importancePosition;
        }
        return PoolLine{s.importanceList[static_cast<std::size_t>(s.importancePosition)], -1};
    }
    case QuestionSource::Random:
        break;
    }
    int index = programRandom().below(s.wordCount);
    return PoolLine{dictionaryLine(index), index};
}

void Drill::advancePositions() {
    DrillState& s = *state_;
    if (s.wordCount <= 0) return;
    s.plainPosition = (s.plainPosition + 1) % s.wordCount;
    s.continuePosition = (s.continuePosition + 1) % s.wordCount;
    if (s.modes.custom && !s.customLines.empty())
        s.customIndex = (s.customIndex + 1) % static_cast<int>(s.customLines.size());
}

} // namespace qor
