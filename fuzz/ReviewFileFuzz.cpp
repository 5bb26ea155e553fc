// The review file and the daily record file on any bytes: reading never fails on broken
// lines, every record read is a valid one that reads back from its own text, an answer
// stores a file in which the answered word has its new record and every other word keeps
// the one it had, and the calendar's reader of daily record files takes only positive
// counts of days that exist.

#include "base/TextFile.h"
#include "fuzz/FuzzInput.h"
#include "records/ReviewFile.h"
#include "records/StudyCalendar.h"
#include "records/WordReview.h"

using namespace qor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kKeys[] = {"apple_x", "run,dash_y", "equal_a=b", "cat_z"};
    fuzz::Input in(data, size);
    const std::string key = kKeys[in.below(4)];
    const Grade grade = static_cast<Grade>(1 + in.below(4));
    const StudyDay today{20000 + static_cast<int>(in.below(40))};
    const std::string file(in.rest());
    const std::string folder = fuzz::scratchFolder();
    const std::string path = reviewFilePath(folder, "verbs");
    if (!writeAll(path, file))
        return 0;

    ReviewFile review(folder, "verbs");
    FUZZ_CHECK(review.readStatus());
    const ReviewRecords before = review.records();
    for (const auto& [k, r] : before) {
        FUZZ_CHECK(r.memory.stability > 0 && r.memory.difficulty >= 1 && r.memory.difficulty <= 10);
        FUZZ_CHECK(parseReview(reviewText(r)) == r);
    }
    for (const auto& [day, n] : ReviewFile::answersPerDay(path))
        FUZZ_CHECK(n > 0);

    FUZZ_CHECK(review.recordAnswer(key, grade, today));
    const std::optional<WordReview> answered = review.record(key);
    FUZZ_CHECK(answered.has_value());
    ReviewFile stored(folder, "verbs");
    FUZZ_CHECK(stored.record(key) == answered);
    for (const auto& [k, r] : before) {
        if (k != key)
            FUZZ_CHECK(stored.record(k) == r);
    }
    FUZZ_CHECK(ReviewFile::answersPerDay(path).at(today) >= 1);
    removeFile(path);

    // The same bytes as a daily record file of March 2025.
    const std::string daily = folder + "/20253_verbs.dat";
    if (!writeAll(daily, file))
        return 0;
    for (const auto& [day, n] : dailyRecordMisses(folder)) {
        FUZZ_CHECK(n > 0);
        FUZZ_CHECK(day.year() == 2025 && day.month() == 3);
    }
    removeFile(daily);
    return 0;
}
