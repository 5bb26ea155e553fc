#include "services/SoundIdle.h"

#include "sound/AudioOutput.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace ui {

namespace {
QPointer<QTimer> looks;
} // namespace

void watchSoundOutput() {
    if (!looks) {
        auto* app = QCoreApplication::instance();
        if (!app) return;
        looks = new QTimer(app);
        looks->setInterval(1000);
        QObject::connect(looks, &QTimer::timeout, [] {
            lookAtSoundOutput(std::chrono::steady_clock::now());
        });
    }
    if (!looks->isActive()) looks->start();
}

bool watchingSoundOutput() {
    return looks && looks->isActive();
}

bool lookAtSoundOutput(std::chrono::steady_clock::time_point now) {
    qor::audio::closeIfIdle(now);
    const bool open = qor::audio::isOpen();
    if (!open && looks) looks->stop();
    return open;
}

} // namespace ui
