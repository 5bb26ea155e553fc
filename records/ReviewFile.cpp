#include "ReviewFile.h"

#include "records/RecordFiles.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_set>

namespace qor {

namespace {

constexpr std::string_view kRecords = "FSRS-6";
constexpr std::string_view kAnswers = "Answers";

} // namespace

std::string reviewFilePath(const std::string& userFolder, const std::string& dictionaryName) {
    return userFolder + "/" + dictionaryName + ".rev";
}

ReviewFile::ReviewFile(const std::string& userFolder, const std::string& dictionaryName,
                       const MemoryModel& model)
    : file_(reviewFilePath(userFolder, dictionaryName), kWordKeyedFile), model_(model) {}

FileStatus ReviewFile::readStatus() {
    load();
    return file_.readStatus();
}

void ReviewFile::load() {
    if (loaded_)
        return;
    loaded_ = true;
    const auto entries = file_.entries(kRecords);
    records_.reserve(entries.size());
    // The first line of a doubled key counts, as IniFile reads and replaces it; when that
    // line cannot be read, the word has no record.
    std::unordered_set<std::string_view> seen;
    seen.reserve(entries.size());
    for (const auto& [key, value] : entries) {
        if (!seen.insert(key).second)
            continue;
        if (auto r = parseReview(value))
            records_.emplace(key, *r);
    }
}

const ReviewRecords& ReviewFile::records() {
    load();
    return records_;
}

std::optional<WordReview> ReviewFile::record(const std::string& wordKey) {
    load();
    auto it = records_.find(wordKey);
    if (it == records_.end())
        return std::nullopt;
    return it->second;
}

FileStatus ReviewFile::recordAnswer(const std::string& wordKey, Grade grade, StudyDay today) {
    load();
    std::optional<WordReview> r = record(wordKey);
    if (applyAnswer(r, grade, today, model_)) {
        records_[wordKey] = *r;
        file_.write(kRecords, wordKey, reviewText(*r));
    }
    const std::string day = today.text();
    const int answers = std::clamp(recordCount(file_.read(kAnswers, day, "0")), 0, INT_MAX - 1);
    file_.write(kAnswers, day, static_cast<long long>(answers) + 1);
    return file_.save();
}

std::map<StudyDay, int> ReviewFile::answersPerDay(const std::string& path) {
    std::map<StudyDay, int> out;
    IniFile file(path, kWordKeyedFile);
    for (const auto& [key, value] : file.entries(kAnswers)) {
        auto day = StudyDay::parse(key);
        auto count = parseDecimal(value);
        if (day && count && *count > 0 && *count <= INT_MAX)
            out.emplace(*day, static_cast<int>(*count));
    }
    return out;
}

} // namespace qor
