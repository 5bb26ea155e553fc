#pragma once
// The progress of a long job on a gauge, without the job paying for every item: every
// change of a gauge repaints it and, with accessibility on, sends an event, which costs
// more than reading or building an item. A new value reaches the screen only when it has
// moved at least 1 % of the range and about a thirtieth of a second has passed since the
// last value shown; the last value of a job is always shown. Every window that shows
// progress moves its gauge through this one rule.

#include <QtGlobal>

#include <cstdint>
#include <functional>

class QProgressBar;

namespace ui {

// The rule on plain numbers, with a clock that tests can replace.
class ProgressThrottle {
public:
    // Milliseconds of a steady clock.
    using Clock = std::function<std::int64_t()>;
    static constexpr std::int64_t kIntervalMs = 33;  // about 30 changes a second
    static constexpr int kPercentStep = 1;

    // Without a clock the steady clock of the system is used.
    explicit ProgressThrottle(Clock clock = {});

    // A job of `maximum` items begins; its value 0 counts as shown now.
    void restart(int maximum);
    // Whether `value` is worth showing now. When it is, it counts as shown.
    bool due(int value);
    // `value` was shown whatever the rule said (the last value of a job).
    void shown(int value);

private:
    Clock clock_;
    int maximum_ = 1;
    int shown_ = 0;
    std::int64_t shownAt_ = 0;
};

// A gauge moved through the rule: start(), step() as the job goes on, end() when it is
// done (the last value stepped to is shown, painted, and the gauge goes back to 0).
class GaugeProgress {
public:
    explicit GaugeProgress(QProgressBar* gauge, ProgressThrottle::Clock clock = {});

    // The range 0 .. maximum (at least 1, so that the gauge never turns into a busy
    // indicator), the value 0.
    void start(int maximum);
    void step(int value);
    // Shows the last value stepped to when it is not on the gauge yet.
    void finish();
    // finish(), then the gauge back at 0.
    void end();

private:
    void show(int value);

    QProgressBar* gauge_;
    ProgressThrottle throttle_;
    int last_ = 0;     // the last value stepped to
    int onGauge_ = 0;  // the value the gauge shows
};

} // namespace ui
