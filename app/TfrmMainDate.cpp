// The main window's date display and schedule: the date texts, the title bar, the
// dictionary line of the status bar, the plan countdown and the plan check at start.

#include "app/MainWindowState.h"
#include "words/DictionaryList.h"
#include "app/Schedule.h"
#include "app/TfrmMain.h"
#include "base/TextFile.h"
#include "ui/Platform.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace qor {

void TfrmMain::refreshDateTexts() {
    dateTexts_ = DateTexts::of(programClock().now());
}

void TfrmMain::refreshTitleBar() {
    setWindowTitle(ui::toQ(titleText(settings_.ShowDate, settings_.DateType, programClock().now(),
                                     settings_.UserName)));
}

void TfrmMain::tmrDateTimer() {
    if (cboDicFile->currentText().contains(QStringLiteral(".txt"))) {
        QString name = ui::toQ(fileNameOf(settings_.DicInUse));
        if (cboDicFile->currentText() != name) {
            QSignalBlocker block(cboDicFile);
            cboDicFile->setEditText(name);
        }
    }
    sbPanels_[0]->setText(ui::toQ(dictionaryPanelText(settings_.DicInUse, isMaximized())));
    if (settings_.PlanOn == 1)
        planCountdown();
    else
        sbPanels_[3]->clear();
    refreshDateTexts();
    refreshTitleBar();
}

void TfrmMain::planCountdown() {
    PlanFile file(settings_.setupIniPath());
    PlanList plan = file.read(programClock().now());
    if (plan.badCount) {
        reportOnce("PlanNum=" + *plan.badCount,
                   ui::toQ(unreadablePlanText("PlanNum=" + *plan.badCount)),
                   QStringLiteral("スケジュール"));
    }
    // Entries before the one followed could not be read: they are skipped.
    for (const PlanItem& item : plan.items) {
        if (item.entry) break;
        reportOnce("plan:" + item.text, ui::toQ(unreadablePlanText(item.text)),
                   QStringLiteral("スケジュール"));
    }

    CountdownStep step = countdownStep(plan);
    switch (step.kind) {
    case CountdownStep::Kind::Nothing:
        sbPanels_[3]->clear();
        return;
    case CountdownStep::Kind::Counting:
        sbPanels_[3]->setText(ui::toQ(step.panelText));
        return;
    case CountdownStep::Kind::DayHasCome:
        // No tick may show the box again while it is open.
        tmrDate->stop();
        ui::platform().showNotice(this, ui::toQ(step.boxText), QStringLiteral("当日です"),
                                  ui::kNoticeInformation);
        sbPanels_[3]->clear();
        if (!closing_) tmrDate->start();
        break;
    case CountdownStep::Kind::Passed:
        break;
    }
    if (FileStatus status = file.drop(step.key); !status) {
        reportOnce("write:" + status.path(), ui::toQ(status.message()), QStringLiteral("エラー"));
    }
}

void TfrmMain::PlanCheck() {
    PlanFile file(settings_.setupIniPath());
    PlanList plan = file.read(programClock().now());
    if (plan.badCount) {
        reportOnce("PlanNum=" + *plan.badCount,
                   ui::toQ(unreadablePlanText("PlanNum=" + *plan.badCount)),
                   QStringLiteral("スケジュール"));
    }
    PlanCheckResult check = planCheck(plan);
    if (check.boxes.empty()) return;
    for (const PlanAnnouncement& box : check.boxes) {
        if (box.readable)
            ui::platform().showNotice(this, ui::toQ(box.text), QStringLiteral("スケジュール"),
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
    ui::platform().showNotice(this, ui::toQ(check.closingText), QStringLiteral("スケジュール"),
                              ui::kNoticeInformation);
}

void TfrmMain::reportOnce(const std::string& key, const QString& text, const QString& caption) {
    if (!reported_.insert(key).second) return;
    bool running = tmrDate->isActive();
    tmrDate->stop();
    ui::platform().showNotice(this, text, caption, ui::kNoticeWarning);
    if (running && !closing_) tmrDate->start();
}

} // namespace qor
