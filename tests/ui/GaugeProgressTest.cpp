// The one rule by which windows show a long job's progress: at most one change per 1 %
// of the range and per thirtieth of a second, the last value always shown.

#include "ui/GaugeProgress.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A clock the test moves by hand.
struct HandClock {
    std::int64_t ms = 1000;
    ui::ProgressThrottle::Clock clock() {
        return [this] { return ms; };
    }
};

std::vector<int> valuesOf(const QSignalSpy& spy) {
    std::vector<int> values;
    for (const QList<QVariant>& args : spy)
        values.push_back(args.at(0).toInt());
    return values;
}

} // namespace

TEST(ProgressThrottleTest, ShowsAValueOnlyAfterOnePercentAndAThirtiethOfASecond) {
    HandClock t;
    ui::ProgressThrottle throttle(t.clock());
    throttle.restart(1000);
    t.ms += 100;
    EXPECT_FALSE(throttle.due(9));   // less than 1 % moved
    EXPECT_TRUE(throttle.due(10));   // 1 %, long enough after the start
    t.ms += 32;
    EXPECT_FALSE(throttle.due(500)); // far enough, but too soon
    t.ms += 1;
    EXPECT_TRUE(throttle.due(500));
    t.ms += 1000;
    EXPECT_FALSE(throttle.due(509)); // however long it took: less than 1 % since 500
    EXPECT_TRUE(throttle.due(510));
    // Back down counts as a move too.
    t.ms += 40;
    EXPECT_TRUE(throttle.due(0));
}

TEST(ProgressThrottleTest, ASmallJobShowsEveryItemWhenItemsAreSlow) {
    HandClock t;
    ui::ProgressThrottle throttle(t.clock());
    throttle.restart(7);
    for (int i = 1; i <= 7; ++i) {
        t.ms += 50;
        EXPECT_TRUE(throttle.due(i)) << i;
    }
}

TEST(GaugeProgressTest, AFastJobOfManyItemsChangesTheGaugeAtMostOncePerPercent) {
    HandClock t;
    QProgressBar bar;
    QSignalSpy changes(&bar, &QProgressBar::valueChanged);
    ui::GaugeProgress gauge(&bar, t.clock());
    gauge.start(200000);
    EXPECT_EQ(bar.maximum(), 200000);
    // Each item takes a millisecond: 200 seconds in all, so time never holds a change back.
    for (int i = 1; i <= 200000; ++i) {
        t.ms += 1;
        gauge.step(i);
    }
    EXPECT_LE(changes.count(), 101);
    EXPECT_GE(changes.count(), 99);
    EXPECT_EQ(bar.value(), 200000);
    gauge.end();
    EXPECT_EQ(valuesOf(changes).back(), 0);
}

TEST(GaugeProgressTest, AQuickJobChangesTheGaugeAtMostThirtyTimesASecond) {
    HandClock t;
    QProgressBar bar;
    QSignalSpy changes(&bar, &QProgressBar::valueChanged);
    ui::GaugeProgress gauge(&bar, t.clock());
    gauge.start(1000);
    // 1,000 items in half a second: 1 % each, every 0.5 ms.
    for (int i = 1; i <= 1000; ++i) {
        if (i % 2 == 0)
            t.ms += 1;
        gauge.step(i);
    }
    EXPECT_LE(changes.count(), 500 / 33 + 1);
    EXPECT_GE(changes.count(), 500 / 34);
    // The last value reaches the gauge before it goes back to 0.
    gauge.end();
    std::vector<int> values = valuesOf(changes);
    ASSERT_GE(values.size(), 2u);
    EXPECT_EQ(values[values.size() - 2], 1000);
    EXPECT_EQ(values.back(), 0);
}

TEST(GaugeProgressTest, TheLastValueIsShownEvenWhenTheRuleHoldsItBack) {
    HandClock t;
    QProgressBar bar;
    ui::GaugeProgress gauge(&bar, t.clock());
    gauge.start(100);
    for (int i = 1; i <= 100; ++i)
        gauge.step(i);  // no time passes: nothing is shown
    EXPECT_EQ(bar.value(), 0);
    gauge.finish();
    EXPECT_EQ(bar.value(), 100);
    // A job of nothing keeps a range the gauge can show (0 .. 0 would be a busy bar).
    gauge.start(0);
    EXPECT_EQ(bar.maximum(), 1);
    EXPECT_EQ(bar.value(), 0);
}
