// Limiting a value to a range, the one way the program does it.
#pragma once

// The lower limit is tested first: when the limits cross (high below low), the
// result is low. The view relies on that order when it is larger than the desktop.
template <typename T>
constexpr T Clamp(T value, T low, T high) {
    return value < low ? low : (value > high ? high : value);
}
