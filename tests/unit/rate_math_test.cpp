// Refresh rates through the intervals they are stored as.
#include <gtest/gtest.h>

#include <map>

#include "dialogs/RateMath.h"

TEST(RateMath, RatesComeBackFromTheirStoredIntervals) {
    // Integer division makes these rates come back higher: 36 is stored as 27 ms, shown as 37.
    const std::map<int, int> shifted = {{36, 37}, {39, 40}, {42, 43}, {44, 45}, {46, 47}, {48, 50}, {49, 50}};
    for (int rate = kMinUpdateRate; rate <= kMaxUpdateRate; ++rate) {
        auto found = shifted.find(rate);
        EXPECT_EQ(found == shifted.end() ? rate : found->second, RateFromInterval(IntervalFromRate(rate))) << rate;
    }
    EXPECT_EQ(27, IntervalFromRate(36));
    EXPECT_EQ(20, IntervalFromRate(49));
    EXPECT_EQ(1000, IntervalFromRate(0));
    EXPECT_EQ(20, IntervalFromRate(51));
}

TEST(RateMath, IntervalsWithoutAWholeRateShowZero) {
    EXPECT_EQ(1, RateFromInterval(1000));
    EXPECT_EQ(0, RateFromInterval(1001));
    EXPECT_EQ(0, RateFromInterval(0));
    EXPECT_EQ(0, RateFromInterval(-20));
}
