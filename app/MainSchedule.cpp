#include "app/MainSchedule.h"

#include "app/Schedule.h"
#include "base/Clock.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QLabel>
#include <QTimer>
#include <utility>

namespace qor {

MainSchedule::MainSchedule(QWidget& window, const ScheduleSettings& schedule, CurrentUserFiles user,
                           QTimer& timer, QLabel& panel, std::function<bool()> closing)
    : window_(window), schedule_(schedule), user_(std::move(user)), timer_(timer), panel_(panel),
      closing_(std::move(closing)) {}

void MainSchedule::tick() {
    if (schedule_.PlanOn)
        countdown();
    else
        panel_.clear();
}

PlanList MainSchedule::readPlan(PlanFile& file) {
    PlanList plan = file.read(programClock().now());
    if (plan.badCount) {
        reportOnce("PlanNum=" + *plan.badCount,
                   ui::toQ(unreadablePlanText("PlanNum=" + *plan.badCount)),
                   QStringLiteral("スケジュール"));
    }
    return plan;
}

void MainSchedule::countdown() {
    PlanFile file(user_().setupIni());
    PlanList plan = readPlan(file);
    // Entries before the one followed could not be read: they are skipped.
    for (const PlanItem& item : plan.items) {
        if (item.entry) break;
        reportOnce("plan:" + item.text, ui::toQ(unreadablePlanText(item.text)),
                   QStringLiteral("スケジュール"));
    }

    CountdownStep step = countdownStep(plan);
    switch (step.kind) {
    case CountdownStep::Kind::Nothing:
        panel_.clear();
        return;
    case CountdownStep::Kind::Counting:
        panel_.setText(ui::toQ(step.panelText));
        return;
    case CountdownStep::Kind::DayHasCome:
        // No tick may show the box again while it is open.
        timer_.stop();
        ui::platform().showNotice(&window_, ui::toQ(step.boxText), QStringLiteral("当日です"),
                                  ui::kNoticeInformation);
        panel_.clear();
        if (!closing_()) timer_.start();
        break;
    case CountdownStep::Kind::Passed:
        break;
    }
    if (FileStatus status = file.drop(step.key); !status) {
        reportOnce("write:" + status.path(), ui::toQ(status.message()), QStringLiteral("エラー"));
    }
}

void MainSchedule::check() {
    PlanFile file(user_().setupIni());
    PlanList plan = readPlan(file);
    PlanCheckResult check = planCheck(plan);
    if (check.boxes.empty()) return;
    for (const PlanAnnouncement& box : check.boxes) {
        if (box.readable)
            ui::platform().showNotice(&window_, ui::toQ(box.text), QStringLiteral("スケジュール"),
                                      ui::kNoticeInformation);
        else
            reportOnce("plan:" + box.text, ui::toQ(unreadablePlanText(box.text)),
                       QStringLiteral("スケジュール"));
    }
    if (check.dropKey >= 0) {
        if (FileStatus status = file.drop(check.dropKey); !status)
            reportOnce("write:" + status.path(), ui::toQ(status.message()),
                       QStringLiteral("エラー"));
    }
    ui::platform().showNotice(&window_, ui::toQ(check.closingText), QStringLiteral("スケジュール"),
                              ui::kNoticeInformation);
}

void MainSchedule::reportOnce(const std::string& key, const QString& text, const QString& caption) {
    if (!reported_.insert(key).second) return;
    bool running = timer_.isActive();
    timer_.stop();
    ui::platform().showNotice(&window_, text, caption, ui::kNoticeWarning);
    if (running && !closing_()) timer_.start();
}

} // namespace qor
