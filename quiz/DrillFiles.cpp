#include "quiz/DrillFiles.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "records/StudyLog.h"
#include "words/AnswerFile.h"
#include "words/DictionaryList.h"
#include "words/ImportanceFile.h"
#include "words/PhoneticSigns.h"

namespace qor {

namespace {
DateTexts now() {
    return DateTexts::of(programClock().now());
}

std::vector<FileStatus> failuresOf(const RecordStatus& status) {
    return status.failures();
}
} // namespace

DrillFiles::DrillFiles(const TUserSettings& settings, const DrillState& state)
    : settings_(settings), state_(state) {}

DrillFiles::~DrillFiles() = default;

RecordDictionary DrillFiles::dictionary() const {
    return RecordDictionary{state_.dictionaryFileName, state_.dictionaryName};
}

void DrillFiles::beginDrill() {
    daily_ = std::make_unique<DailyRecord>(settings_.userFolder());
    review_ = std::make_unique<ReviewFile>(settings_.userFolder(), state_.dictionaryName);
}

FileStatus DrillFiles::registerDictionary(const std::string& fileName) const {
    return addListedDictionary(settings_.setupIniPath(), fileName);
}

int DrillFiles::continuePosition(const std::string& fileName) const {
    IniFile setup(settings_.setupIniPath());
    return static_cast<int>(parseDecimal(setup.read("NotRandomCount", fileName, "0")).value_or(0));
}

FileStatus DrillFiles::storeContinuePosition(const std::string& fileName, int position) const {
    return IniFile::writeOne(settings_.setupIniPath(), "NotRandomCount", fileName,
                             std::to_string(position));
}

FileStatus DrillFiles::ensureAnswerFile() const {
    return createAnswerFile(state_.answerFilePath);
}

bool DrillFiles::answerFileAccepts(const std::string& shown, const std::string& answer,
                                   FileStatus& status) const {
    AnswerLookup lookup = findAnswer(state_.answerFilePath, shown, answer, settings_.drill.IgnoreCase);
    status = lookup.status;
    return lookup.found;
}

RatedLines DrillFiles::importantLines(const std::array<bool, 5>& levels,
                                      FileStatus& status) const {
    ImportanceFile file(settings_.userFile(importanceFileName(state_.dictionaryName)));
    RatedLines rated = file.readRated();
    status = rated.status.isMissingFile() ? FileStatus() : rated.status;
    std::erase_if(rated.lines, [&](const RatedLines::Line& line) {
        return line.level < 1 || line.level > 5 || !levels[static_cast<std::size_t>(line.level - 1)];
    });
    return rated;
}

FileStatus DrillFiles::raiseImportance(const std::string& lineText) const {
    return ImportanceFile(settings_.userFile(importanceFileName(state_.dictionaryName))).raise(lineText);
}

FileStatus DrillFiles::lowerImportance(const std::string& lineText) const {
    return ImportanceFile(settings_.userFile(importanceFileName(state_.dictionaryName))).lower(lineText);
}

std::optional<std::string> DrillFiles::pronunciationOf(const std::string& word,
                                                       FileStatus& status) const {
    PhoneticSign sign = findPhoneticSign(settings_.files.PhoneticSignFile, word);
    status = sign.status;
    if (!sign.found)
        return std::nullopt;
    return sign.sign;
}

std::vector<std::string> DrillFiles::yesterdayList() const {
    IniFile daily(dailyRecordPath(settings_.userFolder(), now().yearMonth, state_.dictionaryName),
                  kWordKeyedFile);
    int count = recordCount(daily.read("Error", "YesterdayNum", "0"));
    std::string list = daily.read("Error", "Yesterday", "0");
    return dayMissItems(count, list);
}

int DrillFiles::recentDrillSlot() const {
    return WordStatistics::readRecentSlot(settings_.userFolder(), state_.dictionaryFileName);
}

int DrillFiles::wordPercentage(const std::string& wordKey) const {
    WordStatistics stats(settings_.userFolder(), dictionary(), now());
    WordFigures figures = stats.GetVocDetail(wordKey);
    return recordCount(figures.percent);
}

AnswerRecord DrillFiles::loadFigures(const CurrentEntry& entry) {
    statistics_ = std::make_unique<WordStatistics>(settings_.userFolder(), dictionary(), now());
    AnswerRecord record;
    record.word = statistics_->GetVocDetail(entry.wordKey());
    record.month = statistics_->GetYearDetail();
    return record;
}

std::vector<FileStatus> DrillFiles::saveFigures(const CurrentEntry& entry,
                                                const AnswerRecord& figures) {
    if (!statistics_)
        return {};
    RecordStatus status;
    status.add(statistics_->VocDetailSave(entry.wordKey(), figures.word));
    status.add(statistics_->SaveYearDetail(figures.month));
    statistics_.reset();
    return failuresOf(status);
}

std::vector<FileStatus> DrillFiles::recordMiss(const CurrentEntry& entry) {
    if (!daily_ || daily_->userFolder() != settings_.userFolder())
        daily_ = std::make_unique<DailyRecord>(settings_.userFolder());
    RecordWord word{entry.lineIndex, entry.wordKey(), entry.lineText};
    return failuresOf(daily_->recordMiss(settings_.files, dictionary(), word, now()));
}

std::vector<FileStatus> DrillFiles::saveStudyDetail(int& slot, int percentage) const {
    FileStatus status = WordStatistics::SaveStudyDetail(settings_.userFolder(),
                                                        state_.dictionaryFileName, slot, percentage);
    if (status)
        return {};
    return {status};
}

FileStatus DrillFiles::makeStudyLog(const DrillSummary& summary) const {
    StudyLogEntry entry{state_.dictionaryFileName, state_.startTime,   summary.questionCount,
                        summary.correctCount,      summary.wrongCount, summary.percentage};
    return StudyLog::MakeStudyLog(settings_.userFolder(), now(), entry);
}

ReviewPlan DrillFiles::reviewPlan(const std::vector<std::string>& wordKeys, StudyDay today,
                                  FileStatus& status) {
    status = review_->readStatus();
    const ReviewSettings chosen = reviewSettingsOf(settings_.review);
    return DueSelection(wordKeys, review_->records(), chosen).plan(today);
}

FileStatus DrillFiles::recordReview(const CurrentEntry& entry, Grade grade, StudyDay today) {
    if (!review_)
        return {};
    return review_->recordAnswer(entry.wordKey(), grade, today);
}

} // namespace qor
