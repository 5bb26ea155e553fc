#include "app/MainDueCount.h"

#include "base/Clock.h"
#include "records/DueForecast.h"
#include "records/DueSelection.h"
#include "ui/Text.h"

#include <QLabel>

namespace qor {

void MainDueCount::refresh(const UserFiles& user, const PathSettings& files,
                           const ReviewOptions& review, bool force) {
    const StudyDay today = StudyDay::of(programClock().now());
    if (!force && day_ == today && dictionary_ == files.DicInUse)
        return;
    day_ = today;
    dictionary_ = files.DicInUse;
    const DueForecast due =
        readDueForecast(user.folder(), files.DicInUse, reviewSettingsOf(review), today, 0);
    const QString what = QStringLiteral("使用中の辞書で、今日復習する単語の数");
    if (!due.status) {
        // A file that cannot be read counts nothing; the tooltip says which and why.
        count_.reset();
        panel_.setText(QStringLiteral("復習 ： －"));
        panel_.setToolTip(what + QStringLiteral("\n読み込めません： ") +
                          ui::toQ(due.status.path()) + QStringLiteral(" (") +
                          QString::fromStdString(due.status.reason()) + QStringLiteral(")"));
        return;
    }
    count_ = due.dueToday;
    panel_.setText(QStringLiteral("復習 ： %1語").arg(due.dueToday));
    panel_.setToolTip(what);
}

} // namespace qor
