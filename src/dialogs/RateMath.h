// Refresh rates as the Options dialog shows them (updates per second) and as
// the settings keep them (milliseconds between updates).
#pragma once

constexpr int kMinUpdateRate = 1;
constexpr int kMaxUpdateRate = 50;

// Updates per second for a stored interval, by integer division; an interval
// of 0 or less has no rate and shows 0, which OK then refuses.
int RateFromInterval(int intervalMs);
// The interval stored for a rate, by integer division; rates outside 1 to 50
// are brought into that range first, so the interval is always 20 to 1000 ms.
int IntervalFromRate(int rate);
