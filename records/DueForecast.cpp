#include "records/DueForecast.h"

#include "base/TextFile.h"
#include "records/ReviewFile.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"
#include "words/WordEntry.h"

namespace qor {

std::string dictionaryPathFor(const std::string& setupIni, std::string_view fileName,
                              const std::string& dicInUse, FileStatus* status) {
    std::string path = rememberedDictionaryPath(setupIni, fileName, status);
    if (path.empty() && !fileName.empty() && fileNameOf(dicInUse) == fileName) path = dicInUse;
    return path;
}

DueForecast readDueForecast(const std::string& userFolder, const std::string& dictionaryPath,
                            const ReviewSettings& settings, StudyDay today, int days) {
    DueForecast out;
    out.days.assign(static_cast<std::size_t>(std::max(days, 0)), 0);
    if (dictionaryPath.empty()) return out;
    const DictionaryRead dictionary = DictionaryRead::of(dictionaryPath);
    if (!dictionary.status()) {
        if (!dictionary.status().isMissingFile()) out.status = dictionary.status();
        return out;
    }
    out.dictionaryFound = true;
    out.words = dictionary.count();

    ReviewFile reviews(userFolder, dictionaryName(dictionaryPath));
    if (FileStatus read = reviews.readStatus(); !read) {
        out.status = read;
        return out;
    }
    std::vector<std::string> keys;
    keys.reserve(out.words);
    for (std::size_t i = 0; i < out.words; ++i) {
        const WordEntry entry = splitEntry(dictionary.line(i).value_or(std::string_view()));
        keys.push_back(wordKey(entry.english, entry.japanese));
    }
    const DueSelection selection(keys, reviews.records(), settings);
    out.days = selection.forecast(today, days);
    out.dueToday = selection.dueCount(today);
    return out;
}

} // namespace qor
