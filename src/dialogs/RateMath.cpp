#include "dialogs/RateMath.h"

namespace {

constexpr int kMsPerSecond = 1000;

}  // namespace

int RateFromInterval(int intervalMs) {
    return intervalMs > 0 ? kMsPerSecond / intervalMs : 0;
}

int IntervalFromRate(int rate) {
    if (rate < kMinUpdateRate) rate = kMinUpdateRate;
    if (rate > kMaxUpdateRate) rate = kMaxUpdateRate;
    return kMsPerSecond / rate;
}
