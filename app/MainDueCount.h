#pragma once
// The status bar's count of the words due for review today in the dictionary in use.
// Counting reads the dictionary and its review file, so it is done only when something
// it depends on changed: the dictionary in use, the day (checked each second, counted at
// the roll-over), or the review file (after a drill) and the review settings (forced).

#include "records/StudyDay.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"

#include <optional>
#include <string>

class QLabel;

namespace qor {

class MainDueCount {
public:
    explicit MainDueCount(QLabel& panel) : panel_(panel) {}

    // Counts anew when the dictionary in use or the program clock's day differs from the
    // last count's, or when `force` is set (the records or the settings changed).
    void refresh(const UserFiles& user, const PathSettings& files, const ReviewOptions& review,
                 bool force);
    // The last count (nullopt when none could be made).
    std::optional<int> count() const { return count_; }

private:
    QLabel& panel_;
    std::string dictionary_;
    std::optional<StudyDay> day_;
    std::optional<int> count_;
};

} // namespace qor
