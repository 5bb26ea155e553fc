// When a quiet sound output closes: five seconds after the last look that found it busy
// or the last sound begun, on the caller's clock.

#include "sound/IdleWatch.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace std::chrono;

TEST(IdleWatchTest, FiveQuietSecondsAfterTheLastSoundCloseTheOutput) {
    IdleWatch idle;
    const steady_clock::time_point t{};
    // The first look starts the count, whatever the clock says.
    EXPECT_FALSE(idle.quietLongEnough(false, t + hours(3)));
    EXPECT_FALSE(idle.quietLongEnough(false, t + hours(3) + seconds(4)));
    EXPECT_TRUE(idle.quietLongEnough(false, t + hours(3) + seconds(5)));

    // Busy at a look: counted from there.
    EXPECT_FALSE(idle.quietLongEnough(true, t + hours(4)));
    EXPECT_FALSE(idle.quietLongEnough(false, t + hours(4) + seconds(4)));
    EXPECT_TRUE(idle.quietLongEnough(false, t + hours(4) + seconds(6)));

    // A sound begun (and over) between two looks counts as busy at the next one.
    idle.started();
    EXPECT_FALSE(idle.quietLongEnough(false, t + hours(5)));
    EXPECT_FALSE(idle.quietLongEnough(false, t + hours(5) + seconds(4)));
    EXPECT_TRUE(idle.quietLongEnough(false, t + hours(5) + seconds(5)));

    // After a reset (the output closed) the count starts again at the next look.
    idle.reset();
    EXPECT_FALSE(idle.quietLongEnough(false, t + hours(9)));
}
