#include "app/CompanionFollower.h"

#include "services/Companion.h"
#include "sound/CompanionChannel.h"

#include <QEvent>
#include <QWidget>

namespace qor {

CompanionFollower::CompanionFollower(QWidget& window, std::function<ui::Companion*()> companion)
    : window_(window), companion_(std::move(companion)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &CompanionFollower::tellNow);
    window_.installEventFilter(this);
}

void CompanionFollower::tellNow() {
    ui::Companion* companion = companion_();
    if (!companion) return;
    const QRect frame = window_.frameGeometry();
    companion->place(QByteArray::fromStdString(companion::placeAt(
        frame.x() + frame.width(), frame.y() + frame.height(),
        static_cast<unsigned long long>(window_.internalWinId()))));
}

bool CompanionFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            settle_.start();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qor
