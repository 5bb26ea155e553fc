#pragma once
// The schedule of the main window: the countdown to the next planned day in the status
// bar's last panel, the plan check at start, and the boxes about unreadable entries, each
// told once per run. The window's date timer ticks it; no tick may show a box while one is
// open.

#include "settings/PlanFile.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"

#include <QString>
#include <functional>
#include <set>
#include <string>

class QLabel;
class QTimer;
class QWidget;

namespace qor {

class MainSchedule {
public:
    // `closing` says whether the window is closing (the timer then stays stopped).
    // `user` is asked at each use: the learner may change user while the window runs.
    MainSchedule(QWidget& window, const ScheduleSettings& schedule, CurrentUserFiles user,
                 QTimer& timer, QLabel& panel, std::function<bool()> closing);

    // One tick: the countdown, or an empty panel when schedules are off.
    void tick();
    // The plan check of the first showing.
    void check();

private:
    // The plan of Setup.ini; an unreadable count is told once.
    PlanList readPlan(PlanFile& file);
    void countdown();
    // Tells the learner once per run: a box that would repeat every tick says it once.
    void reportOnce(const std::string& key, const QString& text, const QString& caption);

    QWidget& window_;
    const ScheduleSettings& schedule_;
    CurrentUserFiles user_;
    QTimer& timer_;
    QLabel& panel_;
    std::function<bool()> closing_;
    std::set<std::string> reported_;
};

} // namespace qor
