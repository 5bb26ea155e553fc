#include "quiz/Drill.h"

#include "sound/Voice.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Percentage.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/AnswerFormHint.h"
#include "quiz/DrillTexts.h"
#include "records/ReviewGrade.h"
#include "sound/CompanionChannel.h"
#include "words/AnswerFile.h"
#include "words/WordEntry.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace qor {

using namespace drill_texts;

std::vector<std::string> choicePlaceholders(int n) {
    static const char* digits[] = {"１", "２", "３", "４", "５"};
    std::vector<std::string> out;
    for (int i = 0; i < n && i < 5; ++i)
        out.push_back(sj("正解 ") + sj(digits[i]));
    return out;
}

Drill::Drill(const TUserSettings& settings, DrillDisplay& display, DrillShell& shell)
    : settings_(settings), display_(display), shell_(shell), state_(std::make_unique<DrillState>()),
      files_(std::make_unique<DrillFiles>(settings, *state_)) {}

Drill::~Drill() = default;

int Drill::drillPercentage() const {
    return drillPercent_;
}

bool Drill::judgesTypedAnswer() const {
    return state_->phase == DrillPhase::Asking && !state_->choiceMode;
}

bool Drill::showsHints() const {
    return state_->phase == DrillPhase::Asking && state_->direction == 1;
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
    if (settings_.drill.MultiRandomOn) {
        std::vector<std::size_t> filled;
        for (std::size_t i = 0; i < alts.size(); ++i) {
            if (!alts[i].empty())
                filled.push_back(i);
        }
        if (!filled.empty())
            e.shown = alts[filled[static_cast<std::size_t>(
                programRandom().below(static_cast<int>(filled.size())))]];
    }
    display_.setQuestionText(e.shown);

    if (s.choiceMode)
        buildChoices();
    if (setFormHint)
        shell_.setStatusText(1, answerFormHint(e.answerSide));
    if (settings_.drill.ShowComment)
        display_.setCommentText(e.comment);
    applyQuestionColour();
    showTypingHint();
    if (settings_.drill.ShowPronunciation)
        showPronunciation();
    else
        pronunciation_.clear();
    if (settings_.sound.VoiceOn)
        speakWord(true);

    DrillCommands c;
    c.start = false;
    c.result = true;
    c.stop = true;
    c.playVoice = settings_.sound.VoiceOn;
    c.nextWord = s.direction == 1;
    c.addVocBook = settings_.files.VocBookOn;
    c.setupControls = false;
    shell_.setCommands(c);
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
    display_.setChoices(s.choiceTexts, true);
}

void Drill::showTypingHint() {
    DrillState& s = *state_;
    if (s.direction != 1)
        return;
    std::string answer = firstAlternative(s.entry.answerSide);
    s.hintLength = static_cast<int>(answer.size());
    s.hintCount = 1;
    if (settings_.drill.ShowHint && !answer.empty())
        display_.setAnswerText(answer.substr(0, charLength(answer, 0)));
}

std::string Drill::voiceWord() const {
    const CurrentEntry& e = state_->entry;
    return state_->direction == 0 ? e.shown : e.answerSide;
}

void Drill::showPronunciation() {
    display_.setPronunciationText({});
    pronunciation_.clear();
    FileStatus status;
    std::optional<std::string> sign = files_->pronunciationOf(voiceWord(), status);
    if (!status && !status.isMissingFile()) {
        shell_.fileError(status);
        return;
    }
    // A pronunciation file that is not there (none was made yet) simply has no data.
    pronunciation_ = sign ? *sign : std::string("========== no data ==========");
    display_.setPronunciationText(pronunciation_);
}

void Drill::speakWord(bool automatic) {
    if (automatic && !settings_.sound.AutoVoiceOn)
        return;
    const VoiceRequest voice = voiceFor(settings_.sound.VoiceType, settings_.sound.HatsuonDir, voiceWord());
    if (voice.kind == VoiceRequest::Kind::WaveFile)
        shell_.playWave(voice.what);
    else if (voice.kind == VoiceRequest::Kind::Companion)
        shell_.sendCommand(voice.what);
}

void Drill::playVoice() {
    if (settings_.sound.VoiceOn && state_->phase != DrillPhase::Idle)
        speakWord(false);
}

void Drill::tellCompanion(std::string_view command) {
    if (settings_.sound.VoiceOn)
        shell_.sendCommand(std::string(command));
}

// The verdict's sound and the companion's animation for it.
void Drill::soundVerdict(bool right) {
    if (right ? settings_.sound.AtariOn : settings_.sound.HazureOn)
        shell_.playWave(right ? settings_.sound.AtariSoundFile : settings_.sound.HazureSoundFile);
    tellCompanion(right ? companion::kRight : companion::kWrong);
}

void Drill::applyQuestionColour() {
    display_.setQuestionWarning(false);
    if (!settings_.look.ColorChangeOn)
        return;
    int percent = settings_.look.ChangeType == 1 ? files_->wordPercentage(state_->entry.wordKey())
                                             : drillPercent_;
    display_.setQuestionWarning(percent <= settings_.look.ChangeColorPercent);
}

void Drill::startQuestionTimer() {
    DrillState& s = *state_;
    if (s.modes.memorizeOnly) {
        int limit = s.modes.memorizeSeconds;
        s.remainingMemorizeSeconds = limit;
        display_.setBar(DataBar::Time, ratio(limit, limit) + sj(" 秒"), limit, limit);
        display_.startTimer();
    } else if (settings_.drill.TimeLimitOn) {
        int limit = settings_.drill.TimeLimit;
        s.remainingSeconds = limit;
        display_.setBar(DataBar::Time, ratio(limit, limit) + sj(" 秒"), limit, limit);
        display_.startTimer();
    }
}

void Drill::NextQuestion() {
    DrillState& s = *state_;
    // Each question reads the dictionary anew, once.
    questionRead_.reset();
    const bool again = s.repeat && settings_.drill.RepeatError;
    if (!again) {
        PoolLine line = nextLine();
        std::size_t slot = static_cast<std::size_t>(s.askedCount) % kListSlots;
        s.asked[slot] = line.text;
        s.history.lines().asked[slot] = line.text;
        takeEntry(line);
    }
    if (!again) {
        ++s.askedCount;
        display_.setBar(DataBar::QuestionNum, ratio(s.askedCount, s.questionCount), s.askedCount,
                        s.questionCount);
    }
    presentEntry(true);
    questionRead_.reset();
    if (!again && activeSource(s.modes) == QuestionSource::NotRandom)
        advancePositions();
    startQuestionTimer();
    questionShown();
}

// ---------------------------------------------------------------- checking

std::string Drill::answerOf(const LearnerAnswer& answer) const {
    const DrillState& s = *state_;
    if (!s.choiceMode)
        return answer.typed;
    const int i = answer.choice;
    if (i < 0 || i >= static_cast<int>(s.choiceTexts.size()))
        return {};
    return s.choiceTexts[static_cast<std::size_t>(i)];
}

bool Drill::answerIsRight(const std::string& answer) {
    if (answer.empty())
        return false;
    const CurrentEntry& e = state_->entry;
    const bool ignoreCase = settings_.drill.IgnoreCase;
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
        shell_.fileError(read);
    }
    return accepted;
}

bool Drill::customLinesBelongTo(const DictionaryRead& dictionary) const {
    const std::vector<std::string>& custom = state_->customLines;
    // The list is made of the dictionary's lines in their order (the custom list window
    // hands over its ticked rows from top to bottom): one walk along both finds them all,
    // however long the list. Only a list in another order is looked up line by line, in
    // a set of the dictionary's lines.
    std::size_t next = 0;
    for (std::size_t i = 0; i < dictionary.count() && next < custom.size(); ++i) {
        if (*dictionary.line(i) == custom[next])
            ++next;
    }
    if (next == custom.size())
        return true;
    std::unordered_set<std::string_view> lines;
    lines.reserve(dictionary.count());
    for (std::size_t i = 0; i < dictionary.count(); ++i)
        lines.insert(*dictionary.line(i));
    return std::all_of(custom.begin() + static_cast<std::ptrdiff_t>(next), custom.end(),
                       [&](const std::string& line) { return lines.count(line) > 0; });
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
    v.dictionaryName = state_->dictionaryName;
    return v;
}

void Drill::countRight() {
    DrillState& s = *state_;
    ++s.correctCount;
    display_.setBar(DataBar::AtariNum, ratio(s.correctCount, s.questionCount), s.correctCount,
                    s.questionCount);
}

void Drill::recordMiss() {
    DrillState& s = *state_;
    std::size_t slot = static_cast<std::size_t>(s.wrongCount) % kListSlots;
    s.missed[slot] = s.entry.lineText;
    s.history.lines().missed[slot] = s.entry.lineText;
    reportAll(files_->recordMiss(s.entry));
    if (settings_.drill.RepeatError)
        s.repeat = true;
    ++s.wrongCount;
    display_.setBar(DataBar::HazureNum, ratio(s.wrongCount, s.questionCount), s.wrongCount,
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
        shell_.fileError(status);
}

void Drill::ResultCheck(const LearnerAnswer& given) {
    DrillState& s = *state_;
    s.accepted = false;
    s.repeat = false;
    figures_ = files_->loadFigures(s.entry);
    const std::string answer = answerOf(given);
    const bool right = answerIsRight(answer);
    figures_.word.count(right);
    figures_.month.count(right);
    auto verdictText = [&](const char* head, const char* answerLabel) {
        return sj(head) + number(figures_.word.asked) + sj("問\n正解率 ： ") +
               figures_.word.percent + sj("％\n\n") + sj(answerLabel) + s.entry.answerSide +
               sj("\nコメント ： ") + s.entry.comment;
    };
    auto changeImportance = [&](bool raise) {
        if (!settings_.drill.AutoImportantOn)
            return;
        reportOnce(raise ? files_->raiseImportance(s.entry.lineText)
                         : files_->lowerImportance(s.entry.lineText));
    };

    if (right) {
        soundVerdict(true);
        changeImportance(false);
        if (settings_.drill.ShowResult && !settings_.drill.ShowErrorOnly) {
            if (settings_.drill.ShowEasyAtari)
                shell_.notice(verdictText("正解です\n\n出題数 ： ", "他の正解 ： "), sj("結果発表"),
                              kInformation);
            else
                shell_.showAtari(verdict(answer));
        }
        countRight();
    } else {
        soundVerdict(false);
        changeImportance(true);
        if (settings_.drill.ShowResult) {
            if (settings_.drill.ShowEasyError)
                shell_.notice(verdictText("不正解です\n\n出題数 ： ", "正解 ： "), sj("結果発表"),
                              kInformation);
            else
                s.accepted = shell_.showResultError(verdict(answer));
        }
        if (!s.choiceMode && s.accepted) {
            tellCompanion(companion::kAccepted);
            changeImportance(false);
            figures_.word.accept();
            figures_.month.accept();
            countRight();
        } else {
            recordMiss();
        }
    }
    // Judged once the error dialog has closed: an answer declared right is one review.
    recordReview(right, !s.choiceMode && s.accepted, false, answer);
    shell_.setStatusText(2, sj("今月 ： ") + figures_.month.percent + sj("％"));
}

void Drill::RepeatResultCheck(const LearnerAnswer& given) {
    DrillState& s = *state_;
    s.accepted = false;
    s.repeat = false;
    const std::string answer = answerOf(given);
    const std::string tail = s.entry.answerSide + sj("\nコメント ： ") + s.entry.comment;
    if (answerIsRight(answer)) {
        soundVerdict(true);
        if (settings_.drill.ShowResult && !settings_.drill.ShowErrorOnly)
            shell_.notice(sj("正解です\n\n他の正解 ： ") + tail, sj("結果発表"), kInformation);
        recordReview(true, false, true, answer);
        return;
    }
    soundVerdict(false);
    if (s.choiceMode) {
        if (settings_.drill.ShowResult)
            shell_.notice(sj("不正解です\n\n正解 ： ") + tail, sj("結果発表"), kInformation);
        s.repeat = true;
        recordReview(false, false, true, answer);
        return;
    }
    if (settings_.drill.ShowResult) {
        if (settings_.drill.ShowEasyError)
            shell_.notice(sj("不正解です\n\n正解 ： ") + tail, sj("結果発表"), kInformation);
        else
            s.accepted = shell_.showResultError(verdict(answer));
    }
    s.repeat = !s.accepted;
    recordReview(false, s.accepted, true, answer);
}

void Drill::questionShown() {
    questionShownAt_ = programClock().milliseconds();
    hintUsed_ = false;
    timedOut_ = false;
}

void Drill::recordReview(bool right, bool accepted, bool retry, const std::string& answer) {
    const DrillState& s = *state_;
    AnswerFacts facts;
    facts.verdict = right      ? AnswerFacts::Verdict::Right
                    : timedOut_ ? AnswerFacts::Verdict::TimedOut
                                : AnswerFacts::Verdict::Wrong;
    facts.typed = !s.choiceMode;
    facts.hintUsed = hintUsed_;
    facts.accepted = accepted;
    facts.repeatRetry = retry;
    facts.memorizeOnly = s.phase == DrillPhase::MemorizeAsking;
    const long long taken = programClock().milliseconds() - questionShownAt_;
    facts.milliseconds = static_cast<int>(std::clamp<long long>(taken, 0, INT_MAX));
    facts.answerBytes = s.choiceMode ? 0 : static_cast<int>(answer.size());
    if (std::optional<Grade> grade = gradeOf(facts))
        reportOnce(files_->recordReview(s.entry, *grade, StudyDay::of(programClock().now())));
}

void Drill::OnlyMemorizeNext() {
    DrillState& s = *state_;
    shell_.notice(sj("正解 ： ") + s.entry.answerSide + sj("\nコメント ： ") + s.entry.comment,
                  sj("正解表示"), kInformation);
    if (s.askedCount >= s.questionCount) {
        endMemorizeDrill();
        return;
    }
    display_.setQuestionText({});
    display_.setCommentText({});
    NextQuestion();
    display_.focusAnswer();
}

// ---------------------------------------------------------------- control

void Drill::submit(const LearnerAnswer& answer) {
    DrillState& s = *state_;
    if (s.phase == DrillPhase::Idle)
        return;
    display_.stopTimer();
    if (s.phase == DrillPhase::MemorizeAsking) {
        // A memorize-only drill judges nothing and records nothing.
        OnlyMemorizeNext();
        return;
    }
    const bool repeating = settings_.drill.RepeatError && s.repeat;
    if (repeating)
        RepeatResultCheck(answer);
    else
        ResultCheck(answer);
    clearBoxes();
    display_.selectChoice(-1);
    if (settings_.drill.RepeatError && s.repeat) {
        NextQuestion();
        display_.focusAnswer();
        return;
    }
    reportAll(files_->saveFigures(s.entry, figures_));
    drillPercent_ = percentage(s.correctCount, s.askedCount);
    display_.setBar(DataBar::Percent, ratio(drillPercent_, 100) + sj(" ％"), drillPercent_, 100);
    if (s.askedCount < s.questionCount) {
        NextQuestion();
        display_.focusAnswer();
        return;
    }
    finishDrill();
}

void Drill::finishDrill() {
    DrillState& s = *state_;
    reportAll(files_->saveStudyDetail(s.recentSlot, drillPercent_));
    if (s.correctCount == s.questionCount) {
        if (settings_.sound.FinishOn)
            shell_.playWave(settings_.sound.FinishSoundFile);
        tellCompanion(companion::kCongratulation);
    }
    const DrillSummary summary = lastDrill();
    shell_.showDrillEnd(summary, settings_.drill.ErrorDialogOn);
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
    if (settings_.drill.MakeLogFile)
        reportOnce(files_->makeStudyLog(summary));
    backToIdle();
    s.historyOptionsEnabled = true;
    shell_.drillCompleted();
}

void Drill::setPlan(DrillPlan plan) {
    state_->modes = plan.modes;
    state_->customLines = std::move(plan.customLines);
}

DrillSummary Drill::lastDrill() const {
    const DrillState& s = *state_;
    DrillSummary summary;
    summary.questionCount = s.questionCount;
    summary.correctCount = s.correctCount;
    summary.wrongCount = s.wrongCount;
    summary.percentage = drillPercent_;
    const int missed = std::clamp(s.wrongCount, 0, kListSlots);
    summary.missedLines.assign(s.missed.begin(), s.missed.begin() + missed);
    summary.direction = s.direction;
    summary.dictionaryName = s.dictionaryName;
    return summary;
}

std::vector<std::string> Drill::placeholders() const {
    return choicePlaceholders(state_->choiceCount());
}

void Drill::resetBars() {
    display_.setBar(DataBar::QuestionNum, ratio(0, 0), 0, 0);
    display_.setBar(DataBar::AtariNum, ratio(0, 0), 0, 0);
    display_.setBar(DataBar::HazureNum, ratio(0, 0), 0, 0);
    display_.setBar(DataBar::Percent, ratio(0, 0) + sj(" ％"), 0, 100);
    display_.setBar(DataBar::Time, ratio(0, 0) + sj(" 秒"), 0, 0);
}

void Drill::clearBoxes() {
    display_.setQuestionText({});
    display_.setCommentText({});
    display_.setPronunciationText({});
    display_.setAnswerText({});
}

void Drill::backToIdle() {
    DrillState& s = *state_;
    s.phase = DrillPhase::Idle;
    shell_.setCommands(DrillCommands{});
    resetBars();
    shell_.setStatusText(1, {});
    shell_.setStatusText(2, {});
    display_.setQuestionWarning(false);
    if (s.choiceMode) {
        s.choiceTexts = placeholders();
        display_.setChoices(s.choiceTexts, false);
    }
    s.askedCount = 0;
    s.plainPosition = 0;
    drillPercent_ = 0;
}

void Drill::stop() {
    DrillState& s = *state_;
    if (s.phase == DrillPhase::Idle)
        return;
    display_.stopTimer();
    clearBoxes();
    s.hiddenChoices.clear();
    s.repeat = false;
    backToIdle();
    shell_.drillStopped();
}

void Drill::endMemorizeDrill() {
    DrillState& s = *state_;
    display_.stopTimer();
    s.modes.memorizeOnly = false;
    if (s.modes.notRandomContinue)
        reportOnce(files_->storeContinuePosition(s.dictionaryFileName, s.continuePosition));
    clearBoxes();
    s.hiddenChoices.clear();
    backToIdle();
}

void Drill::reset() {
    DrillState& s = *state_;
    display_.stopTimer();
    clearBoxes();
    s.hiddenChoices.clear();
    s.repeat = false;
    backToIdle();
}

bool Drill::timerTick() {
    DrillState& s = *state_;
    if (s.phase == DrillPhase::Idle) {
        display_.stopTimer();
        return false;
    }
    tellCompanion(companion::kTick);
    if (s.phase == DrillPhase::MemorizeAsking) {
        if (s.remainingMemorizeSeconds == 0) {
            display_.stopTimer();
            OnlyMemorizeNext();
            return false;
        }
        --s.remainingMemorizeSeconds;
        display_.setBar(DataBar::Time,
                        ratio(s.remainingMemorizeSeconds, s.modes.memorizeSeconds) + sj(" 秒"),
                        s.remainingMemorizeSeconds, s.modes.memorizeSeconds);
        return false;
    }
    if (s.remainingSeconds == 0) {
        display_.stopTimer();
        timedOut_ = true;
        return true;
    }
    --s.remainingSeconds;
    display_.setBar(DataBar::Time, ratio(s.remainingSeconds, settings_.drill.TimeLimit) + sj(" 秒"),
                    s.remainingSeconds, settings_.drill.TimeLimit);
    return false;
}

void Drill::HintShow(const std::string& typed) {
    DrillState& s = *state_;
    if (s.phase != DrillPhase::Asking || s.direction != 1)
        return;
    const std::string answer = firstAlternative(s.entry.answerSide);
    s.hintLength = static_cast<int>(answer.size());
    // Reveal whole characters: the next one starts at the first character boundary of
    // the answer at or after the typed length.
    std::size_t pos = 0;
    while (pos < typed.size() && pos < answer.size())
        pos += charLength(answer, pos);
    std::size_t end = pos < answer.size() ? pos + charLength(answer, pos) : pos + 1;
    hintUsed_ = true;
    if (static_cast<int>(end) >= s.hintLength) {
        submit(LearnerAnswer{typed, -1});
        return;
    }
    display_.setAnswerText(typed + answer.substr(pos, end - pos));
    ++s.hintCount;
}

bool Drill::choiceKey(int digit) {
    DrillState& s = *state_;
    if (!s.choiceMode || s.phase != DrillPhase::Asking)
        return false;
    if (digit < 1 || digit > s.choiceCount())
        return false;
    display_.selectChoice(digit - 1);
    choiceClicked(digit - 1);
    return true;
}

void Drill::choiceClicked(int index) {
    if (settings_.window.ClickResult && state_->phase == DrillPhase::Asking)
        submit(LearnerAnswer{std::string(), index});
}

bool Drill::memorizeKey() {
    DrillState& s = *state_;
    if (s.phase != DrillPhase::MemorizeAsking || s.choiceMode)
        return false;
    display_.stopTimer();
    OnlyMemorizeNext();
    return true;
}

} // namespace qor
