#include "ui/GaugeProgress.h"

#include <QProgressBar>

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace ui {

namespace {

std::int64_t steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

ProgressThrottle::ProgressThrottle(Clock clock)
    : clock_(clock ? std::move(clock) : Clock(&steadyMilliseconds)) {}

void ProgressThrottle::restart(int maximum) {
    maximum_ = std::max(1, maximum);
    shown_ = 0;
    shownAt_ = clock_();
}

bool ProgressThrottle::due(int value) {
    // The share first: it needs no clock, and most items of a long job fail it.
    const long long moved = std::llabs(static_cast<long long>(value) - shown_);
    if (moved * 100 < static_cast<long long>(maximum_) * kPercentStep)
        return false;
    const std::int64_t now = clock_();
    if (now - shownAt_ < kIntervalMs)
        return false;
    shown_ = value;
    shownAt_ = now;
    return true;
}

void ProgressThrottle::shown(int value) {
    shown_ = value;
    shownAt_ = clock_();
}

GaugeProgress::GaugeProgress(QProgressBar* gauge, ProgressThrottle::Clock clock)
    : gauge_(gauge), throttle_(std::move(clock)) {}

void GaugeProgress::start(int maximum) {
    gauge_->setRange(0, std::max(1, maximum));
    throttle_.restart(maximum);
    last_ = 0;
    show(0);
}

void GaugeProgress::step(int value) {
    last_ = value;
    if (value != onGauge_ && throttle_.due(value))
        show(value);
}

void GaugeProgress::finish() {
    if (last_ != onGauge_) {
        throttle_.shown(last_);
        show(last_);
    }
}

void GaugeProgress::end() {
    finish();
    last_ = 0;
    show(0);
}

void GaugeProgress::show(int value) {
    onGauge_ = value;
    // The gauge paints itself at once when the change shows (the job holds the event
    // loop, so a later paint would come too late).
    gauge_->setValue(value);
}

} // namespace ui
