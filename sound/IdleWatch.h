#pragma once
// When a sound output that nothing plays on should close: a few seconds after the last
// sound, so that the sound server is not fed silence until the program ends, and soon
// enough reopened for the next sound. The time comes from the caller (the window
// thread's clock in the programs, a made-up one in the tests).

#include <chrono>
#include <optional>

namespace qor {

class IdleWatch {
public:
    using Clock = std::chrono::steady_clock;
    // The quiet that closes an output.
    static constexpr std::chrono::seconds kLimit{5};

    // The output's state at `now`; true when it has been quiet for kLimit.
    bool quietLongEnough(bool busy, Clock::time_point now);
    // A sound began (it may be over by the next look): the next look counts as busy.
    void started() { started_ = true; }
    // The output closed: the next one starts afresh.
    void reset() {
        lastBusy_.reset();
        started_ = false;
    }

private:
    std::optional<Clock::time_point> lastBusy_;
    bool started_ = false;
};

} // namespace qor
