#include "sound/IdleWatch.h"

namespace qor {

bool IdleWatch::quietLongEnough(bool busy, Clock::time_point now) {
    // Without a sound seen yet, the quiet counts from the first look.
    const bool began = started_;
    started_ = false;
    if (busy || began || !lastBusy_) {
        lastBusy_ = now;
        return false;
    }
    return now - *lastBusy_ >= kLimit;
}

} // namespace qor
