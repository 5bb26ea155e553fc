#include "quiz/Drill.h"

#include "sound/Voice.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/Percentage.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/AnswerFormHint.h"
#include "words/AnswerFile.h"
#include "words/WordEntry.h"

#include <algorithm>

namespace qor {

namespace {

constexpr int kWarning = 0;
constexpr int kInformation = 1;

std::string number(int n) {
    return std::to_string(n);
}

// " ： a / b"
std::string ratio(int a, int b) {
    return sj(" ： ") + number(a) + " / " + number(b);
}

std::string firstAlternative(const std::string& side) {
    std::size_t comma = find(side, ',');
    return comma == std::string::npos ? side : side.substr(0, comma);
}

} // namespace

std::vector<std::string> choicePlaceholders(int n) {
    static const char* digits[] = {"１", "２", "３", "４", "５"};
    std::vector<std::string> out;
    for (int i = 0; i < n && i < 5; ++i)
        out.push_back(sj("正解 ") + sj(digits[i]));
    return out;
}

Drill::Drill(const TUserSettings& settings, DrillView& view)
    : settings_(settings), view_(view), state_(std::make_unique<DrillState>()),
      files_(std::make_unique<DrillFiles>(settings, *state_)) {}

Drill::~Drill() = default;

int Drill::drillPercentage() const {
    return drillPercent_;
}

// ---------------------------------------------------------------- start procedure

bool Drill::start(const DrillStart& how) {
    DrillState& s = *state_;
    if (s.phase != DrillPhase::Idle)
        return false;

    // Refuse what the question sources cannot work with before anything changes.
    std::optional<long long> count = parseDecimal(how.questionCountText);
    if (!count || *count < 1 || *count > kMaxQuestions) {
        view_.notice(sj("出題数には、1 から 1000 までの数を指定してください"), sj("エラー"),
                     kWarning);
        return false;
    }
    questionRead_ = DictionaryRead::of(how.dictionaryPath);
    const DictionaryRead& dictionary = *questionRead_;
    if (!dictionary.status()) {
        view_.fileError(dictionary.status());
        questionRead_.reset();
        return false;
    }
    if (dictionary.count() == 0) {
        questionRead_.reset();
        view_.notice(sj("指定された辞書には、単語が登録されていません"), sj("エラー"), kWarning);
        return false;
    }

    s.choiceTexts.clear();
    if (how.fromToolbar)
        s.modes.clearHistoryModes();

    s.dictionaryPath = how.dictionaryPath;
    s.dictionaryFileName = fileNameOf(how.dictionaryPath);
    s.dictionaryName = dictionaryName(s.dictionaryFileName);
    s.wordCount = static_cast<int>(dictionary.count());
    s.direction = how.direction == 1 ? 1 : 0;
    s.choiceMode = how.answerType >= 1 && how.answerType <= 3 && !s.modes.memorizeOnly;
    s.choiceKind = s.choiceMode ? how.answerType - 1 : 0;
    s.choiceTexts = s.choiceMode ? placeholders() : std::vector<std::string>{};
    view_.setChoices(s.choiceTexts, s.choiceMode);

    files_->beginDrill();
    reportedFiles_.clear();
    if (FileStatus st = files_->registerDictionary(s.dictionaryFileName); !st)
        view_.fileError(st);
    s.answerFilePath = settings_.userFile(answerFileName(s.dictionaryName));
    answerFileReported_ = false;
    if (FileStatus st = files_->ensureAnswerFile(); !st)
        view_.fileError(st);

    if (s.modes.yesterday) {
        // Numbers that name no line of this dictionary (a hand-edited or older record)
        // would ask an empty question.
        s.yesterdayList.clear();
        for (const std::string& item : files_->yesterdayList()) {
            auto n = parseDecimal(item);
            if (n && *n >= 0 && *n < s.wordCount)
                s.yesterdayList.push_back(item);
        }
    }
    if (s.modes.custom && !customLinesBelongTo(dictionary)) {
        // A custom list chosen for another dictionary (the toolbar keeps the source while
        // the dictionary changes) would ask words the records cannot name.
        s.modes.custom = false;
        s.customLines.clear();
        view_.notice(sj("出題する単語の一覧は、この辞書のものではありません。\n辞書から出題します。"),
                     sj("出題の設定"), kInformation);
    }
    if (s.modes.notSameQuestion) {
        std::vector<std::string> items;
        if (s.modes.custom) {
            items = s.customLines;
        } else {
            for (int i = 0; i < s.wordCount; ++i)
                items.push_back(number(i));
        }
        s.shuffled = shuffledFrom(std::move(items));
    }
    s.recentSlot = files_->recentDrillSlot();
    s.questionCount = static_cast<int>(*count);

    if (s.direction == 0) {
        view_.setPrompts(sj("次の単語の意味はなに？"), sj(" の意味は、、、"));
        if (s.choiceMode)
            view_.setInputMethod(InputMethod::Off);
        else if (settings_.AutoImeOn == 1)
            view_.setInputMethod(InputMethod::Hiragana);
    } else {
        view_.setPrompts(sj("次の日本語を英語にすると？"), sj(" の綴りは、、、"));
        if (settings_.AutoImeOn == 1)
            view_.setInputMethod(InputMethod::English);
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
    view_.setBar(DataBar::QuestionNum, ratio(1, s.questionCount), 1, s.questionCount);
    view_.setBar(DataBar::AtariNum, ratio(0, s.questionCount), 0, s.questionCount);
    view_.setBar(DataBar::HazureNum, ratio(0, s.questionCount), 0, s.questionCount);
    view_.setBar(DataBar::Percent, ratio(0, 100) + sj(" ％"), 0, 100);

    if (activeSource(s.modes) == QuestionSource::NotRandom)
        advancePositions();

    view_.showDrillSetup(s.dictionaryFileName, s.choiceMode ? s.choiceKind + 1 : 0, s.direction,
                         s.questionCount);
    view_.focusAnswer();
    s.startTime = DateTexts::of(programClock().now()).clock;
    startQuestionTimer();
    return true;
}

// ---------------------------------------------------------------- question sources

std::vector<std::string> Drill::shuffledFrom(std::vector<std::string> items) {
    std::vector<std::string> out;
    out.reserve(items.size());
    while (!items.empty()) {
        int r = programRandom().below(static_cast<int>(items.size()));
        out.push_back(std::move(items[static_cast<std::size_t>(r)]));
        items.erase(items.begin() + r);
    }
    return out;
}

const DictionaryRead& Drill::questionDictionary() {
    if (!questionRead_) {
        questionRead_ = DictionaryRead::of(state_->dictionaryPath);
        if (!questionRead_->status())
            view_.fileError(questionRead_->status());
    }
    return *questionRead_;
}

std::string Drill::dictionaryLine(int index) {
    if (index < 0)
        return {};
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
            view_.notice(sj("昨日間違えた単語のデータがありません"), sj("選択不可能"), kInformation);
            return std::nullopt;
        }
        return fromNumber(s.yesterdayList[0]);
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
            if (p < 0 || p >= s.wordCount)
                p = 0;  // the dictionary has shrunk since
            s.continuePosition = p;
            return PoolLine{dictionaryLine(p), p};
        }
        s.continuePosition = 0;
        return PoolLine{dictionaryLine(0), 0};
    case QuestionSource::Custom:
        if (s.customLines.empty())
            return PoolLine{dictionaryLine(0), 0};
        s.customIndex = 0;
        return fromText(s.customLines[0]);
    case QuestionSource::Importance: {
        FileStatus read;
        std::vector<std::string> kept = files_->importantLines(s.modes.levels, read);
        if (!read) {
            view_.fileError(read);
            return std::nullopt;
        }
        if (kept.empty()) {
            view_.notice(sj("指定された重要度の単語がありません"), sj("選択不可能"), kWarning);
            return std::nullopt;
        }
        s.importanceList = shuffledFrom(std::move(kept));
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
    auto listed = [&](const LineList& list) {
        return PoolLine{list[k % kListSlots], -1};
    };
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
    case QuestionSource::NotSameQuestion:
        if (s.shuffled.empty())
            break;
        if (s.modes.custom)
            return PoolLine{item(s.shuffled, k, s.shuffled.size()), -1};
        return fromNumber(item(s.shuffled, k, s.shuffled.size()));
    case QuestionSource::NotRandom:
        if (s.modes.custom && !s.customLines.empty())
            return PoolLine{s.customLines[static_cast<std::size_t>(s.customIndex)], -1};
        if (s.modes.notRandomContinue)
            return PoolLine{dictionaryLine(s.continuePosition), s.continuePosition};
        return PoolLine{dictionaryLine(s.plainPosition), s.plainPosition};
    case QuestionSource::Custom: {
        int n = static_cast<int>(s.customLines.size());
        if (n == 0)
            break;
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
        if (n == 0)
            break;
        if (s.importancePosition >= n - 1) {
            if (s.modes.importanceFollowOn) {
                s.importancePosition = n;  // past the list: plain random from now on
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
    if (s.wordCount <= 0)
        return;
    s.plainPosition = (s.plainPosition + 1) % s.wordCount;
    s.continuePosition = (s.continuePosition + 1) % s.wordCount;
    if (s.modes.custom && !s.customLines.empty())
        s.customIndex = (s.customIndex + 1) % static_cast<int>(s.customLines.size());
}

// ---------------------------------------------------------------- presentation

void Drill::takeEntry(const PoolLine& line) {
    DrillState& s = *state_;
    CurrentEntry& e = s.entry;
    e.lineText = line.text;
    // The records name a missed word by its line number, also when the source knew the
    // word only by its text.
    e.lineIndex = line.index >= 0 ? line.index : indexOfLine(line.text);
    WordEntry parts = splitEntry(line.text);
    e.english = parts.english;
    e.japanese = parts.japanese;
    e.comment = parts.comment;
    e.questionSide = s.direction == 0 ? parts.english : parts.japanese;
    e.answerSide = s.direction == 0 ? parts.japanese : parts.english;
    e.questionAlternatives = splitAlternatives(e.questionSide);
    e.answerAlternatives = splitAlternatives(e.answerSide);
}

void Drill::presentEntry(bool setFormHint) {
    DrillState& s = *state_;
    CurrentEntry& e = s.entry;

    const std::vector<std::string>& alts = e.questionAlternatives;
    e.shown = alts.empty() ? std::string() : alts.front();
    if (settings_.MultiRandomOn == 1) {
        std::vector<std::size_t> filled;
        for (std::size_t i = 0; i < alts.size(); ++i) {
            if (!alts[i].empty())
                filled.push_back(i);
        }
        if (!filled.empty())
            e.shown = alts[filled[static_cast<std::size_t>(
                programRandom().below(static_cast<int>(filled.size())))]];
    }
    view_.setQuestionText(e.shown);

    if (s.choiceMode)
        buildChoices();
    if (setFormHint)
        view_.setStatusText(1, answerFormHint(e.answerSide));
    if (settings_.ShowComment == 1)
        view_.setCommentText(e.comment);
    applyQuestionColour();
    showTypingHint();
    if (settings_.ShowPronunciation == 1)
        showPronunciation();
    else
        pronunciation_.clear();
    if (settings_.VoiceOn == 1)
        speakWord(true);

    DrillCommands c;
    c.start = false;
    c.result = true;
    c.stop = true;
    c.playVoice = settings_.VoiceOn == 1;
    c.nextWord = s.direction == 1;
    c.addVocBook = settings_.VocBookOn == 1;
    c.setupControls = false;
    view_.setCommands(c);
}

void Drill::buildChoices() {
    DrillState& s = *state_;
    const int n = s.choiceCount();
    s.hiddenChoices.clear();
    s.hiddenChoices.push_back(s.entry.lineText);
    std::vector<int> drawn;
    for (int i = 0; i < n - 1; ++i) {
        int index = programRandom().below(s.wordCount);
        bool taken = index == s.entry.lineIndex;
        for (int d : drawn)
            taken = taken || d == index;
        if (taken)
            index = programRandom().below(s.wordCount);  // the second draw is final
        drawn.push_back(index);
    }
    for (int index : drawn)
        s.hiddenChoices.push_back(dictionaryLine(index));
    s.choiceTexts.clear();
    for (int j = 0; j < n; ++j) {
        int r = programRandom().below(n - j);
        WordEntry parts = splitEntry(s.hiddenChoices[static_cast<std::size_t>(r)]);
        s.choiceTexts.push_back(firstAlternative(s.direction == 0 ? parts.japanese : parts.english));
        s.hiddenChoices.erase(s.hiddenChoices.begin() + r);
    }
    view_.setChoices(s.choiceTexts, true);
}

void Drill::showTypingHint() {
    DrillState& s = *state_;
    if (s.direction != 1)
        return;
    std::string answer = firstAlternative(s.entry.answerSide);
    s.hintLength = static_cast<int>(answer.size());
    s.hintCount = 1;
    if (settings_.ShowHint == 1 && !answer.empty())
        view_.setAnswerText(answer.substr(0, charLength(answer, 0)));
}

std::string Drill::voiceWord() const {
    const CurrentEntry& e = state_->entry;
    return state_->direction == 0 ? e.shown : e.answerSide;
}

void Drill::showPronunciation() {
    view_.setPronunciationText({});
    pronunciation_.clear();
    FileStatus status;
    std::optional<std::string> sign = files_->pronunciationOf(voiceWord(), status);
    if (!status && !status.isMissingFile()) {
        view_.fileError(status);
        return;
    }
    // A pronunciation file that is not there (none was made yet) simply has no data.
    pronunciation_ = sign ? *sign : std::string("========== no data ==========");
    view_.setPronunciationText(pronunciation_);
}

void Drill::speakWord(bool automatic) {
    if (automatic && settings_.AutoVoiceOn != 1)
        return;
    const VoiceRequest voice = voiceFor(settings_.VoiceType, settings_.HatsuonDir, voiceWord());
    if (voice.kind == VoiceRequest::Kind::WaveFile)
        view_.playWave(voice.what);
    else if (voice.kind == VoiceRequest::Kind::Companion)
        view_.sendCommand(voice.what);
}

void Drill::playVoice() {
    if (settings_.VoiceOn == 1 && state_->phase != DrillPhase::Idle)
        speakWord(false);
}

void Drill::applyQuestionColour() {
    view_.setQuestionWarning(false);
    if (settings_.ColorChangeOn != 1)
        return;
    int percent = settings_.ChangeType == 1 ? files_->wordPercentage(state_->entry.wordKey())
                                             : drillPercent_;
    view_.setQuestionWarning(percent <= settings_.ChangeColorPercent);
}

void Drill::startQuestionTimer() {
    DrillState& s = *state_;
    if (s.modes.memorizeOnly) {
        int limit = s.modes.memorizeSeconds;
        s.remainingMemorizeSeconds = limit;
        view_.setBar(DataBar::Time, ratio(limit, limit) + sj(" 秒"), limit, limit);
        view_.startTimer();
    } else if (settings_.TimeLimitOn == 1) {
        int limit = settings_.TimeLimit;
        s.remainingSeconds = limit;
        view_.setBar(DataBar::Time, ratio(limit, limit) + sj(" 秒"), limit, limit);
        view_.startTimer();
    }
}

void Drill::NextQuestion() {
    DrillState& s = *state_;
    // Each question reads the dictionary anew, once.
    questionRead_.reset();
    const bool again = s.repeat && settings_.RepeatError == 1;
    if (!again) {
        PoolLine line = nextLine();
        std::size_t slot = static_cast<std::size_t>(s.askedCount) % kListSlots;
        s.asked[slot] = line.text;
        s.history.lines().asked[slot] = line.text;
        takeEntry(line);
    }
    if (!again) {
        ++s.askedCount;
        view_.setBar(DataBar::QuestionNum, ratio(s.askedCount, s.questionCount), s.askedCount,
                     s.questionCount);
    }
    presentEntry(true);
    questionRead_.reset();
    if (!again && activeSource(s.modes) == QuestionSource::NotRandom)
        advancePositions();
    startQuestionTimer();
}

// ---------------------------------------------------------------- checking

std::string Drill::answerOnScreen() const {
    const DrillState& s = *state_;
    if (!s.choiceMode)
        return view_.answerText();
    int i = view_.selectedChoice();
    if (i < 0 || i >= static_cast<int>(s.choiceTexts.size()))
        return {};
    return s.choiceTexts[static_cast<std::size_t>(i)];
}

bool Drill::answerIsRight(const std::string& answer) {
    if (answer.empty())
        return false;
    const CurrentEntry& e = state_->entry;
    const bool ignoreCase = settings_.IgnoreCase == 1;
    const std::string lowered = ignoreCase ? lowerAscii(answer) : std::string();
    for (const std::string& alt : e.answerAlternatives) {
        if (alt == answer || (ignoreCase && lowerAscii(alt) == lowered))
            return true;
    }
    if (state_->choiceMode)
        return false;
    FileStatus read;
    bool accepted = files_->answerFileAccepts(e.shown, answer, read);
    if (!read && !answerFileReported_) {
        // Once per drill: the answers are judged by the dictionary alone meanwhile.
        answerFileReported_ = true;
        view_.fileError(read);
    }
    return accepted;
}

bool Drill::customLinesBelongTo(const DictionaryRead& dictionary) const {
    for (const std::string& custom : state_->customLines) {
        if (!dictionary.indexOf(custom))
            return false;
    }
    return true;
}

Verdict Drill::verdict(const std::string& answer) const {
    const CurrentEntry& e = state_->entry;
    Verdict v;
    v.lineText = e.lineText;
    v.answerSide = e.answerSide;
    v.comment = e.comment;
    v.shown = e.shown;
    v.typedAnswer = answer;
    std::size_t lf = pronunciation_.find('\n');
    v.pronunciation = lf == std::string::npos ? pronunciation_ : pronunciation_.substr(0, lf);
    v.wordAsked = figures_.word.asked;
    v.wordPercentage = figures_.word.percent;
    v.canAccept = !state_->choiceMode;
    return v;
}

void Drill::countRight() {
    DrillState& s = *state_;
    ++s.correctCount;
    view_.setBar(DataBar::AtariNum, ratio(s.correctCount, s.questionCount), s.correctCount,
                 s.questionCount);
}

void Drill::recordMiss() {
    DrillState& s = *state_;
    std::size_t slot = static_cast<std::size_t>(s.wrongCount) % kListSlots;
    s.missed[slot] = s.entry.lineText;
    s.history.lines().missed[slot] = s.entry.lineText;
    reportAll(files_->recordMiss(s.entry));
    if (settings_.RepeatError == 1)
        s.repeat = true;
    ++s.wrongCount;
    view_.setBar(DataBar::HazureNum, ratio(s.wrongCount, s.questionCount), s.wrongCount,
                 s.questionCount);
}

void Drill::reportAll(const std::vector<FileStatus>& statuses) {
    for (const FileStatus& st : statuses)
        reportOnce(st);
}

void Drill::reportOnce(const FileStatus& status) {
    // A full disk or a read-only folder fails every answer alike: the learner is told
    // once per drill for each file, not once per answer.
    if (!status && reportedFiles_.insert(status.path()).second)
        view_.fileError(status);
}

void Drill::ResultCheck() {
    DrillState& s = *state_;
    s.accepted = false;
    s.repeat = false;
    figures_ = files_->loadFigures(s.entry);
    const std::string answer = answerOnScreen();
    const bool right = answerIsRight(answer);
    figures_.word.count(right);
    figures_.month.count(right);
    auto verdictText = [&](const char* head, const char* answerLabel) {
        return sj(head) + number(figures_.word.asked) + sj("問\n正解率 ： ") +
               figures_.word.percent + sj("％\n\n") + sj(answerLabel) + s.entry.answerSide +
               sj("\nコメント ： ") + s.entry.comment;
    };
    auto changeImportance = [&](bool raise) {
        if (settings_.AutoImportantOn != 1)
            return;
        reportOnce(raise ? files_->raiseImportance(s.entry.lineText)
                         : files_->lowerImportance(s.entry.lineText));
    };

    if (right) {
        if (settings_.AtariOn == 1)
            view_.playWave(settings_.AtariSoundFile);
        if (settings_.VoiceOn == 1)
            view_.sendCommand("ANI;1");
        changeImportance(false);
        if (settings_.ShowResult == 1 && settings_.ShowErrorOnly != 1) {
            if (settings_.ShowEasyAtari == 1)
                view_.notice(verdictText("正解です\n\n出題数 ： ", "他の正解 ： "), sj("結果発表"),
                             kInformation);
            else
                view_.showAtari(verdict(answer));
        }
        countRight();
    } else {
        if (settings_.HazureOn == 1)
            view_.playWave(settings_.HazureSoundFile);
        if (settings_.VoiceOn == 1)
            view_.sendCommand("ANI;2");
        changeImportance(true);
        if (settings_.ShowResult == 1) {
            if (settings_.ShowEasyError == 1)
                view_.notice(verdictText("不正解です\n\n出題数 ： ", "正解 ： "), sj("結果発表"),
                             kInformation);
            else
                s.accepted = view_.showResultError(verdict(answer));
        }
        if (!s.choiceMode && s.accepted) {
            if (settings_.VoiceOn == 1)
                view_.sendCommand("ANI;13");
            changeImportance(false);
            figures_.word.accept();
            figures_.month.accept();
            countRight();
        } else {
            recordMiss();
        }
    }
    view_.setStatusText(2, sj("今月 ： ") + figures_.month.percent + sj("％"));
}

void Drill::RepeatResultCheck() {
    DrillState& s = *state_;
    s.accepted = false;
    s.repeat = false;
    const std::string answer = answerOnScreen();
    const std::string tail = s.entry.answerSide + sj("\nコメント ： ") + s.entry.comment;
    if (answerIsRight(answer)) {
        if (settings_.AtariOn == 1)
            view_.playWave(settings_.AtariSoundFile);
        if (settings_.VoiceOn == 1)
            view_.sendCommand("ANI;1");
        if (settings_.ShowResult == 1 && settings_.ShowErrorOnly != 1)
            view_.notice(sj("正解です\n\n他の正解 ： ") + tail, sj("結果発表"), kInformation);
        return;
    }
    if (settings_.HazureOn == 1)
        view_.playWave(settings_.HazureSoundFile);
    if (settings_.VoiceOn == 1)
        view_.sendCommand("ANI;2");
    if (s.choiceMode) {
        if (settings_.ShowResult == 1)
            view_.notice(sj("不正解です\n\n正解 ： ") + tail, sj("結果発表"), kInformation);
        s.repeat = true;
        return;
    }
    if (settings_.ShowResult == 1) {
        if (settings_.ShowEasyError == 1)
            view_.notice(sj("不正解です\n\n正解 ： ") + tail, sj("結果発表"), kInformation);
        else
            s.accepted = view_.showResultError(verdict(answer));
    }
    s.repeat = !s.accepted;
}

void Drill::OnlyMemorizeNext() {
    DrillState& s = *state_;
    view_.notice(sj("正解 ： ") + s.entry.answerSide + sj("\nコメント ： ") + s.entry.comment,
                 sj("正解表示"), kInformation);
    if (s.askedCount >= s.questionCount) {
        endMemorizeDrill();
        return;
    }
    view_.setQuestionText({});
    view_.setCommentText({});
    NextQuestion();
    view_.focusAnswer();
}

// ---------------------------------------------------------------- control

void Drill::submit() {
    DrillState& s = *state_;
    if (s.phase == DrillPhase::Idle)
        return;
    view_.stopTimer();
    if (s.phase == DrillPhase::MemorizeAsking) {
        // A memorize-only drill judges nothing and records nothing.
        OnlyMemorizeNext();
        return;
    }
    const bool repeating = settings_.RepeatError == 1 && s.repeat;
    if (repeating)
        RepeatResultCheck();
    else
        ResultCheck();
    clearBoxes();
    view_.selectChoice(-1);
    if (settings_.RepeatError == 1 && s.repeat) {
        NextQuestion();
        view_.focusAnswer();
        return;
    }
    reportAll(files_->saveFigures(s.entry, figures_));
    drillPercent_ = percentage(s.correctCount, s.askedCount);
    view_.setBar(DataBar::Percent, ratio(drillPercent_, 100) + sj(" ％"), drillPercent_, 100);
    if (s.askedCount < s.questionCount) {
        NextQuestion();
        view_.focusAnswer();
        return;
    }
    finishDrill();
}

void Drill::finishDrill() {
    DrillState& s = *state_;
    reportAll(files_->saveStudyDetail(s.recentSlot, drillPercent_));
    if (s.correctCount == s.questionCount) {
        if (settings_.FinishOn == 1)
            view_.playWave(settings_.FinishSoundFile);
        if (settings_.VoiceOn == 1)
            view_.sendCommand("VEXA;empCongratulation!");
    }
    DrillSummary summary{s.questionCount, s.correctCount, s.wrongCount, drillPercent_};
    view_.showDrillEnd(summary, settings_.ErrorDialogOn == 1);
    if (s.modes.notRandomContinue)
        reportOnce(files_->storeContinuePosition(s.dictionaryFileName, s.continuePosition));

    s.endTime = DateTexts::of(programClock().now()).clock;
    DrillRecord& totals = s.history.advance();
    totals.dictionaryPath = s.dictionaryPath;
    totals.questionCount = s.questionCount;
    totals.correctCount = s.correctCount;
    totals.wrongCount = s.wrongCount;
    totals.percentage = drillPercent_;
    totals.startTime = s.startTime;
    totals.endTime = s.endTime;
    if (settings_.MakeLogFile == 1)
        reportOnce(files_->makeStudyLog(summary));
    backToIdle();
    s.historyOptionsEnabled = true;
    view_.drillCompleted();
}

std::vector<std::string> Drill::placeholders() const {
    return choicePlaceholders(state_->choiceCount());
}

void Drill::resetBars() {
    view_.setBar(DataBar::QuestionNum, ratio(0, 0), 0, 0);
    view_.setBar(DataBar::AtariNum, ratio(0, 0), 0, 0);
    view_.setBar(DataBar::HazureNum, ratio(0, 0), 0, 0);
    view_.setBar(DataBar::Percent, ratio(0, 0) + sj(" ％"), 0, 100);
    view_.setBar(DataBar::Time, ratio(0, 0) + sj(" 秒"), 0, 0);
}

void Drill::clearBoxes() {
    view_.setQuestionText({});
    view_.setCommentText({});
    view_.setPronunciationText({});
    view_.setAnswerText({});
}

void Drill::backToIdle() {
    DrillState& s = *state_;
    s.phase = DrillPhase::Idle;
    view_.setCommands(DrillCommands{});
    resetBars();
    view_.setStatusText(1, {});
    view_.setStatusText(2, {});
    view_.setQuestionWarning(false);
    if (s.choiceMode) {
        s.choiceTexts = placeholders();
        view_.setChoices(s.choiceTexts, false);
    }
    s.askedCount = 0;
    s.plainPosition = 0;
    drillPercent_ = 0;
}

void Drill::stop() {
    DrillState& s = *state_;
    if (s.phase == DrillPhase::Idle)
        return;
    view_.stopTimer();
    clearBoxes();
    s.hiddenChoices.clear();
    s.repeat = false;
    backToIdle();
    view_.drillStopped();
}

void Drill::endMemorizeDrill() {
    DrillState& s = *state_;
    view_.stopTimer();
    s.modes.memorizeOnly = false;
    if (s.modes.notRandomContinue)
        reportOnce(files_->storeContinuePosition(s.dictionaryFileName, s.continuePosition));
    clearBoxes();
    s.hiddenChoices.clear();
    backToIdle();
}

void Drill::reset() {
    DrillState& s = *state_;
    view_.stopTimer();
    clearBoxes();
    s.hiddenChoices.clear();
    s.repeat = false;
    backToIdle();
}

void Drill::timerTick() {
    DrillState& s = *state_;
    if (s.phase == DrillPhase::Idle) {
        view_.stopTimer();
        return;
    }
    if (settings_.VoiceOn == 1)
        view_.sendCommand("ANI;14");
    if (s.phase == DrillPhase::MemorizeAsking) {
        if (s.remainingMemorizeSeconds == 0) {
            view_.stopTimer();
            OnlyMemorizeNext();
            return;
        }
        --s.remainingMemorizeSeconds;
        view_.setBar(DataBar::Time,
                     ratio(s.remainingMemorizeSeconds, s.modes.memorizeSeconds) + sj(" 秒"),
                     s.remainingMemorizeSeconds, s.modes.memorizeSeconds);
        return;
    }
    if (s.remainingSeconds == 0) {
        view_.stopTimer();
        submit();
        return;
    }
    --s.remainingSeconds;
    view_.setBar(DataBar::Time, ratio(s.remainingSeconds, settings_.TimeLimit) + sj(" 秒"),
                 s.remainingSeconds, settings_.TimeLimit);
}

void Drill::HintShow() {
    DrillState& s = *state_;
    if (s.phase != DrillPhase::Asking || s.direction != 1)
        return;
    const std::string answer = firstAlternative(s.entry.answerSide);
    s.hintLength = static_cast<int>(answer.size());
    std::string typed = view_.answerText();
    // Reveal whole characters: the next one starts at the first character boundary of
    // the answer at or after the typed length.
    std::size_t pos = 0;
    while (pos < typed.size() && pos < answer.size())
        pos += charLength(answer, pos);
    std::size_t end = pos < answer.size() ? pos + charLength(answer, pos) : pos + 1;
    if (static_cast<int>(end) >= s.hintLength) {
        submit();
        return;
    }
    view_.setAnswerText(typed + answer.substr(pos, end - pos));
    ++s.hintCount;
}

bool Drill::choiceKey(int digit) {
    DrillState& s = *state_;
    if (!s.choiceMode || s.phase != DrillPhase::Asking)
        return false;
    if (digit < 1 || digit > s.choiceCount())
        return false;
    view_.selectChoice(digit - 1);
    choiceClicked();
    return true;
}

void Drill::choiceClicked() {
    if (settings_.ClickResult == 1 && state_->phase == DrillPhase::Asking)
        submit();
}

bool Drill::memorizeKey() {
    DrillState& s = *state_;
    if (s.phase != DrillPhase::MemorizeAsking || s.choiceMode)
        return false;
    view_.stopTimer();
    OnlyMemorizeNext();
    return true;
}

} // namespace qor
